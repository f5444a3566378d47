// What every family's screen fixture starts from: one lesson screen on a
// recording platform, its media folders in a temporary program folder, its
// pictures stand-ins, and looks at its widgets by name.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace testing_support {

template <class Platform = RecordingPlatform>
class LessonFixtureBase {
public:
    // Opens the lesson shown; folder is its media folder ("pinyin/yunmu/").
    void open(const std::string& className, const std::string& folder)
    {
        folder_ = folder;
        screen = OpenShown(className);
        ASSERT_NE(screen, nullptr) << className;
    }
    // The steps of playing a sound of the open lesson's folder.
    std::vector<std::string> play(const std::string& name) const
    {
        return PlaySteps(media.programFolder() + folder_, name);
    }
    std::string text(const std::string& name) const { return TextOf(screen.get(), name); }
    bool shown(const std::string& name) const { return Shown(screen.get(), name); }

    Platform rec;
    MediaFixture media{rec};
    FakePictures pictures;
    std::unique_ptr<frame::LessonScreen> screen;

private:
    std::string folder_;
};

}  // namespace testing_support
