#include "lessons/soundboards/calculator_pad_lesson.h"

#include "platform/platform.h"
#include "platform/strings.h"

namespace soundboards::padboard {

namespace {

std::string LabelName(int i)
{
    return "lb_" + std::to_string(i);
}

std::string KeyPictureName(int digit)
{
    return digit == 1 ? "img_a1" : "Img_a" + std::to_string(digit);
}

std::string CellName(int grid, int cell)
{
    return "img_" + std::to_string(grid) + "a" + std::to_string(cell);
}

}  // namespace

CalculatorPadLesson::CalculatorPadLesson(const PadMember& pad, const LayoutSetup& setupLayout)
    : PadBoardLesson(frame::ScreenSettings{pad.className, true}, setupLayout), pad_(pad)
{
    for (int d = 1; d <= 9; ++d) {
        keys_[static_cast<size_t>(d)] = Child<platform::TSpeedButton>("btn_" + std::to_string(d));
        keyPictures_[static_cast<size_t>(d)] = Child<platform::TImage>(KeyPictureName(d));
        frame::OnClick(keys_[static_cast<size_t>(d)], [this, d] { DigitClick(d); });
    }
    for (int i = 1; i <= 5; ++i)
        labels_[static_cast<size_t>(i)] = Child<platform::TLabel>(LabelName(i));
    for (int g = 1; g <= kPadGrids; ++g) {
        const int count = g == 3 && pad_.tenthResultCell ? kTenthCell : kGridCells;
        for (int c = 1; c <= count; ++c)
            cells_[static_cast<size_t>(g)][static_cast<size_t>(c)] = Child<platform::TImage>(CellName(g, c));
    }
    frame::OnClick(Child<platform::TSpeedButton>("btn_jia"), [this] { btn_jiaClick(); });
    frame::OnClick(Child<platform::TSpeedButton>("btn_dengyu"), [this] { btn_dengyuClick(); });
    frame::OnClick(Child<platform::TSpeedButton>("btn_clear"), [this] { btn_clearClick(); });
}

void CalculatorPadLesson::FormCreate()
{
    LastDigit = 0;
    ResultShown = 0;
    OperandA = 0;
    OperandB = 0;
    SetMediaFolder();
    labels_[3]->clear();
    labels_[1]->clear();
    labels_[5]->clear();
    PlayPadSound("st");
}

void CalculatorPadLesson::DigitClick(int digit)
{
    LastDigit = digit;
    PlayPadSound(platform::ThreeDigits(digit));
    RecordOperand();
    ShowCounterPattern();
}

void CalculatorPadLesson::btn_jiaClick()
{
    if (OperandA == 0)
        return;
    // A failing stop ends the key's steps here; a failing sound does not
    // keep the sign from showing.
    frame::Guarded([this] {
        EntryState = 1;
        LimitSecondOperand();
        StopIfCurrent();
        PlayPadSound(pad_.operatorSound);
        labels_[2]->setVisible(true);
    });
}

void CalculatorPadLesson::btn_dengyuClick()
{
    if (OperandA == 0 || OperandB == 0)
        return;
    EntryState = 2;
    PadResult = PadResultOf(pad_, OperandA, OperandB);
    // A stop that fails does not end the key: the result is still shown.
    frame::Guarded([this] { StopIfCurrent(); });
    PlayPadSound("dy");
    platform::Sleep(1000);
    PlayResultSound();
    labels_[5]->setText(QString::number(PadResult));
    labels_[5]->setVisible(true);
    ShowCounterPattern();
    PadResult = 0;
    ResultShown = 1;
    EntryState = 0;
    OperandA = 0;
    OperandB = 0;
    ShowAllDigitKeys();
}

void CalculatorPadLesson::btn_clearClick()
{
    EntryState = 0;
    ShowAllDigitKeys();
    labels_[5]->setText(QStringLiteral("0"));
    for (int i = 1; i <= 4; ++i)
        labels_[static_cast<size_t>(i)]->setVisible(false);
    LastDigit = 0;
    OperandA = 0;
    OperandB = 0;
    HideCounterGrids();
    PlayPadSound("qling");
}

void CalculatorPadLesson::RecordOperand()
{
    if (EntryState == 0) {
        if (ResultShown == 1) {
            labels_[1]->clear();
            labels_[3]->clear();
            labels_[5]->clear();
            labels_[2]->setVisible(false);
            labels_[4]->setVisible(false);
            HideCounterGrids();
        }
        OperandA = LastDigit;
        labels_[1]->setText(QString::number(LastDigit));
    } else if (EntryState == 1) {
        OperandB = LastDigit;
        labels_[3]->setText(QString::number(LastDigit));
    }
}

void CalculatorPadLesson::ShowCounterPattern()
{
    switch (EntryState) {
    case 0:
        labels_[1]->setVisible(true);
        DrawGrid(1, labels_[1]);
        break;
    case 1:
        labels_[3]->setVisible(true);
        DrawGrid(2, labels_[3]);
        break;
    case 2:
        labels_[4]->setVisible(true);
        DrawGrid(3, labels_[5]);
        break;
    default:
        break;
    }
}

// A caption without a pattern (the result "0") leaves the grid as it is.
void CalculatorPadLesson::DrawGrid(int grid, const platform::TLabel* label)
{
    const std::optional<uint16_t> mask = CounterCells(pad_, grid, label->text().toStdString());
    if (!mask)
        return;
    for (int c = 1; c <= kTenthCell; ++c)
        if (platform::TImage* cell = cells_[static_cast<size_t>(grid)][static_cast<size_t>(c)])
            cell->setVisible((*mask >> (c - 1)) & 1u);
}

void CalculatorPadLesson::LimitSecondOperand()
{
    for (int d = 1; d <= 9; ++d) {
        const bool allowed = SecondOperandAllowed(pad_, OperandA, d);
        if (pad_.operation == PadOperation::Add)
            SetKeyVisible(d, allowed);
        else if (!allowed)
            SetKeyVisible(d, false);
    }
}

void CalculatorPadLesson::ShowAllDigitKeys()
{
    for (int d = 2; d <= 9; ++d)
        SetKeyVisible(d, true);
}

void CalculatorPadLesson::SetKeyVisible(int digit, bool visible)
{
    keys_[static_cast<size_t>(digit)]->setVisible(visible);
    keyPictures_[static_cast<size_t>(digit)]->setVisible(visible);
}

void CalculatorPadLesson::HideCounterGrids()
{
    for (const auto& grid : cells_)
        for (platform::TImage* cell : grid)
            if (cell)
                cell->setVisible(false);
}

void CalculatorPadLesson::PlayResultSound()
{
    frame::Guarded([this] {
        StopIfCurrent();
        PlayPadSound(ResultSound(pad_, PadResult));
    });
}

void CalculatorPadLesson::PlayPadSound(const std::string& name)
{
    frame::Guarded([&] { PlayLessonSound(name); });
}

}  // namespace soundboards::padboard
