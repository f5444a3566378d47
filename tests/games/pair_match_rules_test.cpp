// The pair-match quizzes' rules: the fixed-seed shuffle of the bottom row,
// every answer check over all pairs of every page, the ordered feedback
// sounds with their pauses, and clicks made during a pause.
#include "lessons/games/game_vocabulary.h"
#include "lessons/games/pair_match_tables.h"
#include "tests/games/pair_match_harness.h"
#include "tests/support/reference_random.h"

#include <QCoreApplication>
#include <QTimer>

#include <set>

using namespace pair_test;
using testing_support::Steps;
using testing_support::StopSteps;

namespace {

// The draw written out independently: Random(6) until 1..5 and unused.
std::vector<int> ExpectedShuffle(uint32_t seed)
{
    testing_support::ReferenceRandom random{seed};
    auto random6 = [&random] { return random.below(6); };
    std::vector<int> order;
    bool used[6] = {};
    for (int slot = 0; slot < 5; ++slot) {
        int x = random6();
        while (x < 1 || used[x])
            x = random6();
        used[x] = true;
        order.push_back(x);
    }
    return order;
}

const uint32_t kSeeds[] = {0u, 1u, 0x12345678u, 0x9E3779B9u, 0xFFFFFFFFu, 424242u};

TEST(ShuffleBottomRow, FixedSeedGivesTheDrawnOrder)
{
    testing_support::RecordingPlatform rec;
    for (uint32_t seed : kSeeds) {
        rec.counter = seed;
        EXPECT_EQ(games::ShuffleBottomRow(5), ExpectedShuffle(seed)) << "seed " << seed;
    }
}

// Each call reseeds from the counter, so different counters give the kid
// different rows.
TEST(ShuffleBottomRow, SeedsGiveDifferentOrders)
{
    testing_support::RecordingPlatform rec;
    std::set<std::vector<int>> orders;
    for (uint32_t seed : kSeeds) {
        rec.counter = seed;
        orders.insert(games::ShuffleBottomRow(5));
    }
    EXPECT_GT(orders.size(), 3u);
}

class PairMatchRules : public ::testing::TestWithParam<const Lesson*>, public PairFixture {
protected:
    void goToPage(int page)
    {
        for (int p = 0; p < page; ++p)
            ASSERT_TRUE(testing_support::Click(screen.get(), "btn_nextpage"));
    }
};

TEST_P(PairMatchRules, EveryPageDealsItsPartnersInTheSeededOrder)
{
    const Lesson& l = *GetParam();
    rec.counter = kSeeds[2];
    open(l);
    for (int page = 0; page < l.pages(); ++page) {
        if (page > 0) {
            rec.counter = kSeeds[static_cast<size_t>(page) % std::size(kSeeds)];
            ASSERT_TRUE(testing_support::Click(screen.get(), "btn_nextpage"));
        }
        const std::vector<int> order = ExpectedShuffle(static_cast<uint32_t>(rec.counter));
        Row expected;
        for (int k = 0; k < 5; ++k)
            expected[static_cast<size_t>(k)] =
                l.partner[static_cast<size_t>(page)][static_cast<size_t>(order[static_cast<size_t>(k)] - 1)];
        EXPECT_EQ(bottomRow(), expected) << l.className << " page " << page;
        for (int s = 0; s < 5; ++s)
            EXPECT_EQ(topCaption(s), l.top[static_cast<size_t>(page)][static_cast<size_t>(s)])
                << l.className << " page " << page;
    }
}

TEST_P(PairMatchRules, EachTopItemIsRightExactlyForItsPartner)
{
    const Lesson& l = *GetParam();
    open(l);
    for (int page = 0; page < l.pages(); ++page) {
        if (page > 0) {
            ASSERT_TRUE(testing_support::Click(screen.get(), "btn_nextpage"));
        }
        for (int s = 0; s < 5; ++s) {
            int rightSlots = 0;
            for (int k = 0; k < 5; ++k) {
                ASSERT_TRUE(clickTop(s));
                ASSERT_TRUE(clickBottom(k));
                const bool right = bottomCaption(k) == l.partner[static_cast<size_t>(page)][static_cast<size_t>(s)];
                rightSlots += right;
                EXPECT_EQ(marks(), MarkedRow(k, right ? "√" : "×"))
                    << l.className << " page " << page << " top " << topCaption(s) << " bottom " << bottomCaption(k);
            }
            EXPECT_EQ(rightSlots, 1) << l.className << " page " << page << " top " << s;
        }
    }
}

TEST_P(PairMatchRules, BottomClickBeforeAnyTopClickChecksTheFirstItem)
{
    const Lesson& l = *GetParam();
    open(l);
    const int right = bottomSlotOf(l.partner[0][0]);
    const int wrong = bottomSlotOf(l.partner[0][1]);
    ASSERT_TRUE(clickBottom(wrong));
    EXPECT_EQ(marks(), MarkedRow(wrong, "×"));
    ASSERT_TRUE(clickBottom(right));
    EXPECT_EQ(marks(), MarkedRow(right, "√"));
    ASSERT_TRUE(clickBottom(right));  // the same click again repeats the same answer
    EXPECT_EQ(marks(), MarkedRow(right, "√"));
}

INSTANTIATE_TEST_SUITE_P(AllThree, PairMatchRules, ::testing::ValuesIn(kLessons),
                         [](const auto& info) { return info.param->className; });

// The sounds of one answer, "" standing for the pause between two of them.
struct FeedbackCase {
    const Lesson* lesson;
    int page;
    int top;
    std::string clicked;
    std::vector<std::string> heard;
};

// clang-format off
const FeedbackCase kFeedback[] = {
    {&LetterMatch(), 0, 0, "a", {"yes", "", "gz"}},
    {&LetterMatch(), 0, 0, "c", {"no"}},
    {&LetterMatch(), 5, 0, "z", {"yes", "", "gz"}},
    {&LetterMatch(), 5, 1, "a", {"yes", "", "gz"}},
    {&NumeralMatch(), 0, 2, "叁", {"003", "", "y", "", "gz"}},
    {&NumeralMatch(), 0, 1, "贰", {"002", "", "y", "", "gz"}},
    {&NumeralMatch(), 0, 1, "叁", {"003", "", "no"}},
    {&NumeralMatch(), 1, 4, "拾", {"010", "", "y", "", "gz"}},
    {&NumeralMatch(), 1, 0, "柒", {"007", "", "no"}},
    {&FindFood(), 0, 1, "青蛙", {"b002", "", "yes", "", "gz"}},  // the frog as the snake's food
    {&FindFood(), 0, 0, "青蛙", {"b002", "", "no"}},             // the frog does not eat frogs
    {&FindFood(), 0, 0, "虫子", {"b001", "", "yes", "", "gz"}},
    {&FindFood(), 1, 2, "小鱼", {"b007", "", "no"}},             // 小鱼 is the cat's food
    {&FindFood(), 1, 2, "蚯蚓", {"b008", "", "yes", "", "gz"}},
    {&FindFood(), 2, 4, "毛毛虫", {"b015", "", "yes", "", "gz"}},
    {&FindFood(), 2, 0, "小飞虫", {"b012", "", "no"}},
};
// clang-format on

class AnswerSounds : public ::testing::TestWithParam<FeedbackCase>, public PairFixture {};

TEST_P(AnswerSounds, PlayInOrderWithTheirPauses)
{
    const FeedbackCase& c = GetParam();
    open(*c.lesson);
    for (int p = 0; p < c.page; ++p)
        ASSERT_TRUE(testing_support::Click(screen.get(), "btn_nextpage"));
    ASSERT_TRUE(clickTop(c.top));
    const int slot = bottomSlotOf(c.clicked);
    ASSERT_GE(slot, 0) << c.clicked;
    rec.clear();
    ASSERT_TRUE(clickBottom(slot));

    std::vector<std::string> expected;
    std::string current = c.lesson->topSound[static_cast<size_t>(c.page)][static_cast<size_t>(c.top)];
    for (const std::string& sound : c.heard) {
        if (sound.empty()) {
            expected.push_back(sleepLine());
            continue;
        }
        expected = Steps({expected, StopSteps(current), play(sound)});
        current = sound;
    }
    EXPECT_EQ(rec.log, expected);
    EXPECT_EQ(screen->CurrentSoundAlias, current);
    const bool right = c.heard.back() == "gz";
    EXPECT_EQ(marks(), MarkedRow(slot, right ? "√" : "×"));
}

INSTANTIATE_TEST_SUITE_P(Cases, AnswerSounds, ::testing::ValuesIn(kFeedback));

TEST(NumberValueSound, NamesOneToTenAndTheApplause)
{
    const std::pair<int, std::string> cases[] = {
        {1, "001"}, {3, "003"}, {9, "009"}, {10, "010"}, {11, "gz"}, {0, ""}, {12, ""}, {-1, ""}, {100, ""},
    };
    for (const auto& [value, name] : cases)
        EXPECT_EQ(games::NumberValueSound(value), name) << value;
}

class FeedbackPauseTest : public ::testing::Test, public PairFixture {};

TEST_F(FeedbackPauseTest, ClickDuringThePauseIsHandledAfterTheAnswer)
{
    open(LetterMatch());
    const int right = bottomSlotOf("a");
    const int wrong = bottomSlotOf("b");
    int pauses = 0;
    rec.duringSleep = [&] {
        if (pauses++ == 0)
            QTimer::singleShot(0, [&] { clickBottom(wrong); });
    };
    rec.clear();
    ASSERT_TRUE(clickBottom(right));
    // The window did not react during the pause: only the first answer ran.
    EXPECT_EQ(rec.log, Steps({StopSteps("st"), play("yes"), {sleepLine()}, StopSteps("yes"), play("gz")}));
    EXPECT_EQ(marks(), MarkedRow(right, "√"));

    QCoreApplication::processEvents();
    EXPECT_EQ(
        rec.log,
        Steps(
            {StopSteps("st"), play("yes"), {sleepLine()}, StopSteps("yes"), play("gz"), StopSteps("gz"), play("no")}));
    EXPECT_EQ(marks(), MarkedRow(wrong, "×"));
}

TEST(AnswerFeedback, SequencesOfEachShape)
{
    struct Case {
        bool right;
        games::FeedbackSounds sounds;
        std::vector<std::string> heard;
    } cases[] = {
        {true, {"yes", "gz", "no", false, false}, {"yes", "sleep 1000", "gz"}},
        {false, {"yes", "gz", "no", false, false}, {"no"}},
        {true, {"y", "gz", "no", true, false}, {"item", "sleep 1000", "y", "sleep 1000", "gz"}},
        {false, {"y", "gz", "no", true, false}, {"no"}},
        {false, {"yes", "gz", "no", true, true}, {"item", "sleep 1000", "no"}},
    };
    for (const Case& c : cases) {
        testing_support::RecordingPlatform rec;
        games::AnswerFeedback(c.right, "item", c.sounds, [&rec](const std::string& name) { rec.log.push_back(name); });
        EXPECT_EQ(rec.log, c.heard);
    }
}

}  // namespace
