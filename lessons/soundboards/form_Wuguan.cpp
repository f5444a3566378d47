#include "lessons/soundboards/form_Wuguan.h"

#include "ui_soundboards_wuguan.h"

#include <cstdio>
#include <stdexcept>

namespace {

template <class T>
T* widget(QWidget* screen, const char* name)
{
    T* w = screen->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        throw std::logic_error(std::string("the layout has no ") + name);
    return w;
}

std::string threeDigits(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", n);
    return text;
}

}  // namespace

TFM_WuGuan::TFM_WuGuan() : LessonScreen(frame::ScreenSettings("TFM_WuGuan", true))
{
    Ui::BodyPartsLayout().setupUi(this);
    for (const soundboards::BodyPart& part : soundboards::kBodyParts) {
        const int code = part.code;
        frame::OnClick(widget<platform::TSpeedButton>(this, part.chineseButton), [this, code] { ChineseClick(code); });
        frame::OnClick(widget<platform::TImage>(this, part.picture), [this, code] { ChineseClick(code); });
        frame::OnClick(widget<platform::TSpeedButton>(this, part.englishButton), [this, code] { EnglishClick(code); });
        markers_.at(static_cast<size_t>(code - 1)) = widget<QWidget>(this, part.marker);
    }
    frame::OnClick(widget<platform::TSpeedButton>(this, "btn_backlasmenu"), [this] { btn_backlasmenuClick(); });
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
    PlayLessonSound("b" + threeDigits(code));
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
    if (!CurrentSoundAlias.empty())
        StopLessonSound();
    if (BodyPartCode >= 1 && BodyPartCode <= 6)
        PlayLessonSound(threeDigits(BodyPartCode));
}
