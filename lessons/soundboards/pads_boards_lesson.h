// What the calculator pads and the number-combination boards build alike:
// the screen's widgets from its layout, the back button, and looking up the
// layout's widgets by the names their tables give.
#pragma once

#include "lesson_frame/layout_widget.h"
#include "lesson_frame/lesson_screen.h"

#include <functional>
#include <string>

namespace soundboards::padboard {

class PadBoardLesson : public frame::LessonScreen {
    Q_OBJECT
public:
    // Builds the screen's widgets into it (its layout's setupUi).
    using LayoutSetup = std::function<void(QWidget*)>;

protected:
    // Builds the layout into the screen and binds its back button.
    PadBoardLesson(const frame::ScreenSettings& settings, const LayoutSetup& setupLayout);

    // The layout's widget of that name; a name the tables give and the
    // layout lacks is a build fault, so it stops the screen's construction.
    template <class T>
    T* Child(const std::string& name)
    {
        return frame::LayoutWidget<T>(this, name);
    }
};

}  // namespace soundboards::padboard
