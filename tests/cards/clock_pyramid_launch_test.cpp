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

struct Visit {
    const char* className;
    const char* folder;
};
const Visit kVisits[] = {{"TFM_SeeShiZhong", "shizhong/"}, {"TFM_VoiceOfABCSing", "jinzita/"}};

TEST(ClockPyramidLaunch, EachLessonOpensFromTheMenuAndGoesBack)
{
    cards::RegisterClockAndPyramidLessons();
    for (const Visit& visit : kVisits) {
        const MenuVisit v = VisitFromNewMenu(visit.className);
        EXPECT_TRUE(v.clickedBack) << visit.className;
        EXPECT_TRUE(v.formVariableEmptied) << visit.className;
        const std::string lesson = v.programFolder + visit.folder;
        EXPECT_EQ(v.log, Steps({StopSteps(""), PlaySteps(lesson, "st"), StopSteps("st"), BackToMenuSteps(v.programFolder)}))
            << visit.className;
    }
}

std::unique_ptr<frame::LessonScreen> OpenShown(const char* className)
{
    cards::RegisterClockAndPyramidLessons();
    std::unique_ptr<frame::LessonScreen> screen((*frame::FindLesson(className))());
    screen->Create();
    screen->show();
    return screen;
}

void SaveGrab(QWidget* screen, const char* name)
{
    EXPECT_TRUE(screen->grab().save(QDir::temp().filePath(QString::fromLatin1(name))));
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
    SaveGrab(screen.get(), "cards_shizhong_1.png");
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
    SaveGrab(screen.get(), "cards_shizhong_12.png");
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
    SaveGrab(screen.get(), "cards_pyramid.png");
}


}  // namespace
