// What the sound-grid tests share: a fixture that opens one lesson by class
// name on the recording platform, with clicks and looks by widget name.
#pragma once

#include "lesson_frame/lesson_registry.h"
#include "lesson_frame/lesson_screen.h"
#include "lessons/soundboards/soundboards.h"
#include "tests/support/lesson_fixture.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace soundgrids_test {

inline std::string ThreeDigits(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", n);
    return text;
}

class LessonFixture : public testing_support::LessonFixtureBase<> {
public:
    LessonFixture() { soundboards::RegisterSoundGridLessons(); }

    // A click that must reach its widget, recorded from a clean log.
    std::vector<std::string> click(const std::string& name)
    {
        rec.clear();
        EXPECT_TRUE(testing_support::Click(screen.get(), name)) << name << " cannot be clicked";
        return rec.log;
    }
};

}  // namespace soundgrids_test
