// The body-parts screen: its table binds each part's three controls to one code.
#include "lessons/soundboards/form_Wuguan.h"

#include "lesson_frame/layout_widget.h"
#include "platform/strings.h"
#include "ui_soundboards_wuguan.h"

using frame::LayoutWidget;

TFM_WuGuan::TFM_WuGuan() : LessonScreen(frame::ScreenSettings("TFM_WuGuan", true))
{
    Ui::BodyPartsLayout().setupUi(this);
    for (const soundboards::BodyPart& part : soundboards::kBodyParts) {
        const int code = part.code;
        frame::OnClick(LayoutWidget<platform::TSpeedButton>(this, part.chineseButton),
                       [this, code] { ChineseClick(code); });
        frame::OnClick(LayoutWidget<platform::TImage>(this, part.picture), [this, code] { ChineseClick(code); });
        frame::OnClick(LayoutWidget<platform::TSpeedButton>(this, part.englishButton),
                       [this, code] { EnglishClick(code); });
        markers_.at(static_cast<size_t>(code - 1)) = LayoutWidget<QWidget>(this, part.marker);
    }
    frame::OnClick(LayoutWidget<platform::TSpeedButton>(this, "btn_backlasmenu"), [this] { btn_backlasmenuClick(); });
}

void TFM_WuGuan::FormCreate()
{
    BodyPartCode = 0;
    SetMediaFolder();
    PlayStartSound();
}

void TFM_WuGuan::ChineseClick(int code)
{
    BodyPartCode = code;
    ShowBodyPartMarker();
    PlayBodyPartSound();
}

void TFM_WuGuan::EnglishClick(int code)
{
    PlayLessonSound("b" + platform::ThreeDigits(code));
    BodyPartCode = code;
    ShowBodyPartMarker();
}

void TFM_WuGuan::ShowBodyPartMarker()
{
    for (size_t k = 0; k < markers_.size(); ++k)
        markers_[k]->setVisible(static_cast<int>(k) + 1 == BodyPartCode);
}

void TFM_WuGuan::PlayBodyPartSound()
{
    StopIfCurrent();
    if (BodyPartCode >= 1 && BodyPartCode <= 6)
        PlayLessonSound(platform::ThreeDigits(BodyPartCode));
}
