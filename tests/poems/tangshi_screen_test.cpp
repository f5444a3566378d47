// The Tang poems screen as a kid meets it: the first page, the page walk
// with the keys' states, every title button of every page reciting its poem
// and filling the reading box, paging over a shown poem, and the reading
// box's look.
#include "lessons/soundboards/form_Tangshi.h"
#include "lessons/soundboards/tangshi_tables.h"
#include "platform/widgets.h"
#include "tests/poems/poems_harness.h"

#include <QApplication>
#include <QFontInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

using namespace poems_test;
using testing_support::Steps;
using testing_support::StopSteps;

namespace {

class Tangshi : public ::testing::Test, public LessonFixture {
protected:
    void SetUp() override { open("TFM_tangshi", "tangshi/"); }

    TFM_tangshi& lesson() const { return dynamic_cast<TFM_tangshi&>(*screen); }
    platform::TMemo* memo() const { return testing_support::FindAs<platform::TMemo>(screen.get(), "Memo1"); }
    std::vector<std::string> memoLines() const
    {
        std::vector<std::string> lines;
        const QTextDocument* doc = memo()->document();
        if (doc->isEmpty())
            return lines;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            lines.push_back(b.text().toStdString());
        return lines;
    }
    void goTo(int page)
    {
        while (lesson().PageIndex() < page)
            ASSERT_TRUE(click("btn_NextPage"));
        while (lesson().PageIndex() > page)
            ASSERT_TRUE(click("btn_LastPage"));
    }
    std::vector<std::string> captions() const
    {
        std::vector<std::string> c;
        for (const char* b : kButtonsBySlot)
            c.push_back(text(b));
        return c;
    }
    static std::vector<std::string> titlesOf(int page)
    {
        std::vector<std::string> c;
        for (int slot = 0; slot < 8; ++slot)
            c.push_back(soundboards::PoemAt(page, slot)->title);
        return c;
    }
};

TEST_F(Tangshi, OpensOnPageZeroWithAnEmptyReadingBox)
{
    EXPECT_EQ(rec.log, play("st"));
    EXPECT_EQ(screen->CurrentSoundAlias, "st");
    EXPECT_EQ(lesson().PageIndex(), 0);
    EXPECT_EQ(lesson().PoemSlot, 0);
    EXPECT_EQ(text("btn_a1"), "登鹳鹊楼");
    EXPECT_EQ(text("btn_d2"), "枫桥夜泊");
    EXPECT_EQ(captions(), titlesOf(0));
    EXPECT_FALSE(enabled("btn_LastPage"));
    EXPECT_TRUE(enabled("btn_NextPage"));
    EXPECT_EQ(text("Label1"), "");
    EXPECT_TRUE(memoLines().empty());
    EXPECT_EQ(screen->windowTitle().toStdString(), "唐诗精选");
}

TEST_F(Tangshi, PageWalkThereAndBackWithTheKeysStates)
{
    for (int page = 1; page <= 8; ++page) {
        rec.clear();
        ASSERT_TRUE(click("btn_NextPage")) << page;
        EXPECT_EQ(lesson().PageIndex(), page);
        EXPECT_EQ(enabled("btn_NextPage"), page < 8) << page;
        EXPECT_TRUE(enabled("btn_LastPage")) << page;
        EXPECT_EQ(captions(), titlesOf(page));
        EXPECT_EQ(rec.log, Steps({StopSteps(page == 1 ? "st" : "n"), play("n")}));
    }
    EXPECT_FALSE(click("btn_NextPage"));
    for (int page = 7; page >= 0; --page) {
        rec.clear();
        ASSERT_TRUE(click("btn_LastPage")) << page;
        EXPECT_EQ(lesson().PageIndex(), page);
        EXPECT_TRUE(enabled("btn_NextPage")) << page;
        EXPECT_EQ(enabled("btn_LastPage"), page > 0) << page;
        EXPECT_EQ(captions(), titlesOf(page));
        EXPECT_EQ(rec.log, Steps({StopSteps(page == 7 ? "n" : "l"), play("l")}));
    }
    EXPECT_FALSE(click("btn_LastPage"));
}

// Every button of every page: its recitation from the grid, its caption as
// the title, its text's lines in the box.
TEST_F(Tangshi, EveryTitleRecitesItsPoemAndShowsItsLines)
{
    std::string current = "st";
    for (int page = 0; page < 9; ++page) {
        goTo(page);
        current = screen->CurrentSoundAlias;
        for (int slot = 0; slot < 8; ++slot) {
            const std::string button = kButtonsBySlot[static_cast<size_t>(slot)];
            const std::string caption = text(button);
            rec.clear();
            ASSERT_TRUE(click(button));
            const std::string sound = ExpectedSound(page, slot);
            EXPECT_EQ(rec.log, Steps({StopSteps(current), play(sound)})) << "page " << page << " " << button;
            EXPECT_EQ(lesson().PoemSlot, slot);
            EXPECT_EQ(text("Label1"), caption);
            EXPECT_EQ(memoLines(), soundboards::PoemLines(soundboards::PoemAt(page, slot)->text)) << caption;
            current = sound;
        }
    }
}

TEST_F(Tangshi, TheFirstPoemAndTheOneWithAMissingLineEnd)
{
    ASSERT_TRUE(click("btn_a1"));
    EXPECT_EQ(screen->CurrentSoundAlias, "001");
    EXPECT_EQ(text("Label1"), "登鹳鹊楼");
    EXPECT_EQ(memoLines(), (std::vector<std::string>{"白日依山尽,", "黄河入海流.", "欲穷千里目,", "更上一层楼."}));
    goTo(1);
    ASSERT_TRUE(click("btn_c2"));
    EXPECT_EQ(screen->CurrentSoundAlias, "048");
    EXPECT_EQ(memoLines(),
              (std::vector<std::string>{"秦时明月汉时关,", "万里长征人未还.但使龙城飞将在,", "不教胡马渡阴山."}));
}

TEST_F(Tangshi, ASecondClickRestartsTheRecitationWithoutDoublingTheLines)
{
    goTo(1);
    ASSERT_TRUE(click("btn_b2"));
    const auto lines = memoLines();
    ASSERT_EQ(lines.size(), 4u);
    rec.clear();
    ASSERT_TRUE(click("btn_b2"));
    EXPECT_EQ(rec.log, Steps({StopSteps("003"), play("003")}));
    EXPECT_EQ(text("Label1"), "春晓");
    EXPECT_EQ(memoLines(), lines);
}

TEST_F(Tangshi, PagingStopsTheRecitationButKeepsTheReadingBox)
{
    goTo(1);
    ASSERT_TRUE(click("btn_a2"));  // 江雪
    const auto lines = memoLines();
    rec.clear();
    ASSERT_TRUE(click("btn_NextPage"));
    EXPECT_EQ(rec.log, Steps({StopSteps("014"), play("n")}));
    EXPECT_EQ(text("Label1"), "江雪");
    EXPECT_EQ(memoLines(), lines);
    EXPECT_NE(text("btn_a2"), "江雪");
    EXPECT_EQ(lesson().PoemSlot, 4);
    rec.clear();
    ASSERT_TRUE(click("btn_LastPage"));
    EXPECT_EQ(rec.log, Steps({StopSteps("n"), play("l")}));
    EXPECT_EQ(memoLines(), lines);
}

TEST_F(Tangshi, BackButtonStopsTheRecitationAndCloses)
{
    ASSERT_TRUE(click("btn_d1"));
    rec.clear();
    ASSERT_TRUE(click("btn_backlasmenu"));
    EXPECT_EQ(rec.log, StopSteps("010"));
    EXPECT_FALSE(screen->isVisible());
}

// The box takes no input, yet reads green on white in its CJK face, centred.
TEST_F(Tangshi, ReadingBoxLooksAndBehaves)
{
    platform::TMemo* box = memo();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(box->size(), QSize(165, 273));
    EXPECT_EQ(box->palette().color(QPalette::Disabled, QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(box->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(box->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(box->font().family(), QStringLiteral("隶书"));
    EXPECT_TRUE(QFontInfo(box->font()).family().contains(QStringLiteral("CJK")))
        << QFontInfo(box->font()).family().toStdString();
    EXPECT_EQ(box->pixelSize(), 21);
    ASSERT_TRUE(click("btn_a1"));
    EXPECT_EQ(box->pixelSize(), 21);
}

// The fourteen-line poem is set smaller so no line is cut off; the next
// poem is back at full size.
TEST_F(Tangshi, TheLongestPoemShowsAllItsLines)
{
    goTo(8);
    ASSERT_TRUE(click("btn_d1"));
    ASSERT_EQ(memoLines().size(), 14u);
    QApplication::processEvents();
    platform::TMemo* box = memo();
    EXPECT_LT(box->pixelSize(), 21);
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << "lines beyond the box's bottom";
    ASSERT_TRUE(click("btn_d2"));
    QApplication::processEvents();
    EXPECT_EQ(box->pixelSize(), 21);
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
}

}  // namespace
