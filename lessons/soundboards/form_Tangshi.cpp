#include "lessons/soundboards/form_Tangshi.h"

#include "lesson_frame/layout_widget.h"
#include "lessons/soundboards/tangshi_tables.h"
#include "ui_soundboards_tangshi.h"

#include <QFontMetrics>
#include <QTextDocument>
#include <QTextOption>

namespace {

constexpr int kLinePixels = 21;  // the reading box's "隶书" size
constexpr int kSmallestPixels = 11;
constexpr int kBoxMargin = 2;  // the text's distance from the box's edges

// The reading box: lines centred, green also while disabled (it takes no
// input, yet must not look greyed), white behind them.
void PrepareReadingBox(platform::TMemo* memo)
{
    QTextOption option = memo->document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    memo->document()->setDefaultTextOption(option);
    memo->document()->setDocumentMargin(kBoxMargin);
    QPalette pal = memo->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Text, QColor(0, 128, 0));
        pal.setColor(group, QPalette::Base, Qt::white);
    }
    memo->setPalette(pal);
    memo->setFocusPolicy(Qt::NoFocus);
}

// Rows the lines take in the box at the memo's font, wrapped lines counted.
int RowsNeeded(const platform::TMemo* memo, const std::vector<std::string>& lines)
{
    const QFontMetrics metrics(memo->font());
    const int width = std::max(1, memo->width() - 2 * kBoxMargin);
    int rows = 0;
    for (const std::string& line : lines)
        rows += std::max(1, (metrics.horizontalAdvance(QString::fromStdString(line)) + width - 1) / width);
    return rows;
}

// A poem longer than the box (the fourteen-line one) would lose its last
// lines in a box that cannot scroll: it is set smaller until all show.
void FitReadingBox(platform::TMemo* memo, const std::vector<std::string>& lines)
{
    memo->setPixelSize(kLinePixels);
    const int room = memo->height() - 2 * kBoxMargin;
    while (memo->pixelSize() > kSmallestPixels &&
           RowsNeeded(memo, lines) * QFontMetrics(memo->font()).lineSpacing() > room)
        memo->setPixelSize(memo->pixelSize() - 1);
}

}  // namespace

TFM_tangshi::Widgets TFM_tangshi::buildLayout(QWidget* screen)
{
    Ui::TFM_tangshi ui;
    ui.setupUi(screen);
    Widgets w;
    for (size_t slot = 0; slot < w.poems.size(); ++slot)
        w.poems[slot] = frame::LayoutWidget<platform::TSpeedButton>(screen, soundboards::kPoemButtons[slot]);
    w.next = ui.btn_NextPage;
    w.previous = ui.btn_LastPage;
    w.back = ui.btn_backlasmenu;
    w.title = ui.Label1;
    w.memo = ui.Memo1;
    PrepareReadingBox(w.memo);
    return w;
}

TFM_tangshi::TFM_tangshi()
    : LessonScreen(frame::ScreenSettings("TFM_tangshi", /*maximise=*/true)),
      ui_(buildLayout(this)),
      pages_(this, ui_.next, ui_.previous, frame::PageSettings{soundboards::kPoemPages - 1, "n", "l"},
             [this] { ShowPoemCaptions(); })
{
    for (int slot = 0; slot < soundboards::kPoemSlots; ++slot)
        frame::OnClick(ui_.poems[static_cast<size_t>(slot)], [this, slot] { PoemClick(slot); });
    // Paging keeps the reading box as it is; the page sound cuts off a recitation.
    frame::OnClick(ui_.next, [this] { pages_.NextPageClick(); });
    frame::OnClick(ui_.previous, [this] { pages_.PreviousPageClick(); });
    frame::OnClick(ui_.back, [this] { btn_backlasmenuClick(); });
}

void TFM_tangshi::FormCreate()
{
    CurrentSoundAlias.clear();
    pages_.Reset();
    PoemSlot = 0;
    SetMediaFolder();
    ShowPoemCaptions();
    PlayStartSound();
}

void TFM_tangshi::ShowPoemCaptions()
{
    for (int slot = 0; slot < soundboards::kPoemSlots; ++slot) {
        const soundboards::Poem* poem = soundboards::PoemAt(pages_.PageIndex, slot);
        ui_.poems[static_cast<size_t>(slot)]->setText(poem ? QString::fromUtf8(poem->title) : QString());
    }
}

void TFM_tangshi::PoemClick(int slot)
{
    PoemSlot = slot;
    PlayPoemRecitation();
    ShowPoemText(ui_.poems[static_cast<size_t>(slot)]->text());
}

void TFM_tangshi::PlayPoemRecitation()
{
    const soundboards::Poem* poem = soundboards::PoemAt(pages_.PageIndex, PoemSlot);
    if (!poem)
        return;
    PlayLessonSound(poem->sound);
}

void TFM_tangshi::ShowPoemText(const QString& title)
{
    ui_.memo->clear();
    ui_.title->setText(title);
    const soundboards::Poem* poem = soundboards::PoemAt(pages_.PageIndex, PoemSlot);
    if (!poem)
        return;
    const std::vector<std::string> lines = soundboards::PoemLines(poem->text);
    FitReadingBox(ui_.memo, lines);
    for (const std::string& line : lines)
        ui_.memo->appendPlainText(QString::fromStdString(line));
}
