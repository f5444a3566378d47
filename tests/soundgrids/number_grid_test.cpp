// The two number grids: captions and tiles of both arrangements, the sound
// of every button in each, the step markers that pile up until an
// arrangement key clears them, and a caption table's stray blank.
#include "lessons/soundboards/number_grid_lesson.h"
#include "platform/widgets.h"
#include "tests/soundgrids/soundgrids_harness.h"

#include <array>

using namespace soundgrids_test;
using testing_support::Steps;
using testing_support::StopSteps;

namespace {

const char* const kWords[] = {"one",     "two",     "three",     "four",     "five",     "six",      "seven",
                              "eight",   "nine",    "ten",       "eleven",   "twelve",   "thirteen", "fourteen",
                              "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};

struct NumberGrid {
    std::string className, folder;
    int rows, columns;
    bool words;
    bool maximised;
    std::string tile[2], marker[2];  // pictures by arrangement

    int cells() const { return rows * columns; }
    std::string button(int cell) const
    {
        return "btn_" + std::string(1, static_cast<char>('a' + cell / columns)) + std::to_string(cell % columns + 1);
    }
    // The number a cell shows: row by row, or column by column.
    int number(int arrangement, int cell) const
    {
        const int row = cell / columns, column = cell % columns;
        return arrangement == 0 ? cell + 1 : column * rows + row + 1;
    }
    std::string caption(int arrangement, int cell) const
    {
        const int n = number(arrangement, cell);
        if (!words)
            return std::to_string(n);
        return std::string(kWords[n - 1]) + (n == 13 && arrangement == 0 ? " " : "");
    }
};

const NumberGrid kDigits{"TFM_VoiceOfShuYiBai",   "s20/", 4, 5, false, true, {"S20T001", "S20T002"},
                         {"S20TT001", "S20TT002"}};
const NumberGrid kEnglish{"TFM_ShuShanShi_YingWen",    "s20yw/", 5, 4, true, false, {"S20YWT001", "S20YWT002"},
                          {"S20YWTT001", "S20YWTT002"}};
const NumberGrid* const kNumberGrids[] = {&kDigits, &kEnglish};

const QColor kFirst(200, 30, 30), kSecond(30, 30, 200);

// Both grids' pictures, in one colour per arrangement.
class NumberGridFixture : public LessonFixture {
public:
    NumberGridFixture()
    {
        for (const NumberGrid* g : kNumberGrids)
            for (int a = 0; a < 2; ++a) {
                pictures.add(g->tile[a], 8, 8, a == 0 ? kFirst : kSecond);
                pictures.add(g->marker[a], 8, 8, a == 0 ? kFirst : kSecond);
            }
    }
};

class NumberGrids : public ::testing::TestWithParam<const NumberGrid*>, public NumberGridFixture {
protected:
    const NumberGrid& g() const { return *GetParam(); }
    void open() { LessonFixture::open(g().className, g().folder); }
    std::string pictureOf(const std::string& image) const
    {
        auto* img = testing_support::FindAs<platform::TImage>(screen.get(), image);
        return img && img->hasPicture() ? testing_support::CentreColour(img->picture()) : "none";
    }
    static std::string upper(const std::string& s) { return QString::fromStdString(s).toUpper().toStdString(); }
    static std::string colour(int arrangement) { return (arrangement == 0 ? kFirst : kSecond).name().toStdString(); }
    // Which markers show, in cell order: "0100...".
    std::string markers() const
    {
        std::string s;
        for (int k = 1; k <= 20; ++k)
            s += shown("imgb" + std::to_string(k)) ? '1' : '0';
        return s;
    }
    void expectArrangement(int arrangement)
    {
        for (int cell = 0; cell < g().cells(); ++cell) {
            EXPECT_EQ(text(g().button(cell)), g().caption(arrangement, cell)) << g().button(cell);
            EXPECT_EQ(pictureOf("Image" + std::to_string(cell + 1)), colour(arrangement)) << cell;
        }
        EXPECT_EQ(dynamic_cast<soundboards::NumberGridLesson&>(*screen).Arrangement, arrangement);
    }
};

TEST_P(NumberGrids, CreationPlaysTheStartAndLaysOutRowByRow)
{
    open();
    EXPECT_EQ(rec.log, play("st"));
    expectArrangement(0);
    EXPECT_EQ(markers(), std::string(20, '0'));
}

TEST_P(NumberGrids, EveryButtonPlaysTheNumberItShowsInBothArrangements)
{
    open();
    std::string current = "st";
    for (int arrangement : {1, 0, 1}) {
        const char* key = arrangement == 0 ? "SpeedButton1" : "btn_LastPage";
        const char* sound = arrangement == 0 ? "hp" : "zp";
        EXPECT_EQ(click(key), Steps({StopSteps(current), play(sound)})) << key;
        current = sound;
        expectArrangement(arrangement);
        for (int cell = 0; cell < g().cells(); ++cell) {
            const std::string expected = ThreeDigits(g().number(arrangement, cell));
            EXPECT_EQ(click(g().button(cell)), Steps({StopSteps(current), play(expected)}))
                << g().button(cell) << " in arrangement " << arrangement;
            current = expected;
        }
    }
}

TEST_P(NumberGrids, MarkersPileUpUntilEitherKeyClearsThem)
{
    open();
    int inForce = 0;
    for (const char* key : {"SpeedButton1", "btn_LastPage", "btn_LastPage"}) {
        std::string expected(20, '0');
        for (int cell : {7, 0, 19, 7}) {
            click(g().button(cell));
            expected[static_cast<size_t>(cell)] = '1';
            EXPECT_EQ(markers(), expected);
            EXPECT_EQ(pictureOf("imgb" + std::to_string(cell + 1)), colour(inForce));
        }
        EXPECT_EQ(dynamic_cast<soundboards::NumberGridLesson&>(*screen).CellIndex, 7);
        // A key re-captions even when its arrangement is already in force.
        const int arrangement = std::string(key) == "SpeedButton1" ? 0 : 1;
        testing_support::FindAs<platform::TSpeedButton>(screen.get(), g().button(0))->setText("?");
        EXPECT_EQ(click(key),
                  Steps({StopSteps(ThreeDigits(g().number(inForce, 7))), play(arrangement == 0 ? "hp" : "zp")}))
            << key;
        EXPECT_EQ(markers(), std::string(20, '0')) << key;
        expectArrangement(arrangement);
        inForce = arrangement;
    }
}

TEST_P(NumberGrids, SecondButtonOfRowAAfterVerticalShowsItsNumber)
{
    open();
    click("btn_LastPage");
    EXPECT_EQ(text("btn_a2"), g().words ? "six" : "5");
    EXPECT_EQ(click("btn_a2"), Steps({StopSteps("zp"), play(g().words ? "006" : "005")}));
    // The same button twice: its number again, its one marker.
    EXPECT_EQ(click("btn_a2"), Steps({StopSteps(g().words ? "006" : "005"), play(g().words ? "006" : "005")}));
    std::string expected(20, '0');
    expected[1] = '1';
    EXPECT_EQ(markers(), expected);
}

// A missing picture leaves its images empty and says so once, naming the
// screen and the picture; the lesson goes on.
TEST_P(NumberGrids, AMissingPictureStillOpensTheLessonWithOneWarning)
{
    pictures.remove(g().tile[0]);
    pictures.remove(g().marker[0]);
    testing_support::WarningLog warnings;
    open();
    EXPECT_EQ(rec.log, play("st"));
    EXPECT_EQ(text("btn_a1"), g().caption(0, 0));
    EXPECT_EQ(pictureOf("Image1"), "none");
    ASSERT_EQ(warnings.lines.size(), 1u);
    EXPECT_NE(warnings.lines[0].find(g().className), std::string::npos) << warnings.lines[0];
    EXPECT_NE(upper(warnings.lines[0]).find(g().tile[0]), std::string::npos) << warnings.lines[0];
    EXPECT_EQ(click("btn_a1"), Steps({StopSteps("st"), play("001")}));
    EXPECT_TRUE(shown("imgb1"));
    ASSERT_EQ(warnings.lines.size(), 2u);
    EXPECT_NE(upper(warnings.lines[1]).find(g().marker[0]), std::string::npos) << warnings.lines[1];
    // The other arrangement's pictures are there.
    click("btn_LastPage");
    EXPECT_EQ(pictureOf("Image1"), colour(1));
    EXPECT_EQ(warnings.lines.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Both, NumberGrids, ::testing::ValuesIn(kNumberGrids),
                         [](const auto& info) { return info.param->className; });

class NumberGridCases : public ::testing::Test, public NumberGridFixture {};

TEST_F(NumberGridCases, DigitsCellSixIsBtnB1)
{
    open(kDigits.className, kDigits.folder);
    EXPECT_EQ(text("btn_b1"), "6");
    EXPECT_EQ(click("btn_b1"), Steps({StopSteps("st"), play("006")}));
    EXPECT_TRUE(shown("imgb6"));
    auto& lesson = dynamic_cast<soundboards::NumberGridLesson&>(*screen);
    EXPECT_EQ(lesson.CellIndex, 5);
    EXPECT_EQ(lesson.Number, 6);
}

// The digits' sound follows the caption shown, whatever the cell.
TEST_F(NumberGridCases, DigitsSoundIsParsedFromTheCaption)
{
    open(kDigits.className, kDigits.folder);
    testing_support::FindAs<platform::TSpeedButton>(screen.get(), "btn_a1")->setText("17");
    EXPECT_EQ(click("btn_a1"), Steps({StopSteps("st"), play("017")}));
}

// A caption that is none of the grid's numbers ends the click where it is
// read: no marker, no sound, the last number kept, one warning line.
TEST_F(NumberGridCases, DigitsCaptionThatIsNoNumberEndsTheClick)
{
    open(kDigits.className, kDigits.folder);
    click("btn_a3");
    for (const char* caption : {"x", "0", "21", ""}) {
        testing_support::FindAs<platform::TSpeedButton>(screen.get(), "btn_b2")->setText(caption);
        testing_support::WarningLog warnings;
        EXPECT_EQ(click("btn_b2"), std::vector<std::string>{}) << caption;
        EXPECT_FALSE(shown("imgb7")) << caption;
        EXPECT_EQ(screen->CurrentSoundAlias, "003");
        EXPECT_EQ(dynamic_cast<soundboards::NumberGridLesson&>(*screen).Number, 3);
        ASSERT_EQ(warnings.lines.size(), 1u) << caption;
        EXPECT_NE(warnings.lines[0].find(kDigits.className), std::string::npos) << warnings.lines[0];
    }
}

TEST_F(NumberGridCases, ThirteenKeepsItsBlankOnlyInRows)
{
    open(kEnglish.className, kEnglish.folder);
    EXPECT_EQ(text("btn_d1"), "thirteen ");
    EXPECT_EQ(click("btn_d1"), Steps({StopSteps("st"), play("013")}));
    click("btn_LastPage");
    EXPECT_EQ(text("btn_c3"), "thirteen");
    EXPECT_EQ(click("btn_c3"), Steps({StopSteps("zp"), play("013")}));
}

}  // namespace
