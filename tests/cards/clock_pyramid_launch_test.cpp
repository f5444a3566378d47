// The clock and the fruit pyramid opened from the menu's launcher, and, with
// the program's own pictures, rendered offscreen: every clock face shows its
// hour, and the pyramid stands between its buttons.
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "lessons/cards/cards.h"
#include "platform/widgets.h"
#include "tests/support/launch_driver.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <QDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

using namespace testing_support;

namespace {

std::unique_ptr<frame::LessonScreen> OpenShown(const char* className)
{
    cards::RegisterClockAndPyramidLessons();
    return testing_support::OpenShown(className);
}

bool IsHourHand(QRgb c)
{
    return qBlue(c) > 100 && qRed(c) < 90 && qGreen(c) < 110;
}
bool IsMinuteHand(QRgb c)
{
    return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100;
}

// The face's pixel at a distance from its centre, in the direction a hand
// takes at an hour.
QRgb FaceAt(const QImage& face, double radius, double hour)
{
    const double a = hour * std::numbers::pi / 6.0;
    return face.pixel(static_cast<int>(std::lround(face.width() / 2.0 + std::sin(a) * radius)),
                      static_cast<int>(std::lround(face.height() / 2.0 - std::cos(a) * radius)));
}

TEST(ClockPyramidRender, EveryClockFaceShowsItsHour)
{
    RecordingPlatform rec;
    MediaFixture media(rec);
    auto screen = OpenShown("TFM_SeeShiZhong");
    auto* face = FindAs<platform::TImage>(screen.get(), "img_z1");
    SaveShot(screen.get(), "cards_shizhong_1");
    for (int hour = 1; hour <= 12; ++hour) {
        ASSERT_TRUE(Click(screen.get(), "btn_b" + std::to_string(hour)));
        const QImage& shown = face->picture().image();
        ASSERT_EQ(shown.size(), QSize(388, 358)) << hour;
        EXPECT_TRUE(IsHourHand(FaceAt(shown, 50, hour))) << "hour hand of " << hour;
        EXPECT_TRUE(IsMinuteHand(FaceAt(shown, 110, 0))) << "minute hand of " << hour;
        for (int other = 1; other <= 12; ++other) {
            if (other != hour) {
                EXPECT_FALSE(IsHourHand(FaceAt(shown, 50, other))) << hour << " also points at " << other;
            }
        }
    }
    SaveShot(screen.get(), "cards_shizhong_12");
}

TEST(ClockPyramidRender, PyramidShowsItsPicture)
{
    RecordingPlatform rec;
    MediaFixture media(rec);
    auto screen = OpenShown("TFM_VoiceOfABCSing");
    auto* pyramid = FindAs<platform::TImage>(screen.get(), "img1");
    ASSERT_TRUE(pyramid->hasPicture());
    EXPECT_EQ(pyramid->picture().size(), QSize(360, 455));
    EXPECT_TRUE(FindAs<platform::TImage>(screen.get(), "Image2")->hasPicture());
    SaveShot(screen.get(), "cards_pyramid");
}

}  // namespace
