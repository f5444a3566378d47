// The find-the-rule answers: every candidate of a question checked, with the
// ordered sounds, the recorded pause and the marks the kid sees; right, then
// wrong, then right again for each lesson's gap-picture rule; "10" as a value
// like the others; "下一组" while a sound plays; the instruction click.
#include "platform/widgets.h"
#include "tests/patterns/pattern_harness.h"

#include <QEvent>
#include <QTest>

#include <algorithm>

using namespace pattern_test;
using testing_support::Steps;

namespace {

class Answers : public ::testing::TestWithParam<const Lesson*>, public QuizFixture {
protected:
    std::vector<std::string> rightSounds(const std::string& before) const
    {
        return Steps({stop(before), play("yes"), {testing_support::SleepLine(1000)}, stop("yes"), play("gz")});
    }
    std::vector<std::string> wrongSounds(const std::string& before) const { return Steps({stop(before), play("no")}); }
    std::string thumb(int gapPosition) const { return gapPosition == 0 ? "img_ok" : "img_ok2"; }
    std::string gapLabel(const Question& q) const { return lesson->gapLabels[static_cast<size_t>(q.gapPosition)]; }
    std::string gapPicture(const Question& q) const
    {
        return lesson->pictures ? lesson->gapPictures[static_cast<size_t>(q.gapPosition)] : "";
    }
    // Which orange squares show, as "0100".
    std::string squares() const
    {
        std::string s;
        for (const std::string& name : kSquares)
            s += shows(name) ? '1' : '0';
        return s;
    }
    void expectAnswered(const Question& q, const std::string& where)
    {
        if (lesson->pictures) {
            EXPECT_EQ(value(gapPicture(q)), q.answer) << where;
            EXPECT_TRUE(shows(gapPicture(q))) << where;
            EXPECT_EQ(text(gapLabel(q)), "") << where;
        } else {
            EXPECT_EQ(text(gapLabel(q)), q.answer) << where;
        }
        EXPECT_TRUE(shows(thumb(q.gapPosition))) << where;
        EXPECT_FALSE(shows("img_jian")) << where;
        EXPECT_TRUE(shows("img_jian2")) << where;
    }
    void expectOpenWithCross(const Question& q, const std::string& where)
    {
        EXPECT_EQ(text(gapLabel(q)), "×") << where;
        EXPECT_FALSE(shows("img_ok")) << where;
        EXPECT_FALSE(shows("img_ok2")) << where;
        EXPECT_TRUE(shows("img_jian")) << where;
        EXPECT_FALSE(shows("img_jian2")) << where;
    }
};

TEST_P(Answers, EveryCandidateIsCheckedWithItsSoundsAndMarks)
{
    const Lesson& l = *GetParam();
    for (uint32_t seed : {3u, 0xABCDEFu}) {
        open(l, seed);
        const Question q = ExpectedQuestion(l.rule, seed);
        std::string current = "st";
        for (int j : {0, 1, 2, 3}) {
            const std::string where = l.className + " seed " + std::to_string(seed) + " candidate " + std::to_string(j);
            rec.clear();
            ASSERT_TRUE(click(kButtons[static_cast<size_t>(j)])) << where;
            const bool right = j == q.rightCandidate();
            EXPECT_EQ(rec.log, right ? rightSounds(current) : wrongSounds(current)) << where;
            current = right ? "gz" : "no";
            if (right)
                expectAnswered(q, where);
            else
                expectOpenWithCross(q, where);
            // The number lessons' orange square follows the last click.
            if (!l.pictures)
                EXPECT_EQ(squares(), std::string("0000").replace(static_cast<size_t>(j), 1, "1")) << where;
            else
                EXPECT_EQ(squares(), "1111") << where;
        }
    }
}

TEST_P(Answers, RightThenWrongThenRightFollowsTheGapPictureRule)
{
    const Lesson& l = *GetParam();
    constexpr uint32_t kSeed = 4242;
    open(l, kSeed);
    const Question q = ExpectedQuestion(l.rule, kSeed);
    const std::string right = kButtons[static_cast<size_t>(q.rightCandidate())];
    const std::string wrong = kButtons[static_cast<size_t>((q.rightCandidate() + 1) % 4)];

    ASSERT_TRUE(click(right));
    expectAnswered(q, "first right");
    rec.clear();
    ASSERT_TRUE(click(wrong));
    EXPECT_EQ(rec.log, wrongSounds("gz"));
    expectOpenWithCross(q, "wrong after right");
    if (l.pictures) {
        const std::string gap = gapPicture(q);
        switch (l.wrongGap) {
        case WrongGap::Keep:  // the fruit stays under the "×"
            EXPECT_TRUE(shows(gap));
            EXPECT_EQ(value(gap), q.answer);
            break;
        case WrongGap::Hide:
            EXPECT_FALSE(shows(gap));
            break;
        case WrongGap::Empty:
            EXPECT_TRUE(shows(gap));
            EXPECT_EQ(value(gap), "");
            break;
        case WrongGap::EmptyTile:
            EXPECT_TRUE(shows(gap));
            EXPECT_EQ(value(gap), "tile");
            break;
        case WrongGap::None:
            ADD_FAILURE() << "a picture lesson without a gap-picture rule";
        }
    }
    rec.clear();
    ASSERT_TRUE(click(right));
    EXPECT_EQ(rec.log, rightSounds("no"));
    expectAnswered(q, "right again");
    // Twice right: the same feedback again.
    rec.clear();
    ASSERT_TRUE(click(right));
    EXPECT_EQ(rec.log, rightSounds("gz"));
    expectAnswered(q, "right twice");
}

TEST_P(Answers, AWrongAnswerBeforeAnyRightOneLeavesTheGapEmpty)
{
    const Lesson& l = *GetParam();
    open(l, 9);
    const Question q = ExpectedQuestion(l.rule, 9);
    ASSERT_TRUE(click(kButtons[static_cast<size_t>((q.rightCandidate() + 2) % 4)]));
    expectOpenWithCross(q, "wrong first");
    if (l.pictures) {
        const std::string gap = gapPicture(q);
        const std::string expected = l.wrongGap == WrongGap::EmptyTile ? "tile" : "";
        EXPECT_EQ(value(gap), expected);
        EXPECT_EQ(shows(gap), l.wrongGap != WrongGap::Hide);
    }
}

TEST_P(Answers, NextGroupStopsTheSoundShowsTheNewQuestionThenSaysSo)
{
    const Lesson& l = *GetParam();
    open(l, 11);
    const Question first = ExpectedQuestion(l.rule, 11);
    ASSERT_TRUE(click(kButtons[static_cast<size_t>(first.rightCandidate())]));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
    // Paints of the question's first place go into the log, to show when
    // the new question reaches the screen.
    struct PaintLog : QObject {
        std::vector<std::string>* log = nullptr;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                log->push_back("painted");
            return false;
        }
    } painted;
    painted.log = &rec.log;
    testing_support::Find(screen.get(), l.question[0])->installEventFilter(&painted);
    rec.clear();
    rec.counter = 12;
    ASSERT_TRUE(click("btn_once"));
    testing_support::Find(screen.get(), l.question[0])->removeEventFilter(&painted);

