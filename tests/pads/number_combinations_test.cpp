// The ten number-combination boards, one table-driven suite: captions at
// creation and after each order key, the number every button speaks in both
// orders, where the marker goes, the layouts' rows and groups, and the three
// places where members differ.
#include "tests/pads/pads_fixture.h"

#include "lessons/soundboards/number_combinations_lesson.h"
#include "platform/widgets.h"

#include <sstream>
#include <vector>

using namespace testing_support;
using pads_testing::Sound;

namespace {

struct Board {
    const char* className;
    int n;
    const char* folder;
    std::vector<int> groupRows;
    int side;
    const char* ascendingKey;
    const char* descendingKey;
    const char* ascendingSound;
    const char* descendingSound;
    const char* markers;  // in cell order, blank-separated
    bool stopsOnClose;
    bool markerAtCreation;
};

// clang-format off
const Board kBoards[] = {
    {"TFM_ChaiFengYi", 1, "zuheyi/", {2}, 85, "btn_PaiZhenXu", "btn_PaiDaoxu", "zx", "dx",
     "image2 Image20 Image6 Image21", false, true},
    {"TFM_ChaiFengEr", 2, "zuheer/", {2, 1}, 85, "btn_PaiZhenXu", "btn_PaiDaoxu", "zx", "dx",
     "Image2 Image16 Image6 Image20 Image1 Image21", false, true},
    {"TFM_ChaiFengSan", 3, "zuhesan/", {2, 2}, 85, "btn_PaiZhenXu", "btn_PaiDaoxu", "zx", "dx",
     "Image2 Image15 Image6 Image16 Image1 Image20 Image3 Image21", false, true},
    {"TFM_ChaiFengSi", 4, "zuhesi/", {3, 2}, 85, "btn_PaiZhenXu", "btn_PaiDaoxu", "zx", "dx",
     "Image2 Image14 Image6 Image15 Image1 Image16 Image3 Image20 Image9 Image21", false, true},
    {"TFM_ChaiFengWu", 5, "zuhewu/", {3, 3}, 85, "btn_PaiZhenXu", "btn_PaiDaoxu", "zx", "dx",
     "Image2 Image13 Image6 Image14 Image1 Image15 Image3 Image16 Image9 Image20 Image10 Image21", false, true},
    {"TFM_ChaiFengLiu", 6, "zuheliu/", {3, 3, 1}, 85, "btn_PaiZhenXu", "btn_PaiDaoxu", "zx", "dx",
     "Image2 Image8 Image6 Image13 Image1 Image14 Image3 Image15 Image9 Image16 Image10 Image20 Image11 Image21", true,
     true},
    {"TFM_ChaiFengQI", 7, "zuheqi/", {3, 3, 2}, 85, "btn_PaiZhenXu", "btn_PaiDaoxu", "zhenxu", "daoxu",
     "Image2 Image7 Image6 Image8 Image1 Image13 Image3 Image14 Image9 Image15 Image10 Image16 Image11 Image20 "
     "Image12 Image21",
     false, true},
    {"TFM_ChaiFengBa", 8, "zuheba/", {3, 3, 3}, 85, "btn_PaiZhenXu", "btn_PaiDaoxu", "zx", "dx",
     "Image2 Image5 Image6 Image7 Image1 Image8 Image3 Image13 Image9 Image14 Image10 Image15 Image11 Image16 "
     "Image12 Image20 Image17 Image21",
     false, false},
    {"TFM_ChaiFengJiu", 9, "zuhejiu/", {4, 4, 2}, 75, "SpeedButton3", "SpeedButton4", "zx", "dx",
     "Image2 Image4 Image6 Image5 Image1 Image7 Image3 Image8 Image9 Image13 Image10 Image14 Image11 Image15 "
     "Image12 Image16 Image17 Image20 Image18 Image21",
     false, true},
    {"TFM_ChaiFeng", 10, "zuheshi/", {4, 4, 3}, 75, "SpeedButton3", "SpeedButton4", "zhenxu", "daoxu",
     "Image2 Image4 Image6 Image5 Image1 Image7 Image3 Image8 Image9 Image13 Image10 Image14 Image11 Image15 "
     "Image12 Image16 Image17 Image20 Image18 Image21 Image19 Image22",
     false, true},
};
// clang-format on

class BoardFixture : public pads_testing::LessonFixture {
public:
    explicit BoardFixture(const Board& b) : LessonFixture(b.className), board(b)
    {
        std::istringstream in(b.markers);
        for (std::string name; in >> name;)
            markers.push_back(name);
    }

