// The pair-match screens as a kid meets them: the state at creation, what a
// top click and a page change do (and where the three lessons differ), the
// page buttons, the marks' look, the tile pictures, a visit through the
// menu's launcher, and the screens rendered with the real pictures.
#include "app/Main_Form.h"
#include "tests/games/pair_match_harness.h"
#include "tests/support/launch_driver.h"

#include <QDir>
#include <QTimer>

using namespace pair_test;
using testing_support::Click;
using testing_support::FindAs;
using testing_support::Steps;
using testing_support::StopSteps;

namespace {

class PairScreens : public ::testing::TestWithParam<const Lesson*>, public PairFixture {};

TEST_P(PairScreens, CreationPlaysStartAndShowsTheFirstPage)
{
    const Lesson& l = *GetParam();
    open(l);
    // Find the food's player stops even when nothing is open.
    const auto stopFirst = l.className == "TFM_ZhaoShiWu" ? StopSteps("") : std::vector<std::string>{};
    EXPECT_EQ(rec.log, Steps({stopFirst, play("st")}));
    EXPECT_EQ(screen->CurrentSoundAlias, "st");
    EXPECT_EQ(marks(), kNoMarks);
    EXPECT_EQ(markers(), "10000");
    EXPECT_FALSE(enabled("btn_lastpage"));
    EXPECT_TRUE(enabled("btn_nextpage"));
    EXPECT_EQ(screen->windowTitle().toStdString(), catalogue::FindLessonEntry(l.className)->windowCaption);
}

TEST_P(PairScreens, TopClickMovesTheMarkerAndNamesTheItem)
{
    const Lesson& l = *GetParam();
    open(l);
    const int last = l.pages() - 1;
    for (int p = 0; p < last; ++p)
        ASSERT_TRUE(Click(screen.get(), "btn_nextpage"));
    std::string current = l.next;
    for (int s : {3, 0, 4, 4}) {
        rec.clear();
        ASSERT_TRUE(clickTop(s));
        const std::string& sound = l.topSound[static_cast<size_t>(last)][static_cast<size_t>(s)];
        // The same item twice: its sound starts over.
        EXPECT_EQ(rec.log, Steps({StopSteps(current), play(sound)})) << l.className << " slot " << s;
        EXPECT_EQ(markers(),
                  std::string(static_cast<size_t>(s), '0') + "1" + std::string(static_cast<size_t>(4 - s), '0'));
        current = sound;
    }
}

TEST_P(PairScreens, TopClickAfterAnAnswerClearsTheMarkUnlessFindingFood)
{
    const Lesson& l = *GetParam();
    open(l);
    const int wrong = bottomSlotOf(l.partner[0][2]);
    ASSERT_TRUE(clickBottom(wrong));
    ASSERT_TRUE(clickTop(1));
    const bool keeps = l.className == "TFM_ZhaoShiWu";
    EXPECT_EQ(marks(), keeps ? MarkedRow(wrong, "×") : kNoMarks) << l.className;
    // The next answer replaces the kept mark.
    const int right = bottomSlotOf(l.partner[0][1]);
    ASSERT_TRUE(clickBottom(right));
    EXPECT_EQ(marks(), MarkedRow(right, "√"));
}

TEST_P(PairScreens, PageChangeResetsSelectionMarksAndPlaysThePageSound)
{
    const Lesson& l = *GetParam();
    open(l);
    ASSERT_TRUE(clickTop(3));
    ASSERT_TRUE(clickBottom(bottomSlotOf(l.partner[0][0])));
    const std::string before = screen->CurrentSoundAlias;
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), "btn_nextpage"));
    EXPECT_EQ(rec.log, Steps({StopSteps(before), play(l.next)}));
    EXPECT_EQ(marks(), kNoMarks);
    EXPECT_EQ(markers(), "10000");
    // The selection is back on the first item of the new page.
    const int right = bottomSlotOf(l.partner[1][0]);
    ASSERT_TRUE(clickBottom(right));
    EXPECT_EQ(marks(), MarkedRow(right, "√"));

    ASSERT_TRUE(clickTop(4));
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), "btn_lastpage"));
    EXPECT_EQ(rec.log, Steps({StopSteps(l.topSound[1][4]), play(l.previous)}));
    EXPECT_EQ(marks(), kNoMarks);
    EXPECT_EQ(markers(), "10000");
    EXPECT_EQ(topCaption(0), l.top[0][0]);
    ASSERT_TRUE(clickBottom(bottomSlotOf(l.partner[0][0])));
    EXPECT_EQ(marks(), MarkedRow(bottomSlotOf(l.partner[0][0]), "√"));
}

