#include "tests/pads/pads_fixture.h"

#include "lessons/soundboards/soundboards.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace pads_testing {

std::string Sound(int n)
{
    char name[8];
    std::snprintf(name, sizeof name, "%03d", n);
    return name;
}

int FailingMedia::mciSendString(const std::string& command)
{
    RecordingPlatform::mciSendString(command);
    if (!failing.empty() && command.rfind(failing, 0) == 0)
        throw std::runtime_error("cannot send " + command);
    return 0;
}

bool AllNameTheScreen(const std::vector<std::string>& lines, const std::string& className)
{
    const std::string suffix = " (ignored)";
    return std::all_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.rfind(className + ": ", 0) == 0 && line.size() > suffix.size() &&
               line.compare(line.size() - suffix.size(), suffix.size(), suffix) == 0;
    });
}

LessonFixture::LessonFixture(const std::string& className)
{
    soundboards::RegisterPadAndBoardLessons();
    screen_ = testing_support::OpenShown(className);
    if (!screen_)
        ADD_FAILURE() << className << " is not registered";
}

bool LessonFixture::Press(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (!Click(name)) {
            ADD_FAILURE() << name << " takes no click";
            return false;
        }
    return true;
}

bool LessonFixture::Shown(const std::string& name) const
{
    return testing_support::Shown(Screen(), name);
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
