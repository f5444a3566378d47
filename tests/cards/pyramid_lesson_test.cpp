// The fruit pyramid driven by clicks: "st" at creation, the twenty buttons'
// captions, places and sounds, each click cutting off the sound before, and
// the back button.
#include "lessons/cards/form_VoiceOfABCSing.h"
#include "platform/widgets.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <memory>

using namespace testing_support;

namespace {

class PyramidTest : public ::testing::Test {
protected:
    void open()
    {
        screen = std::make_unique<TFM_VoiceOfABCSing>();
        screen->Create();
        screen->show();
        rec.clear();
    }
    std::string folder() const { return media.programFolder() + "jinzita/"; }

    RecordingPlatform rec;
    MediaFixture media{rec};
    std::unique_ptr<TFM_VoiceOfABCSing> screen;
};

TEST_F(PyramidTest, CreationStopsAlwaysThenPlaysTheStartSound)
{
    screen = std::make_unique<TFM_VoiceOfABCSing>();
    screen->Create();
    EXPECT_EQ(rec.log, Steps({StopSteps(""), PlaySteps(folder(), "st")}));
    EXPECT_EQ(screen->CurrentSoundAlias, "st");
    EXPECT_EQ(screen->MediaFolder, folder());
    screen->show();
    EXPECT_FALSE(screen->isMaximized());
    EXPECT_EQ(screen->windowTitle().toStdString(), "水果金字塔");
}

struct Row {
    const char* numberButton;
    const char* number;
    const char* numberSound;
    const char* fruitButton;
    const char* fruit;
    const char* fruitSound;
};

// clang-format off
const Row kRows[] = {
    {"SpeedButton1", "One", "a001", "btn_1", "Watermelon", "b001"},
    {"SpeedButton2", "Two", "a002", "btn_2", "Tomato", "b002"},
    {"SpeedButton3", "Three", "a003", "btn_3", "Pineapple", "b003"},
    {"SpeedButton4", "Four", "a004", "btn_4", "Grape", "b004"},
    {"SpeedButton5", "Five", "a005", "btn_5", "Strawberry", "b005"},
    {"SpeedButton6", "Six", "a006", "btn_6", "Cherry", "b006"},
    {"SpeedButton7", "Seven", "a007", "btn_7", "Pear", "b007"},
    {"SpeedButton8", "Night", "a008", "btn_8", "Peach", "b008"},
    {"SpeedButton9", "Nine", "a009", "btn_9", "Orange", "b009"},
    {"SpeedButton10", "Ten", "a010", "btn_10", "Apple", "b010"},
};
// clang-format on

TEST_F(PyramidTest, EveryButtonReadsItsWordAndSpeaksItCuttingOffTheSoundBefore)
{
    open();
    std::string previous = "st";
    for (const Row& row : kRows) {
        for (auto [button, caption, sound] : {std::tuple{row.numberButton, row.number, row.numberSound},
                                              std::tuple{row.fruitButton, row.fruit, row.fruitSound}}) {
            EXPECT_EQ(TextOf(screen.get(), button), caption);
            rec.clear();
            ASSERT_TRUE(Click(screen.get(), button)) << button;
            EXPECT_EQ(rec.log, Steps({StopSteps(previous), PlaySteps(folder(), sound)})) << button;
            EXPECT_EQ(screen->CurrentSoundAlias, sound);
            previous = sound;
        }
    }
}

// Number words fuchsia at the left of their row, stepping outwards; fruit
// green at the right, stepping outwards; rows 46 pixels apart.
TEST_F(PyramidTest, ButtonsStandBesideTheirRows)
{
    open();
    const QRect pyramid = FindAs<platform::TImage>(screen.get(), "img1")->geometry();
    EXPECT_EQ(pyramid, QRect(207, 1, 360, 455));
    int lastNumberLeft = 1000, lastFruitLeft = 0;
    for (int r = 0; r < 10; ++r) {
        auto* number = FindAs<platform::TSpeedButton>(screen.get(), kRows[r].numberButton);
        auto* fruit = FindAs<platform::TSpeedButton>(screen.get(), kRows[r].fruitButton);
        for (auto* b : {number, fruit}) {
            EXPECT_EQ(b->y(), 7 + 46 * r) << kRows[r].numberButton;
            EXPECT_EQ(b->height(), 35);
            EXPECT_EQ(b->pixelSize(), 24);
        }
        EXPECT_LT(number->x(), lastNumberLeft);
        EXPECT_GT(fruit->x(), lastFruitLeft);
        lastNumberLeft = number->x();
        lastFruitLeft = fruit->x();
        EXPECT_LT(number->geometry().center().x(), pyramid.center().x());
        EXPECT_GT(fruit->geometry().center().x(), pyramid.center().x());
        EXPECT_EQ(number->textColor(), platform::clFuchsia);
        EXPECT_EQ(fruit->textColor(), QColor(0, 128, 0));
    }
    EXPECT_EQ(FindAs<platform::TSpeedButton>(screen.get(), "SpeedButton1")->x(), 237);
    EXPECT_EQ(FindAs<platform::TSpeedButton>(screen.get(), "SpeedButton10")->x(), 38);
    EXPECT_EQ(FindAs<platform::TSpeedButton>(screen.get(), "btn_1")->x(), 423);
    EXPECT_EQ(FindAs<platform::TSpeedButton>(screen.get(), "btn_10")->x(), 615);
}

TEST_F(PyramidTest, ThreeThenPineapple)
{
    open();
    ASSERT_TRUE(Click(screen.get(), "SpeedButton3"));
    ASSERT_TRUE(Click(screen.get(), "btn_3"));
    EXPECT_EQ(rec.log,
              Steps({StopSteps("st"), PlaySteps(folder(), "a003"), StopSteps("a003"), PlaySteps(folder(), "b003")}));
}

TEST_F(PyramidTest, RowEightReadsNightAndPlaysA008)
{
    open();
    EXPECT_EQ(TextOf(screen.get(), "SpeedButton8"), "Night");
    ASSERT_TRUE(Click(screen.get(), "SpeedButton8"));
    EXPECT_EQ(rec.log, Steps({StopSteps("st"), PlaySteps(folder(), "a008")}));
}

TEST_F(PyramidTest, SameButtonTwiceRestartsItsSound)
{
    open();
    ASSERT_TRUE(Click(screen.get(), "btn_7"));
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), "btn_7"));
    EXPECT_EQ(rec.log, Steps({StopSteps("b007"), PlaySteps(folder(), "b007")}));
}

TEST_F(PyramidTest, BackStopsTheSoundAndClosesTheScreen)
{
    struct Case {
        const char* before;  // a button clicked first, or nullptr
        const char* stopped;
    } cases[] = {{nullptr, "st"}, {"btn_10", "b010"}};
    for (const Case& c : cases) {
        open();
        if (c.before) {
            ASSERT_TRUE(Click(screen.get(), c.before));
        }
        rec.clear();
        ASSERT_TRUE(Click(screen.get(), "btn_backlasmenu"));
        EXPECT_EQ(rec.log, StopSteps(c.stopped)) << c.stopped;
        EXPECT_TRUE(screen->CurrentSoundAlias.empty());
        EXPECT_FALSE(screen->isVisible());
    }
}

}  // namespace
