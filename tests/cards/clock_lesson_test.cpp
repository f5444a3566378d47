// The clock lesson driven by clicks: the one o'clock face and "st" at
// creation, each hour button's place, face and sound, faces that cannot be
// read leaving the face before, and the back button.
#include "lessons/cards/form_SeeShiZhong.h"
#include "platform/widgets.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"
#include "tools/content_gen/picture_writers.h"

#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>

using namespace testing_support;

namespace {

// A one-frame GIF of a colour that tells the hour it stands for.
QByteArray FaceGif(int hour)
{
    QImage img(12, 10, QImage::Format_RGB32);
    img.fill(QColor::fromHsv(hour * 25, 200, 220));
    return gen::encodeGif({img}, {});
}

std::string FaceColour(int hour)
{
    return QColor::fromHsv(hour * 25, 200, 220).name().toStdString();
}

class ClockTest : public ::testing::Test {
protected:
    ClockTest()
    {
        for (int hour = 1; hour <= 12; ++hour) {
            char name[8];
            std::snprintf(name, sizeof name, "SZT%03d", hour);
            pictures.addRaw(name, FaceGif(hour));
        }
        pictures.add("SZDIAL", 12, 10, Qt::white);
    }

    // Creates and shows the screen; the log then holds only what clicks do.
    void open()
    {
        screen = std::make_unique<TFM_SeeShiZhong>();
        screen->Create();
        screen->show();
        rec.clear();
    }
    std::string folder() const { return media.programFolder() + "shizhong/"; }
    std::string faceShown() const { return CentreColour(FindAs<platform::TImage>(screen.get(), "img_z1")->picture()); }

    RecordingPlatform rec;
    MediaFixture media{rec};
    FakePictures pictures;
    std::unique_ptr<TFM_SeeShiZhong> screen;
};

TEST_F(ClockTest, OpensOnOneOClockAndPlaysOnlyTheStartSound)
{
    screen = std::make_unique<TFM_SeeShiZhong>();
    screen->Create();
    EXPECT_EQ(rec.log, Steps({StopSteps(""), PlaySteps(folder(), "st")}));
    EXPECT_EQ(screen->CurrentSoundAlias, "st");
    EXPECT_EQ(screen->HourIndex, 0);
    screen->show();
    EXPECT_TRUE(FindAs<platform::TImage>(screen.get(), "img_z1")->isVisible());
    EXPECT_EQ(faceShown(), FaceColour(1));
    EXPECT_FALSE(screen->isMaximized());
    EXPECT_EQ(screen->windowTitle().toStdString(), "时钟");
}

struct HourCase {
    int hour;
    const char* button;
    const char* caption;
    QRect place;
    const char* sound;
};

// clang-format off
const HourCase kHourCases[] = {
    {12, "btn_b12", "12点钟", {343, 0, 100, 50}, "012"},
    {1, "btn_b1", "1点钟", {537, 36, 100, 60}, "001"},
    {2, "btn_b2", "2点钟", {578, 118, 100, 60}, "002"},
    {3, "btn_b3", "3点钟", {602, 204, 100, 60}, "003"},
    {4, "btn_b4", "4点钟", {579, 303, 100, 60}, "004"},
    {5, "btn_b5", "5点钟", {505, 383, 100, 60}, "005"},
    {6, "btn_b6", "6点钟", {341, 404, 100, 50}, "006"},
    {7, "btn_b7", "7点钟", {205, 382, 100, 60}, "007"},
    {8, "btn_b8", "8点钟", {85, 311, 100, 60}, "008"},
    {9, "btn_b9", "9点钟", {77, 220, 100, 60}, "009"},
    {10, "btn_b10", "10点钟", {101, 132, 100, 60}, "010"},
    {11, "btn_b11", "11点钟", {141, 44, 100, 60}, "011"},
};
// clang-format on

TEST_F(ClockTest, EachHourButtonStandsInItsPlaceShowsItsFaceAndSpeaksItsHour)
{
    open();
    std::string previous = "st";
    for (const HourCase& c : kHourCases) {
        auto* button = FindAs<platform::TSpeedButton>(screen.get(), c.button);
        ASSERT_NE(button, nullptr) << c.button;
        EXPECT_EQ(TextOf(screen.get(), c.button), c.caption);
        EXPECT_EQ(button->geometry(), c.place) << c.button;
        EXPECT_EQ(button->pixelSize(), 35);
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width())
            << c.caption << " wraps";
        rec.clear();
        ASSERT_TRUE(Click(screen.get(), c.button));
        EXPECT_EQ(screen->HourIndex, c.hour - 1);
        EXPECT_EQ(faceShown(), FaceColour(c.hour)) << c.button;
        EXPECT_EQ(rec.log, Steps({StopSteps(previous), PlaySteps(folder(), c.sound)})) << c.button;
        EXPECT_EQ(screen->CurrentSoundAlias, c.sound);
        previous = c.sound;
    }
}

