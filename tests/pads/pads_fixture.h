// What the pad and board tests share: a lesson opened through its
// registration on the recording platform, and readers of what the kid sees.
#pragma once

#include "lesson_frame/lesson_registry.h"
#include "lesson_frame/lesson_screen.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace pads_testing {

// n written with three digits, as the numbers' sounds are named.
std::string Sound(int n);

// Replaces the fixture's platform while alive: media commands that begin
// with `failing` throw, as a broken media interface might.
class FailingMedia : public testing_support::RecordingPlatform {
public:
    // exe: the running program of the platform it replaces.
    explicit FailingMedia(const std::string& exePath = {}) { exe = exePath; }
    int mciSendString(const std::string& command) override;
    std::string failing;  // "OPEN ", "CLOSE "; empty: nothing fails
};

// Whether every warning line names the screen and says the error was dropped.
bool AllNameTheScreen(const std::vector<std::string>& lines, const std::string& className);

class LessonFixture {
public:
    // Creates the lesson by class name as the launcher does, runs its
    // creation step and shows it.
    explicit LessonFixture(const std::string& className);

    QWidget* Screen() const { return screen_.get(); }
    frame::LessonScreen& Lesson() const { return *screen_; }
    // The media folder of the lesson, as the recorded commands write it.
    std::string Folder(const std::string& relative) const { return media.programFolder() + relative; }

    bool Click(const std::string& name) { return testing_support::Click(Screen(), name); }
    // Clicks the named widgets in order; false (with a failure naming it)
    // at the first that takes no click.
    bool Press(std::initializer_list<const char*> names);
    std::string Text(const std::string& name) { return testing_support::TextOf(Screen(), name); }
    // Whether the named widget is shown (on a shown screen); false for none.
    bool Shown(const std::string& name) const;
    // The widgets of names prefix + 1 .. prefix + last that are shown.
    std::set<int> ShownNumbered(const std::string& prefix, int last) const;

    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media{rec};

private:
    std::unique_ptr<frame::LessonScreen> screen_;
};

}  // namespace pads_testing
