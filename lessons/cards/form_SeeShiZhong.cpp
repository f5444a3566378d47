#include "lessons/cards/form_SeeShiZhong.h"

#include "lesson_frame/guarded.h"
#include "lesson_frame/layout_widget.h"
#include "lessons/cards/clock_pyramid_tables.h"
#include "platform/pictures.h"
#include "ui_cards_shizhong.h"

#include <QFontMetrics>

namespace {

// The installed stand-in for 宋体 sets digits wider than the original, so
// "10点钟" would wrap in its 100 pixels; its letters are drawn closer instead.
void KeepOnOneLine(platform::TSpeedButton* button)
{
    QFont font = button->font();
    const int over = QFontMetrics(font).horizontalAdvance(button->text()) - button->width();
    if (over <= 0)
        return;
    const int letters = static_cast<int>(button->text().size());
    font.setLetterSpacing(QFont::AbsoluteSpacing, -((over + letters - 1) / letters + 1));
    button->setFont(font);
}

}  // namespace

TFM_SeeShiZhong::TFM_SeeShiZhong() : LessonScreen(frame::ScreenSettings("TFM_SeeShiZhong"))
{
    Ui::ClockLayout ui;
    ui.setupUi(this);
    face_ = ui.img_z1;
    for (int k = 0; k < cards::kHours; ++k) {
        auto* button =
            frame::LayoutWidget<platform::TSpeedButton>(this, cards::kHourTable[static_cast<size_t>(k)].button);
        KeepOnOneLine(button);
        frame::OnClick(button, [this, k] { HourClick(k + 1); });
    }
    frame::OnClick(ui.btn_backlasmenu, [this] { BackClick(); });
}

void TFM_SeeShiZhong::FormCreate()
{
    HourIndex = 0;
    SetMediaFolder();
    face_->setVisible(true);
    PlayLessonSound("st", frame::StopRule::Always);
    ShowClockFace();
}

void TFM_SeeShiZhong::HourClick(int hour)
{
    HourIndex = hour - 1;
    ShowClockFace();
    PlayHourSound();
}

void TFM_SeeShiZhong::ShowClockFace()
{
    frame::Guarded([this] {
        const std::string name = cards::ClockFaceName(HourIndex);
        if (name.empty())
            return;
        face_->setPicture(platform::decodeGif(platform::loadRawResource(name)));
    });
}

void TFM_SeeShiZhong::PlayHourSound()
{
    frame::Guarded([this] {
        PlayLessonSound(cards::kHourTable.at(static_cast<size_t>(HourIndex)).sound, frame::StopRule::Always);
    });
}

void TFM_SeeShiZhong::BackClick()
{
    StopLessonSound();
    Close();
}
