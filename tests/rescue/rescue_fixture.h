// What the imagine-the-animal and rescue-game tests share: the generator as
// the board quiz tests write it out, one screen opened on the recording
// platform with fake pictures.
#pragma once

#include "lesson_frame/lesson_registry.h"
#include "lessons/games/games.h"
#include "tests/games/quiz_platform.h"
#include "lesson_frame/lesson_screen.h"
#include "tests/support/lesson_fixture.h"
#include "tests/support/reference_random.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace rescue_test {

// Random(n) after one step of the generator from state s.
inline int Draw(uint32_t& s, int n)
{
    testing_support::ReferenceRandom random{s};
    const int drawn = random.below(n);
    s = random.state();
    return drawn;
}

// A distinct fake colour per animal picture, so a test can tell which shows.
inline QColor AnimalColour(int n)
{
    return QColor(n * 9, 250 - n * 9, 40);
}
inline QColor ClueColour(int n)
{
    return QColor(40, n * 9, 250 - n * 9);
}

// One lesson screen on the recording platform.
class ScreenFixture : public testing_support::LessonFixtureBase<games_test::QuizPlatform> {
public:
    explicit ScreenFixture(std::string folder) : folder_(std::move(folder)) { games::RegisterLessons(); }

    void open(const std::string& className) { LessonFixtureBase::open(className, folder_); }
    std::string folder() const { return media.programFolder() + folder_; }
    bool click(const std::string& name) { return testing_support::Click(screen.get(), name); }
    // Shown as the screen means it: not hidden, whether or not its window is.
    bool shown(const std::string& name) const
    {
        QWidget* w = testing_support::Find(screen.get(), name);
        return w && !w->isHidden();
    }
    platform::TImage* image(const std::string& name) const
    {
        return testing_support::FindAs<platform::TImage>(screen.get(), name);
    }
    // The fake colour the image shows at its centre ("none" when empty).
    std::string colourOf(const std::string& name) const
    {
        platform::TImage* img = image(name);
        return img ? testing_support::CentreColour(img->picture()) : "no image";
    }

private:
    std::string folder_;
};

}  // namespace rescue_test
