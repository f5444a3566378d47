// Both board find quizzes, driven by clicks: the deal, the tasks, the finds
// with their sounds and marks, and what does nothing.
#include "tests/boardquiz/board_quiz_fixture.h"

#include "platform/random.h"
#include "platform/widgets.h"
#include "tests/support/reference_random.h"

#include <algorithm>

using namespace testing_support;
using boardquiz_testing::ExpectedDeal;
using boardquiz_testing::Lesson;
using boardquiz_testing::QuizFixture;

namespace {

class BoardQuizTest : public ::testing::TestWithParam<const Lesson*> {
protected:
    QuizFixture f{*GetParam()};
    const Lesson& lesson() const { return *GetParam(); }
    std::array<int, 3> TilesOf(int task) const { return lesson().tiles[static_cast<size_t>(task)]; }
    std::vector<std::string> Play(const std::string& stop, const std::string& name) const
    {
        return Steps({StopSteps(stop), PlaySteps(f.Folder(), name)});
    }
};

std::string LessonName(const ::testing::TestParamInfo<const Lesson*>& info)
{
    return info.param->className;
}

TEST_P(BoardQuizTest, OpensOnTaskZeroWithTheStartSoundAndNoPrompt)
{
    f.rec.counter = 0x2468ACE0u;
    f.Open();
    EXPECT_EQ(f.rec.log, PlaySteps(f.Folder(), "st"));
    EXPECT_EQ(f.Quiz().CurrentTask, 0);
    EXPECT_EQ(f.Quiz().FoundCount, 0);
    EXPECT_EQ(f.Board(), ExpectedDeal(0x2468ACE0u));
    EXPECT_EQ(f.Marks(), "ooo");
    EXPECT_EQ(f.VisibleMarkers(), std::vector<int>{0});
    auto* marker = FindAs<platform::TImage>(f.Screen(), "img_f1");
    EXPECT_TRUE(marker->transparent());
    EXPECT_EQ(marker->size(), QSize(50, 61));  // sized to its picture

    // Task 0's tiles can be found at once.
    f.rec.clear();
    ASSERT_TRUE(f.ClickSlot(f.SlotOf(TilesOf(0)[1])));
    EXPECT_EQ(f.rec.log, Play("st", lesson().right));
    EXPECT_EQ(f.Marks(), "xoo");
}

TEST_P(BoardQuizTest, EveryDealTakesExactlyThirtyDrawsOfTheGenerator)
{
    f.Open();
    for (uint32_t seed : {0u, 1u, 0x12345678u, 0x80000000u, 0xFFFFFFFFu, 0xDEADBEEFu}) {
        f.rec.counter = seed;
        ASSERT_TRUE(f.ClickTask(3));
        const std::array<int, 31> expected = ExpectedDeal(seed);
        EXPECT_EQ(f.Board(), expected) << "seed " << seed;
        for (int s = 1; s <= 30; ++s)
            EXPECT_EQ(f.Quiz().SlotTile[static_cast<size_t>(s)], std::to_string(expected[static_cast<size_t>(s)]));
        testing_support::ReferenceRandom thirty{seed};
        for (int draw = 0; draw < 30; ++draw)
            thirty.below(1);
        EXPECT_EQ(platform::RandSeed, thirty.state()) << "seed " << seed;
    }
    // The same generator state deals the same board.
    f.rec.counter = 77;
    f.ClickTask(5);
    const auto first = f.Board();
    f.ClickTask(8);
    EXPECT_EQ(f.Board(), first);
}

// Every task, on boards from several seeds: clicking all 30 slots finds
// exactly its three tiles, wherever they lie, with right, right, complete.
TEST_P(BoardQuizTest, EachTaskAcceptsExactlyItsThreeTilesOnAnySlot)
{
    f.Open();
    for (uint32_t seed : {5u, 0xCAFEBABEu, 0x0F0F0F0Fu}) {
        for (int k = 0; k < 10; ++k) {
            f.rec.counter = seed + static_cast<uint32_t>(k);
            ASSERT_TRUE(f.ClickTask(k));
            EXPECT_EQ(f.Marks(), "ooo");
            const auto tiles = TilesOf(k);
            std::vector<std::string> expected;
            std::string sound = f.Prompt(k);
            int found = 0;
            f.rec.clear();
            for (int s = 1; s <= 30; ++s) {
                ASSERT_TRUE(f.ClickSlot(s));
                const int tile = f.TileShownAt(s);
                if (std::find(tiles.begin(), tiles.end(), tile) != tiles.end()) {
                    ++found;
                    const std::string next = found == 3 ? lesson().complete : lesson().right;
                    expected = Steps({expected, Play(sound, next)});
                    sound = next;
                }
                const std::string lit =
                    std::string(static_cast<size_t>(found), 'x') + std::string(static_cast<size_t>(3 - found), 'o');
                EXPECT_EQ(f.Marks(), lit) << "task " << k << " slot " << s;
            }
            EXPECT_EQ(found, 3) << "task " << k;
            EXPECT_EQ(f.rec.log, expected) << "task " << k << " seed " << seed;
            EXPECT_EQ(f.Quiz().FoundCount, 0);
        }
    }
}

TEST_P(BoardQuizTest, WrongRepeatedAndLateClicksDoNothing)
{
    f.rec.counter = 31337;
    f.Open();
    ASSERT_TRUE(f.ClickTask(1));
    const auto tiles = TilesOf(1);
    const int wrongTile = TilesOf(7)[0];
    const auto board = f.Board();

    struct Step {
        const char* what;
        int tile;
        std::vector<std::string> sounds;  // expected log of the click
        const char* marks;
    } steps[] = {
        {"a tile of another task", wrongTile, {}, "ooo"},
        {"first find", tiles[2], Play(f.Prompt(1), lesson().right), "xoo"},
        {"the same tile again", tiles[2], {}, "xoo"},
        {"the wrong tile again", wrongTile, {}, "xoo"},
        {"second find", tiles[0], Play(lesson().right, lesson().right), "xxo"},
        {"third find", tiles[1], Play(lesson().right, lesson().complete), "xxx"},
        {"a found tile after completion", tiles[1], {}, "xxx"},
        {"the first found tile after completion", tiles[2], {}, "xxx"},
    };
    for (const Step& step : steps) {
        f.rec.clear();
        ASSERT_TRUE(f.ClickSlot(f.SlotOf(step.tile))) << step.what;
        EXPECT_EQ(f.rec.log, step.sounds) << step.what;
        EXPECT_EQ(f.Marks(), step.marks) << step.what;
    }
    // After completion no slot answers, and the board stays as dealt.
    f.rec.clear();
    for (int s = 1; s <= 30; ++s)
        f.ClickSlot(s);
    EXPECT_TRUE(f.rec.log.empty());
    EXPECT_EQ(f.Marks(), "xxx");
    EXPECT_EQ(f.Board(), board);
    EXPECT_EQ(f.Quiz().FoundCount, 0);
}

TEST_P(BoardQuizTest, PressingTheCurrentTaskAgainRedealsAndCountsAfresh)
{
    f.rec.counter = 1000;
    f.Open();
    ASSERT_TRUE(f.ClickSlot(f.SlotOf(TilesOf(0)[0])));
    ASSERT_TRUE(f.ClickSlot(f.SlotOf(TilesOf(0)[1])));
    ASSERT_EQ(f.Marks(), "xxo");

    f.rec.counter = 2000;
    f.rec.clear();
    ASSERT_TRUE(f.ClickTask(0));
    EXPECT_EQ(f.rec.log, Play(lesson().right, f.Prompt(0)));
    EXPECT_EQ(f.Board(), ExpectedDeal(2000));
    EXPECT_EQ(f.Marks(), "ooo");
    EXPECT_EQ(f.VisibleMarkers(), std::vector<int>{0});

    // The tiles found before are found afresh, and a third find is needed.
    f.rec.clear();
    f.ClickSlot(f.SlotOf(TilesOf(0)[0]));
    f.ClickSlot(f.SlotOf(TilesOf(0)[1]));
    EXPECT_EQ(f.Marks(), "xxo");
    EXPECT_EQ(f.rec.log, Steps({Play(f.Prompt(0), lesson().right), Play(lesson().right, lesson().right)}));
    f.rec.clear();
    f.ClickSlot(f.SlotOf(TilesOf(0)[2]));
    EXPECT_EQ(f.rec.log, Play(lesson().right, lesson().complete));
}

TEST_P(BoardQuizTest, TaskButtonStartsItsTaskFromAnyState)
{
    f.Open();
    for (int k : {9, 4, 4, 0, 6, 2}) {
        f.ClickSlot(f.SlotOf(TilesOf(f.Quiz().CurrentTask)[0]));
        const std::string playing = f.Quiz().CurrentSoundAlias;
        f.rec.clear();
        ASSERT_TRUE(f.ClickTask(k));
        EXPECT_EQ(f.Quiz().CurrentTask, k);
        EXPECT_EQ(f.rec.log, Play(playing, f.Prompt(k))) << "task " << k;
        EXPECT_EQ(f.Marks(), "ooo") << "task " << k;
        EXPECT_EQ(f.VisibleMarkers(), std::vector<int>{k});
        EXPECT_EQ(FindAs<platform::TImage>(f.Screen(), "img_f" + std::to_string(k + 1))->size(), QSize(50, 61));
    }
}

// A tile picture that fails ends the deal at its slot: the slots before it
// get the new deal, the rest keep the previous one.
TEST_P(BoardQuizTest, FailingTilePictureEndsTheDealAtItsSlot)
{
    const int broken = 17;
    f.rec.counter = 4242;
    f.Open();
    const auto before = f.Board();
    const auto fresh = ExpectedDeal(9999);
    const int stop = static_cast<int>(std::find(fresh.begin() + 1, fresh.end(), broken) - fresh.begin());
    ASSERT_GE(stop, 2);  // the seed puts the broken tile after slot 1
    f.pictures.remove(lesson().tilePrefix + std::to_string(broken));

    f.rec.counter = 9999;
    f.rec.clear();
    ASSERT_TRUE(f.ClickTask(2));
    EXPECT_EQ(f.rec.log, Play("st", f.Prompt(2)));  // the task starts all the same
    EXPECT_EQ(f.Marks(), "ooo");
    for (int s = 1; s <= 30; ++s) {
        const int expected = s < stop ? fresh[static_cast<size_t>(s)] : before[static_cast<size_t>(s)];
        EXPECT_EQ(f.TileShownAt(s), expected) << "slot " << s;
        EXPECT_EQ(f.Quiz().SlotTile[static_cast<size_t>(s)], std::to_string(expected)) << "slot " << s;
    }
}

TEST_P(BoardQuizTest, FailedFirstDealLeavesEmptySlotsThatNoTaskAccepts)
{
    f.rec.counter = 555;
    const auto deal = ExpectedDeal(555);
    const int broken = deal[12];
    f.pictures.remove(lesson().tilePrefix + std::to_string(broken));
    f.Open();
    EXPECT_EQ(f.rec.log, PlaySteps(f.Folder(), "st"));
    for (int s = 1; s <= 30; ++s) {
        EXPECT_EQ(f.TileShownAt(s), s < 12 ? deal[static_cast<size_t>(s)] : 0) << "slot " << s;
        EXPECT_EQ(f.Quiz().SlotTile[static_cast<size_t>(s)],
                  s < 12 ? std::to_string(deal[static_cast<size_t>(s)]) : "");
    }
    f.rec.clear();
    for (int s = 12; s <= 30; ++s)
        ASSERT_TRUE(f.ClickSlot(s));
    EXPECT_TRUE(f.rec.log.empty());
    EXPECT_EQ(f.Marks(), "ooo");
}

INSTANTIATE_TEST_SUITE_P(Lessons, BoardQuizTest,
                         ::testing::Values(&boardquiz_testing::kColour, &boardquiz_testing::kShape), LessonName);

// Find the colour: captions of the task buttons, and ticks that go grey
// again only with the next task.
TEST(ZhaoYanSe, TaskCaptionsAndTicks)
{
    QuizFixture f(boardquiz_testing::kColour);
    f.Open();
    const char* captions[] = {"找绿色", "找红色",   "找黑色", "找黄色", "找蓝色",
                              "找灰色", "找橄榄色", "找白色", "找紫色", "找藏青色"};
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(TextOf(f.Screen(), boardquiz_testing::kColour.buttons[static_cast<size_t>(k)]), captions[k]);
        auto* button =
            FindAs<platform::TSpeedButton>(f.Screen(), boardquiz_testing::kColour.buttons[static_cast<size_t>(k)]);
        EXPECT_EQ(button->textColor(), k == 2 ? QColor(Qt::white) : QColor(Qt::black)) << captions[k];
    }
    for (const char* tick : {"lb1", "lb2", "lb3"})
        EXPECT_EQ(TextOf(f.Screen(), tick), "√");
    // Picking purple while ticks are lit greys them all and deals afresh.
    f.ClickSlot(f.SlotOf(2));
    ASSERT_EQ(f.Marks(), "xoo");
    f.rec.counter = 8080;
    f.rec.clear();
    ASSERT_TRUE(f.ClickTask(8));
    EXPECT_EQ(f.Marks(), "ooo");
    EXPECT_EQ(f.rec.log, Steps({StopSteps("002"), PlaySteps(f.Folder(), "a009")}));
    EXPECT_EQ(f.Board(), ExpectedDeal(8080));
}

