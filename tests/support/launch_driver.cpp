#include "tests/support/launch_driver.h"

#include "lesson_frame/lesson_registry.h"
#include "tests/support/recording_platform.h"
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

MenuVisit VisitFromNewMenu(const std::string& className)
{
    RecordingPlatform rec;
    MediaFixture media(rec);
    TMainForm menu;
    menu.Create();
    rec.clear();
    MenuVisit visit;
    visit.clickedBack = VisitFromMenu(menu, className);
    visit.formVariableEmptied = frame::FormVariable(className) == nullptr;
    visit.log = rec.log;
    visit.programFolder = media.programFolder();
    return visit;
}

std::vector<std::string> BackToMenuSteps(const std::string& programFolder)
{
    return Steps({StopSteps("kj"), PlaySteps(programFolder + "mainform/", "lm")});
}

}  // namespace testing_support
