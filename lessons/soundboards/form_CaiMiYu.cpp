#include "lessons/soundboards/form_CaiMiYu.h"

#include "lesson_frame/guarded.h"
#include "lessons/soundboards/caimiyu_tables.h"
#include "platform/platform.h"
#include "ui_soundboards_caimiyu.h"

namespace {

constexpr int kAnswerPauseMs = 1200;  // between the lead-in and the answer word

// The riddle number N that the current sound names: a riddle "003" or its
// answer word "b003"; empty for the start and page sounds or no sound.
std::string CurrentRiddleNumber(const std::string& alias)
{
    if (alias.empty() || alias == "st" || alias == "n" || alias == "l")
        return {};
    return alias.size() >= 3 ? alias.substr(alias.size() - 3) : alias;
}

}  // namespace

TFM_CaiMiYu::Widgets TFM_CaiMiYu::buildLayout(QWidget* screen)
{
    Ui::TFM_CaiMiYu ui;
    ui.setupUi(screen);
    Widgets w;
    w.riddles = {ui.btn_1, ui.btn_2, ui.btn_3, ui.btn_4, ui.btn_5};
    w.next = ui.btn_nextpage;
    w.previous = ui.btn_lastpage;
    w.back = ui.btn_backlasmenu;
    w.text = ui.lb2;
    w.question = ui.Image2;
    w.answerKey = ui.Image9;
    w.answer = ui.img_da;
    return w;
}

TFM_CaiMiYu::TFM_CaiMiYu()
    : LessonScreen(frame::ScreenSettings("TFM_CaiMiYu", /*maximise=*/false, /*onTop=*/false)),
      ui_(buildLayout(this)),
      pages_(this, ui_.next, ui_.previous, frame::PageSettings{soundboards::kRiddlePages - 1, "n", "l"},
             [this] { ShowRiddleCaptions(); })
{
    for (int slot = 0; slot < soundboards::kRiddleSlots; ++slot)
        frame::OnClick(ui_.riddles[static_cast<size_t>(slot)], [this, slot] { RiddleClick(slot); });
    frame::OnClick(ui_.answerKey, [this] { ShowRiddleAnswer(); });
    frame::OnClick(ui_.question, [this] { ShowRiddleAnswer(); });
    frame::OnClick(ui_.next, [this] { PageClick(true); });
    frame::OnClick(ui_.previous, [this] { PageClick(false); });
    frame::OnClick(ui_.back, [this] { btn_backlasmenuClick(); });
}

void TFM_CaiMiYu::FormCreate()
{
    RiddleSlot = 0;
    CurrentSoundAlias.clear();
    MediaFolder.clear();
    SetMediaFolder();
    ui_.answer->setVisible(false);
    PlayLessonSound("st");
    pages_.Reset();
    ShowRiddleCaptions();
}

void TFM_CaiMiYu::ShowRiddleCaptions()
{
    for (int slot = 0; slot < soundboards::kRiddleSlots; ++slot)
        ui_.riddles[static_cast<size_t>(slot)]->setText(
            QString::fromStdString(soundboards::RiddleCaption(soundboards::RiddleNumber(pages_.PageIndex, slot))));
}

void TFM_CaiMiYu::RiddleClick(int slot)
{
    RiddleSlot = slot;
    ui_.question->setVisible(true);
    SelectRiddle();
    ShowQuestionPicture();
}

void TFM_CaiMiYu::SelectRiddle()
{
    const int n = soundboards::RiddleNumber(pages_.PageIndex, RiddleSlot);
    const soundboards::Riddle* riddle = soundboards::RiddleOf(n);
    if (!riddle)
        return;
    PlayLessonSound(soundboards::RiddleSound(n));
    ui_.text->setText(QString::fromUtf8(riddle->text));
}

void TFM_CaiMiYu::ShowQuestionPicture()
{
    ui_.question->setVisible(true);
    ui_.answer->setVisible(false);
}

void TFM_CaiMiYu::ShowRiddleAnswer()
{
    const std::string number = CurrentRiddleNumber(CurrentSoundAlias);
    if (number.empty())
        return;
    frame::Guarded([this, &number] {
        ui_.answer->setVisible(true);
        ui_.question->setVisible(false);
        LoadNamedPicture(ui_.answer, soundboards::RiddleAnswerPicture(number));
        PlayLessonSound("da");
        // The window thread waits here, as the kid hears the lead-in.
        platform::Sleep(kAnswerPauseMs);
        PlayLessonSound(soundboards::RiddleAnswerWord(number));
    });
}

void TFM_CaiMiYu::PageClick(bool forward)
{
    // The shared step (an error ends it there); then a new page has no
    // current riddle: its text goes, the question is back.
    if (!(forward ? pages_.NextPageClick() : pages_.PreviousPageClick()))
        return;
    ui_.text->clear();
    ShowQuestionPicture();
}