// Find the shape: the task pictures are the coloured shapes, loaded at
// creation; a coloured shape that cannot be loaded leaves its mark grey but
// the find still counts and its slot is used.
TEST(ZhaoXingZhuang, TaskPicturesAndMissingMarkPicture)
{
    QuizFixture f(boardquiz_testing::kShape);
    f.pictures.remove("zhaoxzta004");
    f.Open();
    for (int k = 0; k < 10; ++k) {
        auto* picture = FindAs<platform::TImage>(f.Screen(), "Image" + std::to_string(31 + k));
        EXPECT_EQ(picture->hasPicture() ? CentreColour(picture->picture()) : "none",
                  k < 3 ? boardquiz_testing::ColouredColour(k).name().toStdString() : "none")
            << "a missing picture ends the loading of the task pictures";
    }
    ASSERT_TRUE(f.ClickTask(3));
    const int slot = f.SlotOf(10);
    f.rec.clear();
    ASSERT_TRUE(f.ClickSlot(slot));
    EXPECT_EQ(f.rec.log, Steps({StopSteps("004"), PlaySteps(f.Folder(), "a002")}));
    EXPECT_EQ(f.Marks(), "ooo");
    f.rec.clear();
    ASSERT_TRUE(f.ClickSlot(slot));
    EXPECT_TRUE(f.rec.log.empty());
    EXPECT_EQ(f.Quiz().FoundCount, 1);
}

}  // namespace
