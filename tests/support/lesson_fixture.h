// What every family's screen fixture starts from: one lesson screen on a
// recording platform, its media folders in a temporary program folder, its
// pictures stand-ins, and looks at its widgets by name.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <memory>
#include <string>

namespace testing_support {

template <class Platform = RecordingPlatform>
class LessonFixtureBase {
public:
    std::string text(const std::string& name) const { return TextOf(screen.get(), name); }
    bool shown(const std::string& name) const { return Shown(screen.get(), name); }

    Platform rec;
    MediaFixture media{rec};
    FakePictures pictures;
    std::unique_ptr<frame::LessonScreen> screen;
};

}  // namespace testing_support