    // The playing "gz" is stopped first; the number ABB lesson leaves the stop
    // to its player, which also silences the system sound player.
    const std::vector<std::string> paint{"painted"};
    const auto expected =
        l.silencesSystemSound ? Steps({paint, stop("gz"), play("n_g")}) : Steps({stop("gz"), paint, play("n_g")});
    EXPECT_EQ(rec.log, expected);
    const Question next = ExpectedQuestion(l.rule, 12);
    Question got = shown();
    EXPECT_EQ(got.question, next.question);
    EXPECT_EQ(got.candidates, next.candidates);
    // Back to the open state.
    EXPECT_EQ(text(gapLabel(next)), "?");
    EXPECT_FALSE(shows("img_ok"));
    EXPECT_FALSE(shows("img_ok2"));
    EXPECT_FALSE(shows("img_jian2"));
    EXPECT_TRUE(shows("img_jian"));
    EXPECT_EQ(squares(), l.pictures ? "1111" : "0000");
    if (l.rule == Rule::ABB && l.pictures) {
        EXPECT_FALSE(shows(l.gapPictures[0]));  // hidden until the next right answer
    }
    // And the new question answers.
    rec.clear();
    ASSERT_TRUE(click(kButtons[static_cast<size_t>(next.rightCandidate())]));
    EXPECT_EQ(rec.log, rightSounds("n_g"));
    expectAnswered(next, "after next group");
}

TEST_P(Answers, ClickingTheInstructionReplaysItOnlyInTheAnimalAbabLesson)
{
    const Lesson& l = *GetParam();
    open(l, 5);
    ASSERT_TRUE(click("btn_b5"));
    const std::string current = screen->CurrentSoundAlias;
    rec.clear();
    ASSERT_TRUE(click("Label1"));
    EXPECT_EQ(rec.log, l.replaysStart ? Steps({stop(current), play("st")}) : std::vector<std::string>{});
}

