// The calculator pads driven key by key: every legal expression of both pads
// with its sounds, pause, result and counters; the keys the operator leaves
// open; the edge cases of the entry states; and the layouts' key orders.
#include "tests/pads/pads_fixture.h"

#include "platform/widgets.h"

#include <algorithm>
#include <vector>

using namespace testing_support;
using pads_testing::FailingMedia;
using pads_testing::Sound;

namespace {

struct Pad {
    const char* className;
    const char* folder;
    const char* operatorSound;
    bool subtract;
    std::array<int, 9> keyOrder;  // top row first
    bool tenthCell;
    int panelWidth;
};

const Pad kSubtraction{"TFM_JianFa", "jjcc/jian/", "jian", true, {9, 8, 7, 6, 5, 4, 3, 2, 1}, false, 485};
const Pad kAddition{"TFM_JiaFa", "jjcc/jia/", "jia", false, {1, 2, 3, 4, 5, 6, 7, 8, 9}, true, 497};
const Pad* const kPads[] = {&kSubtraction, &kAddition};

using Cells = std::set<int>;
// The counters of 0..10; the first operand's grid draws 4 differently.
const Cells kFirstGrid[] = {{},
                            {5},
                            {4, 6},
                            {4, 5, 6},
                            {4, 6, 7, 9},
                            {2, 4, 6, 7, 9},
                            {4, 5, 6, 7, 8, 9},
                            {2, 4, 5, 6, 7, 8, 9},
                            {1, 2, 3, 4, 6, 7, 8, 9},
                            {1, 2, 3, 4, 5, 6, 7, 8, 9}};
const Cells kOtherGrids[] = {{},
                             {5},
                             {4, 6},
                             {4, 5, 6},
                             {5, 7, 8, 9},
                             {2, 4, 6, 7, 9},
                             {4, 5, 6, 7, 8, 9},
                             {2, 4, 5, 6, 7, 8, 9},
                             {1, 2, 3, 4, 6, 7, 8, 9},
                             {1, 2, 3, 4, 5, 6, 7, 8, 9},
                             {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}};

std::string Key(int d)
{
    return "btn_" + std::to_string(d);
}

class PadFixture : public pads_testing::LessonFixture {
public:
    explicit PadFixture(const Pad& p) : LessonFixture(p.className), pad(p) {}

    std::string Folder() const { return LessonFixture::Folder(pad.folder); }
    // Shown cells of grid g (1..10 in the addition result grid).
    Cells Grid(int g) const { return ShownNumbered("img_" + std::to_string(g) + "a", 10); }
    // The display labels that are shown with something written on them.
    Cells ShowingText()
    {
        Cells showing;
        for (int i : ShownNumbered("lb_", 5))
            if (!Text("lb_" + std::to_string(i)).empty())
                showing.insert(i);
        return showing;
    }
    // Digit keys shown, and whether each key's picture goes with it.
    Cells OpenKeys() const
    {
        Cells open;
        for (int d = 1; d <= 9; ++d) {
            const bool key = Shown(Key(d));
            EXPECT_EQ(Shown(d == 1 ? "img_a1" : "Img_a" + std::to_string(d)), key) << "picture of key " << d;
            if (key)
                open.insert(d);
        }
        return open;
    }
    std::vector<std::string> Play(const std::string& stopped, const std::string& name) const
    {
        return Steps({StopSteps(stopped), PlaySteps(Folder(), name)});
    }