TEST_F(ClockTest, TwelveOClockShowsItsFaceAndSpeaks012)
{
    open();
    ASSERT_TRUE(Click(screen.get(), "btn_b12"));
    EXPECT_EQ(faceShown(), FaceColour(12));
    EXPECT_EQ(rec.log, Steps({StopSteps("st"), PlaySteps(folder(), "012")}));
}

TEST_F(ClockTest, SameHourTwiceShowsTheFaceAgainAndRestartsTheSound)
{
    open();
    ASSERT_TRUE(Click(screen.get(), "btn_b3"));
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), "btn_b3"));
    EXPECT_EQ(faceShown(), FaceColour(3));
    EXPECT_EQ(rec.log, Steps({StopSteps("003"), PlaySteps(folder(), "003")}));
}

// What can be wrong with the five o'clock face.
struct BrokenFace {
    const char* what;
    bool missing;
    QByteArray bytes;
};

TEST_F(ClockTest, FaceThatCannotBeReadLeavesThePreviousFaceAndStillSpeaks)
{
    const QByteArray good = FaceGif(5);
    const BrokenFace cases[] = {
        {"missing resource", true, {}},
        {"not a picture", false, QByteArray("this is no GIF at all")},
        {"cut-off GIF", false, good.left(good.size() / 2)},
        {"empty resource", false, QByteArray()},
    };
    for (const BrokenFace& c : cases) {
        if (c.missing)
            pictures.remove("SZT005");
        else
            pictures.addRaw("SZT005", c.bytes);
        open();
        ASSERT_TRUE(Click(screen.get(), "btn_b4"));
        rec.clear();
        ASSERT_TRUE(Click(screen.get(), "btn_b5"));
        EXPECT_EQ(screen->HourIndex, 4) << c.what;
        EXPECT_EQ(faceShown(), FaceColour(4)) << c.what;
        EXPECT_EQ(rec.log, Steps({StopSteps("004"), PlaySteps(folder(), "005")})) << c.what;
        // The next good face shows again.
        ASSERT_TRUE(Click(screen.get(), "btn_b6"));
        EXPECT_EQ(faceShown(), FaceColour(6)) << c.what;
    }
}

TEST_F(ClockTest, MissingOneOClockFaceLeavesTheLayoutsDialAndStillPlaysStart)
{
    pictures.remove("SZT001");
    screen = std::make_unique<TFM_SeeShiZhong>();
    screen->Create();
    EXPECT_EQ(faceShown(), "#ffffff");
    EXPECT_EQ(rec.log, Steps({StopSteps(""), PlaySteps(folder(), "st")}));
}

TEST_F(ClockTest, BackStopsTheSoundAndClosesTheScreen)
{
    open();
    ASSERT_TRUE(Click(screen.get(), "btn_b7"));
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), "btn_backlasmenu"));
    EXPECT_EQ(rec.log, StopSteps("007"));
    EXPECT_TRUE(screen->CurrentSoundAlias.empty());
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(ClockTest, SecondVisitStartsAtOneOClockAgain)
{
    open();
    ASSERT_TRUE(Click(screen.get(), "btn_b9"));
    ASSERT_TRUE(Click(screen.get(), "btn_backlasmenu"));
    open();
    EXPECT_EQ(screen->HourIndex, 0);
    EXPECT_EQ(faceShown(), FaceColour(1));
}

}  // namespace

TEST_F(ClockTest, HourAndBackButtonsStopEvenWithNoSoundOpen)
{
    struct Case {
        const char* button;
        std::vector<std::string> log;
    } cases[] = {
        {"btn_b3", Steps({StopSteps(""), PlaySteps(folder(), "003")})},
        {"btn_backlasmenu", StopSteps("")},
    };
    for (const Case& c : cases) {
        open();
        screen->CurrentSoundAlias.clear();  // as after a sound nobody stopped was forgotten
        ASSERT_TRUE(Click(screen.get(), c.button)) << c.button;
        EXPECT_EQ(rec.log, c.log) << c.button;
    }
}