    int Cells() const { return 2 * (board.n + 1); }
    // Row k's left button is cell 2k, its right button 2k + 1.
    std::string Button(int cell) const
    {
        const int row = cell / 2;
        return cell % 2 == 0 ? "btn_" + std::to_string(row) : "btn_b" + std::to_string(board.n - row);
    }
    std::vector<std::string> Captions()
    {
        std::vector<std::string> captions;
        for (int cell = 0; cell < Cells(); ++cell)
            captions.push_back(Text(Button(cell)));
        return captions;
    }
    // What the rows read in an order: ascending k | N - k, descending N - k | k.
    std::vector<std::string> Expected(bool descending) const
    {
        std::vector<std::string> captions;
        for (int cell = 0; cell < Cells(); ++cell) {
            const int row = cell / 2;
            const int ascending = cell % 2 == 0 ? row : board.n - row;
            captions.push_back(std::to_string(descending ? board.n - ascending : ascending));
        }
        return captions;
    }
    // The cells whose marker shows.
    std::set<int> MarkedCells() const
    {
        std::set<int> marked;
        for (int cell = 0; cell < Cells(); ++cell)
            if (Shown(markers[static_cast<size_t>(cell)]))
                marked.insert(cell);
        return marked;
    }
    std::string Folder() const { return LessonFixture::Folder(board.folder); }

