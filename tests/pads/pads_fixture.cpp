#include "tests/pads/pads_fixture.h"

#include "lessons/soundboards/soundboards.h"

namespace pads_testing {

LessonFixture::LessonFixture(const std::string& className)
{
    soundboards::RegisterPadAndBoardLessons();
    const frame::LessonFactory* make = frame::FindLesson(className);
    if (!make) {
        ADD_FAILURE() << className << " is not registered";
        return;
    }
    screen_.reset((*make)());
    screen_->Create();
    screen_->show();
}

bool LessonFixture::Shown(const std::string& name) const
{
    QWidget* widget = testing_support::Find(Screen(), name);
    return widget && widget->isVisibleTo(Screen());
}

std::set<int> LessonFixture::ShownNumbered(const std::string& prefix, int last) const
{
    std::set<int> shown;
    for (int i = 1; i <= last; ++i)
        if (Shown(prefix + std::to_string(i)))
            shown.insert(i);
    return shown;
}

}  // namespace pads_testing
