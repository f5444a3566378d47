#include "lessons/soundboards/pads_boards_lesson.h"

namespace soundboards::padboard {

PadBoardLesson::PadBoardLesson(const frame::ScreenSettings& settings, const LayoutSetup& setupLayout)
    : LessonScreen(settings)
{
    setupLayout(this);
    frame::OnClick(Child<platform::TSpeedButton>("btn_backlasmenu"), [this] { btn_backlasmenuClick(); });
}

}  // namespace soundboards::padboard
