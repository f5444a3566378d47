#include "tests/support/launch_driver.h"

#include "lesson_frame/lesson_registry.h"
#include "tests/support/screen_driver.h"

#include <QTimer>

namespace testing_support {

bool VisitFromMenu(TMainForm& menu, const std::string& className,
                   const std::function<void(frame::LessonScreen&)>& whileOpen)
{
    bool clickedBack = false;
    QTimer::singleShot(0, [&] {
        frame::LessonScreen* open = frame::FormVariable(className);
        if (!open || !open->isModalRunning())
            return;
        if (whileOpen)
            whileOpen(*open);
        clickedBack = Click(open, "btn_backlasmenu");
    });
    const catalogue::MenuEntry* entry = catalogue::FindLessonEntry(className);
    if (entry)
        menu.RunLesson(*entry);
    return clickedBack;
}

}  // namespace testing_support