    const Pad& pad;
};

Cells Keys(int first, int last)
{
    Cells keys;
    for (int d = first; d <= last; ++d)
        keys.insert(d);
    return keys;
}

// --- every legal expression ------------------------------------------------

struct Expression {
    const Pad* pad;
    int a, b;
    int result() const { return pad->subtract ? a - b : a + b; }
};

std::vector<Expression> AllExpressions()
{
    std::vector<Expression> all;
    for (const Pad* pad : kPads)
        for (int a = 1; a <= 9; ++a)
            for (int b = 1; b <= 9; ++b)
                if (pad->subtract ? b <= a : a + b <= 10)
                    all.push_back({pad, a, b});
    return all;
}

class EveryExpression : public testing::TestWithParam<Expression> {};

TEST_P(EveryExpression, SpeaksEachKeyPausesAndShowsTheResultWithItsCounters)
{
    const Expression& e = GetParam();
    PadFixture f(*e.pad);
    ASSERT_EQ(f.rec.log, PlaySteps(f.Folder(), "st"));
    f.rec.clear();

    ASSERT_TRUE(f.Click(Key(e.a)));
    ASSERT_TRUE(f.Click("btn_jia"));
    // The operator leaves open the keys of a legal second operand only.
    EXPECT_EQ(f.OpenKeys(), e.pad->subtract ? Keys(1, e.a) : Keys(1, 10 - e.a));
    ASSERT_TRUE(f.Click(Key(e.b)));
    ASSERT_TRUE(f.Click("btn_dengyu"));

    const std::string r = Sound(e.result());
    EXPECT_EQ(f.rec.log, Steps({f.Play("st", Sound(e.a)),
                                f.Play(Sound(e.a), e.pad->operatorSound),
                                f.Play(e.pad->operatorSound, Sound(e.b)),
                                f.Play(Sound(e.b), "dy"),
                                {SleepLine(1000)},
                                f.Play("dy", r)}));
    EXPECT_EQ(f.Text("lb_1"), std::to_string(e.a));
    EXPECT_EQ(f.Text("lb_3"), std::to_string(e.b));
    EXPECT_EQ(f.Text("lb_5"), std::to_string(e.result()));
    EXPECT_EQ(f.ShownNumbered("lb_", 5), (Cells{1, 2, 3, 4, 5}));
    EXPECT_EQ(f.Grid(1), kFirstGrid[e.a]);
    EXPECT_EQ(f.Grid(2), kOtherGrids[e.b]);
    EXPECT_EQ(f.Grid(3), kOtherGrids[e.result()]);
    EXPECT_EQ(f.OpenKeys(), Keys(1, 9));
}

std::string ExpressionName(const testing::TestParamInfo<Expression>& info)
{
    const Expression& e = info.param;
    return std::string(e.pad->subtract ? "Sub" : "Add") + std::to_string(e.a) + "_" + std::to_string(e.b);
}

INSTANTIATE_TEST_SUITE_P(BothPads, EveryExpression, testing::ValuesIn(AllExpressions()), ExpressionName);

// --- edge cases, for both pads ---------------------------------------------

class PadCase : public testing::TestWithParam<const Pad*> {};

std::string PadName(const testing::TestParamInfo<const Pad*>& info)
{
    return info.param->className;
}

INSTANTIATE_TEST_SUITE_P(BothPads, PadCase, testing::ValuesIn(kPads), PadName);

TEST_P(PadCase, CreationShowsAnEmptyDisplayAndEveryKey)
{
    PadFixture f(*GetParam());
    EXPECT_EQ(f.ShownNumbered("lb_", 5), Cells{});
    for (int g = 1; g <= 3; ++g)
        EXPECT_EQ(f.Grid(g), Cells{}) << "grid " << g;
    EXPECT_EQ(f.OpenKeys(), Keys(1, 9));
    EXPECT_EQ(f.Text("lb_2"), GetParam()->subtract ? "-" : "+");
    EXPECT_EQ(f.Text("lb_4"), "=");
}

TEST_P(PadCase, OperatorAndEqualsDoNothingUntilTheirOperandsAreThere)
{
    PadFixture f(*GetParam());
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_jia"));
    ASSERT_TRUE(f.Click("btn_dengyu"));
    EXPECT_EQ(f.rec.log, std::vector<std::string>{}) << "before any digit";
    EXPECT_FALSE(f.Shown("lb_2"));

    ASSERT_TRUE(f.Click("btn_1"));
    ASSERT_TRUE(f.Click("btn_jia"));
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_dengyu"));
    EXPECT_EQ(f.rec.log, std::vector<std::string>{}) << "equals before the second operand";
    EXPECT_FALSE(f.Shown("lb_4"));

    ASSERT_TRUE(f.Click("btn_1"));
    ASSERT_TRUE(f.Click("btn_dengyu"));
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_jia"));
    ASSERT_TRUE(f.Click("btn_dengyu"));
    EXPECT_EQ(f.rec.log, std::vector<std::string>{}) << "right after a result";
}

TEST_P(PadCase, ASecondDigitReplacesTheOperand)
{
    PadFixture f(*GetParam());
    ASSERT_TRUE(f.Click("btn_3"));
    ASSERT_TRUE(f.Click("btn_5"));
    EXPECT_EQ(f.Text("lb_1"), "5");
    EXPECT_EQ(f.Grid(1), kFirstGrid[5]);
    ASSERT_TRUE(f.Click("btn_jia"));
    ASSERT_TRUE(f.Click("btn_2"));
    ASSERT_TRUE(f.Click("btn_1"));
    EXPECT_EQ(f.Text("lb_3"), "1");
    EXPECT_EQ(f.Grid(2), kOtherGrids[1]);
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_dengyu"));
    const int result = GetParam()->subtract ? 4 : 6;
    EXPECT_EQ(f.rec.log.back(), PlaySteps(f.Folder(), Sound(result)).back());
    EXPECT_EQ(f.Text("lb_5"), std::to_string(result));
}

TEST_P(PadCase, TheOperatorAgainRepeatsItsSoundAndKeepsTheSecondOperand)
{
    PadFixture f(*GetParam());
    ASSERT_TRUE(f.Click("btn_4"));
    ASSERT_TRUE(f.Click("btn_jia"));
    ASSERT_TRUE(f.Click("btn_2"));
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_jia"));
    EXPECT_EQ(f.rec.log, f.Play("002", GetParam()->operatorSound));
    EXPECT_EQ(f.Text("lb_3"), "2");
    EXPECT_EQ(f.OpenKeys(), GetParam()->subtract ? Keys(1, 4) : Keys(1, 6));
    ASSERT_TRUE(f.Click("btn_dengyu"));
    EXPECT_EQ(f.Text("lb_5"), GetParam()->subtract ? "2" : "6");
}

TEST_P(PadCase, ADigitAfterAResultStartsAFreshExpression)
{
    PadFixture f(*GetParam());
    ASSERT_TRUE(f.Press({"btn_5", "btn_jia", "btn_4", "btn_dengyu", "btn_7"}));
    EXPECT_EQ(f.Text("lb_1"), "7");
    EXPECT_EQ(f.Text("lb_3"), "");
    EXPECT_EQ(f.Text("lb_5"), "");
    EXPECT_EQ(f.ShowingText(), Cells{1});
    EXPECT_EQ(f.Grid(1), kFirstGrid[7]);
    EXPECT_EQ(f.Grid(2), Cells{});
    EXPECT_EQ(f.Grid(3), Cells{});
    // And it goes on as a first operand.
    ASSERT_TRUE(f.Click("btn_jia"));
    ASSERT_TRUE(f.Click("btn_1"));
    ASSERT_TRUE(f.Click("btn_dengyu"));
    EXPECT_EQ(f.Text("lb_5"), GetParam()->subtract ? "6" : "8");
}

TEST_P(PadCase, ClearBeforeAnyResultLeavesTheDisplayEmptyAndOpensEveryKey)
{
    PadFixture f(*GetParam());
    ASSERT_TRUE(f.Click("btn_2"));
    ASSERT_TRUE(f.Click("btn_jia"));
    ASSERT_TRUE(f.Click("btn_1"));
    ASSERT_NE(f.OpenKeys(), Keys(1, 9)) << "the subtraction pad hides 3..9 here, the addition pad none";
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_clear"));
    EXPECT_EQ(f.rec.log, f.Play("001", "qling"));
    EXPECT_EQ(f.ShownNumbered("lb_", 5), Cells{});
    for (int g = 1; g <= 3; ++g)
        EXPECT_EQ(f.Grid(g), Cells{}) << "grid " << g;
    EXPECT_EQ(f.OpenKeys(), Keys(1, 9));
    // Nothing of the wiped expression is left: equals does nothing.
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_dengyu"));
    ASSERT_TRUE(f.Click("btn_jia"));
    EXPECT_EQ(f.rec.log, std::vector<std::string>{});
}

TEST_P(PadCase, ClearAfterAResultShowsZeroInTheResultPlace)
{
    PadFixture f(*GetParam());
    ASSERT_TRUE(f.Press({"btn_3", "btn_jia", "btn_1", "btn_dengyu", "btn_clear"}));
    EXPECT_EQ(f.ShownNumbered("lb_", 5), Cells{5});
    EXPECT_EQ(f.Text("lb_5"), "0");
    for (int g = 1; g <= 3; ++g)
        EXPECT_EQ(f.Grid(g), Cells{}) << "grid " << g;
    EXPECT_EQ(f.OpenKeys(), Keys(1, 9));
}

TEST_P(PadCase, HiddenKeysComeBackOnlyAfterEqualsOrClear)
{
    // The first operand that leaves only the key 1: 1 - 1, 9 + 1.
    const std::string first = GetParam()->subtract ? "btn_1" : "btn_9";
    PadFixture f(*GetParam());
    ASSERT_TRUE(f.Click(first));
    ASSERT_TRUE(f.Click("btn_jia"));
    EXPECT_EQ(f.OpenKeys(), Keys(1, 1));
    ASSERT_TRUE(f.Click("btn_1"));
    ASSERT_TRUE(f.Click("btn_jia"));
    EXPECT_EQ(f.OpenKeys(), Keys(1, 1)) << "a digit and the operator again";
    EXPECT_FALSE(f.Click("btn_2")) << "a hidden key takes no click";
    ASSERT_TRUE(f.Click("btn_dengyu"));
    EXPECT_EQ(f.OpenKeys(), Keys(1, 9));
}

// A sound that fails does not keep the equals key from showing its result.
TEST_P(PadCase, AFailingSoundStillShowsTheResultAndItsCounters)
{
    PadFixture f(*GetParam());
    FailingMedia failing(f.rec.exe);  // replaces the fixture's platform while alive
    ASSERT_TRUE(f.Press({"btn_6", "btn_jia", "btn_3"}));
    failing.failing = "OPEN ";
    WarningLog warnings;
    ASSERT_TRUE(f.Click("btn_dengyu"));
    EXPECT_EQ(warnings.lines.size(), 2u) << "\"dy\" and the result";
    EXPECT_TRUE(pads_testing::AllNameTheScreen(warnings.lines, GetParam()->className));
    const int result = GetParam()->subtract ? 3 : 9;
    EXPECT_EQ(f.Text("lb_5"), std::to_string(result));
    EXPECT_EQ(f.Grid(3), kOtherGrids[result]);
    const std::string tried = "ALIAS " + Sound(result);
    EXPECT_TRUE(std::any_of(failing.log.begin(), failing.log.end(), [&](const std::string& line) {
        return line.find(tried) != std::string::npos;
    })) << "the result sound is tried after the failing \"dy\"";
    failing.failing.clear();
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_2")) << "the pad goes on";
    EXPECT_EQ(f.Text("lb_1"), "2");
}

// The operator's own sound failing still shows its sign, after the keys are limited.
TEST_P(PadCase, AFailingOperatorSoundStillShowsTheSign)
{
    PadFixture f(*GetParam());
    FailingMedia failing(f.rec.exe);
    ASSERT_TRUE(f.Click("btn_7"));
    failing.failing = "OPEN ";
    WarningLog warnings;
    ASSERT_TRUE(f.Click("btn_jia"));
    EXPECT_TRUE(f.Shown("lb_2"));
    EXPECT_EQ(f.OpenKeys(), GetParam()->subtract ? Keys(1, 7) : Keys(1, 3));
    EXPECT_EQ(warnings.lines.size(), 1u);
    EXPECT_TRUE(pads_testing::AllNameTheScreen(warnings.lines, GetParam()->className));
    failing.failing.clear();
    ASSERT_TRUE(f.Press({"btn_2", "btn_dengyu"}));
    EXPECT_EQ(f.Text("lb_5"), GetParam()->subtract ? "5" : "9");
}

// A stop that fails leaves every sound unplayed, yet the result and its
// counters show and the keys open again.
TEST_P(PadCase, AFailingStopStillShowsTheResult)
{
    PadFixture f(*GetParam());
    FailingMedia failing(f.rec.exe);
    ASSERT_TRUE(f.Press({"btn_5", "btn_jia", "btn_2"}));
    failing.failing = "CLOSE ";
    WarningLog warnings;
    ASSERT_TRUE(f.Click("btn_dengyu"));
    const int result = GetParam()->subtract ? 3 : 7;
    EXPECT_EQ(f.Text("lb_5"), std::to_string(result));
    EXPECT_TRUE(f.Shown("lb_4"));
    EXPECT_EQ(f.Grid(3), kOtherGrids[result]);
    EXPECT_EQ(f.OpenKeys(), Keys(1, 9));
    EXPECT_FALSE(warnings.lines.empty());
    EXPECT_TRUE(pads_testing::AllNameTheScreen(warnings.lines, GetParam()->className));
    EXPECT_TRUE(std::find(failing.log.begin(), failing.log.end(), SleepLine(1000)) != failing.log.end());
}

// --- the pads' own edge cases ----------------------------------------------

TEST(SubtractionPad, NineMinusNineSpeaksZeroAndShowsNoCounters)
{
    PadFixture f(kSubtraction);
    ASSERT_TRUE(f.Press({"btn_9", "btn_jia"}));
    EXPECT_EQ(f.OpenKeys(), Keys(1, 9)) << "9 leaves every key open";
    ASSERT_TRUE(f.Click("btn_9"));
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_dengyu"));
    EXPECT_EQ(f.rec.log.back(), PlaySteps(f.Folder(), "000").back());
    EXPECT_EQ(f.Text("lb_5"), "0");
    EXPECT_TRUE(f.Shown("lb_5"));
    EXPECT_EQ(f.Grid(3), Cells{});
}

TEST(AdditionPad, NinePlusOneSpeaksTenAndShowsTheTenthCell)
{
    PadFixture f(kAddition);
    ASSERT_TRUE(f.Press({"btn_9", "btn_jia"}));
    EXPECT_EQ(f.OpenKeys(), Keys(1, 1));
    ASSERT_TRUE(f.Click("btn_1"));
    ASSERT_TRUE(f.Click("btn_dengyu"));
    EXPECT_EQ(f.rec.log.back(), PlaySteps(f.Folder(), "010").back());
    EXPECT_EQ(f.Text("lb_5"), "10");
    EXPECT_EQ(f.Grid(3), Keys(1, 10));
    // A smaller result afterwards hides the tenth cell again.
    ASSERT_TRUE(f.Press({"btn_4", "btn_jia", "btn_4", "btn_dengyu"}));
    EXPECT_EQ(f.Grid(3), kOtherGrids[8]);
}

// --- layouts ---------------------------------------------------------------

TEST_P(PadCase, LayoutPutsTheKeysInTheirOrderOverTheirPictures)
{
    const Pad& pad = *GetParam();
    PadFixture f(pad);
    for (int i = 0; i < 9; ++i) {
        const int d = pad.keyOrder[static_cast<size_t>(i)];
        QWidget* key = Find(f.Screen(), Key(d));
        ASSERT_NE(key, nullptr);
        QWidget* picture = Find(f.Screen(), d == 1 ? "img_a1" : "Img_a" + std::to_string(d));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(key->geometry(), picture->geometry()) << "key " << d;
        EXPECT_EQ(key->size(), QSize(100, 90));
        EXPECT_EQ(f.Text(Key(d)), std::to_string(d));
        // Row-major: the key after it in the order stands right of it or on the next row.
        if (i % 3 != 0) {
            QWidget* before = Find(f.Screen(), Key(pad.keyOrder[static_cast<size_t>(i - 1)]));
            EXPECT_EQ(key->y(), before->y());
            EXPECT_GT(key->x(), before->x());
        } else if (i > 0) {
            QWidget* above = Find(f.Screen(), Key(pad.keyOrder[static_cast<size_t>(i - 3)]));
            EXPECT_EQ(key->x(), above->x());
            EXPECT_GT(key->y(), above->y());
        }
    }
    for (const auto& [key, picture] :
         {std::pair{"btn_jia", "img_jia"}, {"btn_dengyu", "Img_dy"}, {"btn_clear", "Image4"}})
        EXPECT_EQ(Find(f.Screen(), key)->geometry(), Find(f.Screen(), picture)->geometry()) << key;
    EXPECT_EQ(Find(f.Screen(), "Panel1")->width(), pad.panelWidth);
    EXPECT_EQ(Find(f.Screen(), pad.subtract ? "Image1" : "Image3")->size(), QSize(480, 169));
    EXPECT_EQ(Find(f.Screen(), "img_3a10") != nullptr, pad.tenthCell);
    if (pad.tenthCell) {
        const QRect tenth = Find(f.Screen(), "img_3a10")->geometry();
        const QRect middle = Find(f.Screen(), "img_3a2")->geometry();
        EXPECT_EQ(tenth.x(), middle.x());
        EXPECT_LT(tenth.bottom(), middle.top());
    }
    // Grid cells are row-major: cell 1 2 3 is the top row.
    for (int g = 1; g <= 3; ++g) {
        const std::string p = "img_" + std::to_string(g) + "a";
        EXPECT_EQ(Find(f.Screen(), p + "2")->y(), Find(f.Screen(), p + "1")->y());
        EXPECT_GT(Find(f.Screen(), p + "4")->y(), Find(f.Screen(), p + "1")->y());
        EXPECT_EQ(Find(f.Screen(), p + "4")->x(), Find(f.Screen(), p + "1")->x());
    }
}

}  // namespace