TEST_P(Answers, BackStopsTheSoundWithTheLessonsOwnStopper)
{
    const Lesson& l = *GetParam();
    open(l, 5);
    rec.clear();
    ASSERT_TRUE(click("btn_backlasmenu"));
    EXPECT_EQ(rec.log, stop("st"));
    EXPECT_FALSE(screen->isVisible());
}

INSTANTIATE_TEST_SUITE_P(AllSix, Answers, ::testing::ValuesIn(AllLessons()),
                         [](const auto& info) { return info.param->className; });

class FailingCheck : public ::testing::TestWithParam<const Lesson*>, public QuizFixture {};

// A right answer whose picture can no longer be loaded stops the check there:
// the gap stays open, no sound plays, and one warning line names the screen.
TEST_P(FailingCheck, StopsWhereThePictureIsMissing)
{
    const Lesson& l = *GetParam();
    constexpr uint32_t kSeed = 31;
    open(l, kSeed);
    const Question q = ExpectedQuestion(l.rule, kSeed);
    pictures.remove(picture(std::stoi(q.answer)));
    testing_support::WarningLog warnings;
    rec.clear();
    ASSERT_TRUE(click(kButtons[static_cast<size_t>(q.rightCandidate())]));
    EXPECT_EQ(rec.log, std::vector<std::string>{});
    ASSERT_EQ(warnings.lines.size(), 1u);
    EXPECT_EQ(warnings.lines[0].rfind(l.className + ": ", 0), 0u) << warnings.lines[0];
    // Nothing changed: still the state the screen opened with.
    EXPECT_TRUE(shows("img_jian"));
    EXPECT_EQ(shows("img_jian2"), l.handAtStart);
    EXPECT_FALSE(shows(q.gapPosition == 0 ? "img_ok" : "img_ok2"));
    EXPECT_EQ(text(l.gapLabels[static_cast<size_t>(q.gapPosition)]), l.openingMark);
    // A wrong candidate still answers.
    rec.clear();
    ASSERT_TRUE(click(kButtons[static_cast<size_t>((q.rightCandidate() + 1) % 4)]));
    EXPECT_EQ(rec.log, Steps({stop("st"), play("no")}));
}

INSTANTIATE_TEST_SUITE_P(Pictures, FailingCheck,
                         ::testing::Values(&FruitAbb(), &AnimalAbb(), &FruitAbab(), &AnimalAbab()),
                         [](const auto& info) { return info.param->className; });

class Ten : public ::testing::TestWithParam<const Lesson*>, public QuizFixture {};

// "10" is shown, compared and written into the gap as the text "10".
TEST_P(Ten, TenIsAValueLikeTheOthers)
{
    const Lesson& l = *GetParam();
    const uint32_t seed = SeedWithAnswer(l.rule, "10");
    open(l, seed);
    const Question q = ExpectedQuestion(l.rule, seed);
    const std::string button = kButtons[static_cast<size_t>(q.rightCandidate())];
    EXPECT_EQ(text(button), "10");
    rec.clear();
    ASSERT_TRUE(click(button));
    EXPECT_EQ(rec.log, Steps({stop("st"), play("yes"), {testing_support::SleepLine(1000)}, stop("yes"), play("gz")}));
    EXPECT_EQ(text(l.gapLabels[static_cast<size_t>(q.gapPosition)]), "10");
    // "1" is not "10": a question whose answer is "1" with "10" among the candidates.
    uint32_t one = 1;
    Question q1;
    for (;; ++one) {
        q1 = ExpectedQuestion(l.rule, one);
        if (q1.answer == "1" && std::count(q1.candidates.begin(), q1.candidates.end(), "10") == 1)
            break;
    }
    rec.counter = one;
    ASSERT_TRUE(click("btn_once"));
    const auto ten = std::find(q1.candidates.begin(), q1.candidates.end(), "10") - q1.candidates.begin();
    rec.clear();
    ASSERT_TRUE(click(kButtons[static_cast<size_t>(ten)]));
    EXPECT_EQ(rec.log, Steps({stop("n_g"), play("no")}));
    EXPECT_EQ(text(l.gapLabels[static_cast<size_t>(q1.gapPosition)]), "×");
}

INSTANTIATE_TEST_SUITE_P(Numbers, Ten, ::testing::Values(&NumberAbb(), &NumberAbab()),
                         [](const auto& info) { return info.param->className; });

}  // namespace
