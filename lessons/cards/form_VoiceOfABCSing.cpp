#include "lessons/cards/form_VoiceOfABCSing.h"

#include "lesson_frame/guarded.h"
#include "lesson_frame/layout_widget.h"
#include "lessons/cards/clock_pyramid_tables.h"
#include "ui_cards_pyramid.h"

TFM_VoiceOfABCSing::TFM_VoiceOfABCSing() : LessonScreen(frame::ScreenSettings("TFM_VoiceOfABCSing"))
{
    Ui::PyramidLayout ui;
    ui.setupUi(this);
    for (const cards::PyramidRow& row : cards::kPyramidTable) {
        for (const cards::PyramidWord* word : {&row.number, &row.fruit}) {
            auto* button = frame::LayoutWidget<platform::TSpeedButton>(this, word->button);
            const std::string sound = word->sound;
            frame::OnClick(button, [this, sound] { PlayWord(sound); });
        }
    }
    frame::OnClick(ui.btn_backlasmenu, [this] { BackClick(); });
}

void TFM_VoiceOfABCSing::FormCreate()
{
    frame::Guarded([this] {
        CurrentSoundAlias.clear();
        MediaFolder.clear();
        SetMediaFolder();
        PlayWord("st");
    });
}

void TFM_VoiceOfABCSing::PlayWord(const std::string& name)
{
    frame::Guarded([&] { PlayLessonSound(name, frame::StopRule::Always); });
}

void TFM_VoiceOfABCSing::BackClick()
{
    frame::Guarded([this] {
        StopLessonSound();
        Close();
    });
}