TEST_P(PairScreens, PageButtonsStopAtBothEnds)
{
    const Lesson& l = *GetParam();
    open(l);
    for (int page = 1; page < l.pages(); ++page) {
        ASSERT_TRUE(Click(screen.get(), "btn_nextpage"));
        EXPECT_EQ(enabled("btn_nextpage"), page < l.pages() - 1) << "page " << page;
        EXPECT_TRUE(enabled("btn_lastpage")) << "page " << page;
        EXPECT_EQ(topCaption(0), l.top[static_cast<size_t>(page)][0]);
    }
    EXPECT_FALSE(Click(screen.get(), "btn_nextpage"));
    for (int page = l.pages() - 2; page >= 0; --page) {
        ASSERT_TRUE(Click(screen.get(), "btn_lastpage"));
        EXPECT_TRUE(enabled("btn_nextpage")) << "page " << page;
        EXPECT_EQ(enabled("btn_lastpage"), page > 0) << "page " << page;
    }
    EXPECT_FALSE(Click(screen.get(), "btn_lastpage"));
    EXPECT_EQ(topCaption(0), l.top[0][0]);
}

TEST_P(PairScreens, MarksAreLargeBoldAndColoured)
{
    const Lesson& l = *GetParam();
    open(l);
    const QColor colour = l.className == "TFM_ShuZiPeiDui" ? QColor(0, 255, 0) : QColor(255, 0, 255);
    for (int k = 0; k < 5; ++k) {
        auto* label = FindAs<platform::TLabel>(screen.get(), Name("lb", k));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pixelSize(), 96);
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->textColor(), colour);
        EXPECT_TRUE(label->isVisible());
    }
}

TEST_P(PairScreens, BackButtonStopsTheSoundAndCloses)
{
    const Lesson& l = *GetParam();
    open(l);
    ASSERT_TRUE(clickTop(2));
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), "btn_backlasmenu"));
    EXPECT_EQ(rec.log, StopSteps(l.topSound[0][2]));
    EXPECT_FALSE(screen->isVisible());
}

INSTANTIATE_TEST_SUITE_P(AllThree, PairScreens, ::testing::ValuesIn(kLessons),
                         [](const auto& info) { return info.param->className; });

class PairPictures : public ::testing::Test, public PairFixture {
protected:
    std::string shown(const std::string& image) const
    {
        auto* img = FindAs<platform::TImage>(screen.get(), image);
        return img ? testing_support::CentreColour(img->picture()) : "no image";
    }
    static std::string colourOf(const std::string& picture)
    {
        return testing_support::CentreColour(platform::loadPictureResource(picture));
    }
    static std::string number(int n)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%03d", n);
        return text;
    }
};

TEST_F(PairPictures, NumeralTilesAreLoadedAtCreation)
{
    open(NumeralMatch());
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(shown(Name("img", k)), colourOf("SZPDT001"));
        EXPECT_EQ(shown(Name("imgb", k)), colourOf("SZPDT002"));
    }
}

TEST_F(PairPictures, EachAnimalAndFoodShowsItsOwnPicture)
{
    open(FindFood());
    for (int page = 0; page < 3; ++page) {
        if (page > 0) {
            ASSERT_TRUE(Click(screen.get(), "btn_nextpage"));
        }
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(shown(Name("imga", i)), colourOf("ZSWT" + number(page * 5 + i + 1)));
            // The food's picture goes with its caption wherever the shuffle put it.
            const int k = bottomSlotOf(FindFood().partner[static_cast<size_t>(page)][static_cast<size_t>(i)]);
            ASSERT_GE(k, 0);
            EXPECT_EQ(shown(Name("imgb", k)), colourOf("ZSWTB" + number(page * 5 + i + 1)));
        }
    }
}

TEST_F(PairPictures, MissingPictureEndsTheRedrawButNotThePageSound)
{
    pictures.remove("ZSWT007");
    open(FindFood());
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), "btn_nextpage"));
    EXPECT_EQ(rec.log, Steps({StopSteps("st"), play("n")}));
    EXPECT_EQ(topCaption(0), "熊猫");
    EXPECT_EQ(topCaption(1), "小猫");
    EXPECT_EQ(topCaption(2), "小狗");  // the redraw stopped at the missing picture
    EXPECT_TRUE(enabled("btn_lastpage"));
}

// One visit through the menu's launcher.
// The screens with the program's own pictures, saved for a look.
TEST(PairRender, ScreensShowTheirPictures)
{
    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media{rec};
    games::RegisterLessons();
    for (const Lesson* l : kLessons) {
        std::unique_ptr<frame::LessonScreen> screen((*frame::FindLesson(l->className))());
        screen->Create();
        screen->show();
        for (const char* image : {"Image1", "imgb1", "imgb5"}) {
            auto* img = FindAs<platform::TImage>(screen.get(), image);
            ASSERT_NE(img, nullptr) << image;
            EXPECT_TRUE(img->hasPicture()) << l->className << " " << image;
        }
        testing_support::SaveShot(screen.get(), l->className);
        // And with an answer marked.
        ASSERT_TRUE(Click(screen.get(), "btn_a2"));
        ASSERT_TRUE(Click(screen.get(), "btn_b1"));
        testing_support::SaveShot(screen.get(), l->className + "_answered");
    }
}

}  // namespace