    const Board& board;
    std::vector<std::string> markers;
};

class EveryBoard : public testing::TestWithParam<Board> {};

std::string BoardName(const testing::TestParamInfo<Board>& info)
{
    return info.param.className;
}

INSTANTIATE_TEST_SUITE_P(TenMembers, EveryBoard, testing::ValuesIn(kBoards), BoardName);

TEST_P(EveryBoard, CreationReadsAscendingWithTheFirstMarkerAndPlaysTheStartSound)
{
    BoardFixture f(GetParam());
    EXPECT_EQ(f.rec.log, PlaySteps(f.Folder(), "st"));
    EXPECT_EQ(f.Captions(), f.Expected(false));
    EXPECT_EQ(f.MarkedCells(), GetParam().markerAtCreation ? std::set<int>{0} : std::set<int>{});
    EXPECT_EQ(f.markers.size(), static_cast<size_t>(f.Cells()));
}

TEST_P(EveryBoard, EveryButtonSpeaksTheNumberItShowsInBothOrdersAndTakesTheMarker)
{
    const Board& b = GetParam();
    BoardFixture f(b);
    std::string current = "st";
    for (bool descending : {false, true, false}) {
        f.rec.clear();
        ASSERT_TRUE(f.Click(descending ? b.descendingKey : b.ascendingKey));
        const std::string orderSound = descending ? b.descendingSound : b.ascendingSound;
        EXPECT_EQ(f.rec.log, Steps({StopSteps(current), PlaySteps(f.Folder(), orderSound)}));
        current = orderSound;
        ASSERT_EQ(f.Captions(), f.Expected(descending)) << (descending ? "descending" : "ascending");
        for (int cell = 0; cell < f.Cells(); ++cell) {
            const std::string shown = f.Text(f.Button(cell));
            f.rec.clear();
            ASSERT_TRUE(f.Click(f.Button(cell))) << f.Button(cell);
            const std::string spoken = Sound(std::stoi(shown));
            EXPECT_EQ(f.rec.log, Steps({StopSteps(current), PlaySteps(f.Folder(), spoken)}))
                << f.Button(cell) << " showing " << shown;
            current = spoken;
            EXPECT_EQ(f.MarkedCells(), std::set<int>{cell}) << f.Button(cell);
        }
    }
}

TEST_P(EveryBoard, OrderKeysRewriteTheCaptionsAndLeaveTheMarkerWhereItWas)
{
    const Board& b = GetParam();
    BoardFixture f(b);
    const auto layout = f.Captions();
    const int cell = f.Cells() - 1;  // the last row's right button
    ASSERT_TRUE(f.Click(f.Button(cell)));
    ASSERT_TRUE(f.Click(b.descendingKey));
    EXPECT_EQ(f.MarkedCells(), std::set<int>{cell});
    EXPECT_EQ(f.Text(f.Button(cell)), std::to_string(b.n)) << "the right button of row N shows N - 0 = N";
    // The key of the current order again: its sound again, nothing else changes.
    f.rec.clear();
    ASSERT_TRUE(f.Click(b.descendingKey));
    EXPECT_EQ(f.rec.log, Steps({StopSteps(b.descendingSound), PlaySteps(f.Folder(), b.descendingSound)}));
    EXPECT_EQ(f.Captions(), f.Expected(true));
    ASSERT_TRUE(f.Click(b.ascendingKey));
    EXPECT_EQ(f.Captions(), layout) << "ascending restores the layout's captions";
    EXPECT_EQ(f.MarkedCells(), std::set<int>{cell});
}

TEST_P(EveryBoard, TheSameNumberTwiceStartsItsSoundAgain)
{
    const Board& b = GetParam();
    BoardFixture f(b);
    ASSERT_TRUE(f.Click(f.Button(1)));
    f.rec.clear();
    ASSERT_TRUE(f.Click(f.Button(1)));
    EXPECT_EQ(f.rec.log, Steps({StopSteps(Sound(b.n)), PlaySteps(f.Folder(), Sound(b.n))}));
    EXPECT_EQ(f.MarkedCells(), std::set<int>{1});
}

TEST_P(EveryBoard, ClosingByTheSystemSilencesOnlyTheBoardThatStopsOnClose)
{
    const Board& b = GetParam();
    BoardFixture f(b);
    ASSERT_TRUE(f.Click(f.Button(0)));
    f.rec.clear();
    f.Lesson().sendSysCommand(platform::SC_CLOSE);
    EXPECT_EQ(f.rec.log, b.stopsOnClose ? StopSteps("000") : std::vector<std::string>{});
}

TEST_P(EveryBoard, LayoutStandsInItsGroupsOfRowsWithTheMarkersOnTheirButtons)
{
    const Board& b = GetParam();
    BoardFixture f(b);
    int row = 0;
    for (size_t g = 0; g < b.groupRows.size(); ++g) {
        const std::string label = "Label" + std::to_string(g + 1);
        ASSERT_NE(Find(f.Screen(), label), nullptr) << label;
        EXPECT_EQ(f.Text(label), std::to_string(b.n));
        QWidget* top = Find(f.Screen(), f.Button(2 * row));
        for (int i = 0; i < b.groupRows[g]; ++i, ++row) {
            QWidget* left = Find(f.Screen(), f.Button(2 * row));
            QWidget* right = Find(f.Screen(), f.Button(2 * row + 1));
            ASSERT_TRUE(left && right) << "row " << row;
            EXPECT_EQ(left->x(), top->x()) << "row " << row << " in group " << g;
            EXPECT_EQ(right->y(), left->y());
            EXPECT_GT(right->x(), left->x());
            if (i > 0) {
                EXPECT_GT(left->y(), Find(f.Screen(), f.Button(2 * row - 2))->y());
            }
        }
        if (g > 0) {
            EXPECT_GT(top->x(), Find(f.Screen(), f.Button(0))->x());
        }
    }
    EXPECT_EQ(row, b.n + 1);
    // The member's own row says the same as its layout.
    const auto& member = dynamic_cast<soundboards::padboard::NumberCombinationsLesson&>(f.Lesson()).Board();
    EXPECT_EQ(member.buttonSide, b.side);
    for (size_t g = 0; g < member.groupRows.size(); ++g)
        EXPECT_EQ(member.groupRows[g], g < b.groupRows.size() ? b.groupRows[g] : 0) << "group " << g;
    EXPECT_EQ(Find(f.Screen(), "Label" + std::to_string(b.groupRows.size() + 1)), nullptr);
    for (int cell = 0; cell < f.Cells(); ++cell) {
        QWidget* button = Find(f.Screen(), f.Button(cell));
        QWidget* marker = Find(f.Screen(), f.markers[static_cast<size_t>(cell)]);
        ASSERT_NE(marker, nullptr) << f.markers[static_cast<size_t>(cell)];
        EXPECT_EQ(button->size(), QSize(b.side, b.side));
        EXPECT_EQ(marker->size(), QSize(75, 75));
        const QPoint offset = marker->pos() - button->pos();
        EXPECT_TRUE(offset.x() >= 25 && offset.x() <= 50 && offset.y() >= 25 && offset.y() <= 50)
            << f.markers[static_cast<size_t>(cell)] << " lies at " << offset.x() << "," << offset.y();
    }
    EXPECT_EQ(f.Text(b.ascendingKey), "排正序");
    EXPECT_EQ(f.Text(b.descendingKey), "排倒序");
}

TEST(FiveBoard, RightButtonOfRowOneSpeaksWhatItShowsInEitherOrder)
{
    BoardFixture f(kBoards[4]);
    ASSERT_EQ(f.Text("btn_b4"), "4");
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_b4"));
    EXPECT_EQ(f.rec.log, Steps({StopSteps("st"), PlaySteps(f.Folder(), "004")}));
    EXPECT_EQ(f.MarkedCells(), std::set<int>{3});
    ASSERT_TRUE(f.Click("btn_PaiDaoxu"));
    ASSERT_EQ(f.Text("btn_b4"), "1");
    f.rec.clear();
    ASSERT_TRUE(f.Click("btn_b4"));
    EXPECT_EQ(f.rec.log, Steps({StopSteps("dx"), PlaySteps(f.Folder(), "001")}));
}

TEST(TenBoard, TenSpeaksTenAscendingAndZeroDescending)
{
    BoardFixture f(kBoards[9]);
    ASSERT_TRUE(f.Click("btn_10"));
    EXPECT_EQ(f.rec.log.back(), PlaySteps(f.Folder(), "010").back());
    ASSERT_TRUE(f.Click("SpeedButton4"));
    EXPECT_EQ(f.Text("btn_10"), "0");
    ASSERT_TRUE(f.Click("btn_10"));
    EXPECT_EQ(f.rec.log.back(), PlaySteps(f.Folder(), "000").back());
}

// A number whose sound cannot be opened still takes the marker; each
// dropped failure leaves one warning line naming the board.
TEST(ThreeBoard, AFailingNumberSoundStillMovesTheMarker)
{
    BoardFixture f(kBoards[2]);
    pads_testing::FailingMedia failing;  // replaces the fixture's platform while alive
    failing.failing = "OPEN ";
    WarningLog warnings;
    ASSERT_TRUE(f.Click("btn_b1"));
    EXPECT_EQ(f.MarkedCells(), std::set<int>{5});
    ASSERT_TRUE(f.Click("btn_1"));
    EXPECT_EQ(f.MarkedCells(), std::set<int>{2});
    EXPECT_EQ(warnings.lines.size(), 2u);
    EXPECT_TRUE(pads_testing::AllNameTheScreen(warnings.lines, "TFM_ChaiFengSan"));
}

}  // namespace
