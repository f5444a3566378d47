// The twelve paged picture-card lessons, driven by clicks: pages and their
// buttons, card numbers and captions, empty slots, when "st" plays, how a
// card or a page button stops the sound, missing pictures, second visits.
#include "lesson_frame/lesson_registry.h"
#include "lessons/cards/cards.h"
#include "lessons/cards/picture_card_lesson.h"
#include "tests/cards/card_test_support.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

using namespace testing_support;
using cards_test::CardNumber;
using cards_test::LoggedPictures;

namespace {

// Names of a slot's widgets, as each member's layout has them.
enum class Names { Reference, Img5, Imga, Symbols, Flags };

struct Probe {
    int page;
    int slot;
    const char* name;
    const char* caption;
};

struct Member {
    const char* cls;
    const char* folder;  // media folder under the program folder
    const char* family;  // picture family prefix
    int pages;
    int perPage;
    bool startLast;
    bool cardStopsAlways;
    bool pageStopsFirst;
    Names names;
    int emptyFrom;  // on the last page the slots from here on are empty; -1: none
    std::vector<Probe> probes;
};

// clang-format off
const Member kMembers[] = {
    {"TFM_SeeLandAnimal", "landdw/", "DONGWUT", 8, 10, true, false, false, Names::Img5, -1,
     {{0, 0, "001", "公鸡"}, {3, 9, "040", "恐龙"}, {7, 7, "078", "蝴蝶"}}},
    {"TFM_SeeFruit", "shuig/", "SHUIGT", 3, 10, false, false, false, Names::Reference, -1,
     {{0, 0, "001", "苹果"}, {1, 9, "020", "榴莲"}, {2, 4, "025", "菠萝"}}},
    {"TFM_SeeShuCai", "shuc/", "SHUCAIT", 4, 10, false, true, false, Names::Imga, 2,
     {{2, 9, "030", "蘑菇"}, {3, 0, "031", "大豆"}, {3, 1, "032", "毛豆"}}},
    {"TFM_SeeJiaoTongGongJu", "che/", "CHET", 2, 10, false, false, false, Names::Reference, -1,
     {{0, 7, "008", "火车"}, {1, 9, "020", "赛车"}}},
    {"TFM_SeeJiaYongDianQi", "jiad/", "JDT", 3, 10, false, false, false, Names::Reference, -1,
     {{0, 0, "001", "电视机"}, {1, 2, "013", "摄影机"}, {2, 9, "030", "MP3"}}},
    {"TFM_SeeRiYongJiaJU", "riyong/", "RYT", 3, 10, true, false, false, Names::Reference, -1,
     {{1, 0, "011", "桌子"}, {2, 9, "030", "炒锅"}}},
    {"TFM_ChangYongFuHao", "fuh/", "FHT", 3, 10, true, false, false, Names::Symbols, 1,
     {{0, 0, "001", "逗号"}, {1, 9, "020", "单引号"}, {2, 0, "021", "双引号"}}},
    {"TFM_GuoQi", "guoqi/", "GQT", 3, 8, false, false, false, Names::Flags, -1,
     {{0, 7, "008", "法国"}, {1, 4, "013", "俄罗斯"}, {2, 6, "023", "沙特阿拉伯 "}}},
    {"TFM_SeeFlowers", "hua/", "HUAT", 3, 10, false, false, false, Names::Reference, -1,
     {{1, 8, "019", "郁金香"}, {2, 9, "030", "乌羽玉"}}},
    {"TFM_VoiceOfAnimal", "tdongw/", "TDWT", 2, 10, false, true, true, Names::Reference, -1,
     {{0, 0, "001", "小狗"}, {1, 2, "013", "火车"}}},
    {"TFM_SeeFruit_YW", "shuig_yw/", "SHUIGUOT", 3, 10, true, false, false, Names::Reference, -1,
     {{0, 3, "004", "Watermelon"}, {2, 4, "025", "Pineapple"}}},
    {"TFM_SeeLandAnimal_YW", "landdw_yw/", "DWYWT", 8, 10, true, false, false, Names::Img5, -1,
     {{5, 5, "056", "Soft-shelled turtle"}, {6, 8, "069", "Coccinella septempunctata"}, {7, 7, "078", "butterfly"}}},
};
// clang-format on

std::string rowName(const char* upper, const char* lower, int slot, int perRow)
{
    return (slot < perRow ? upper : lower) + std::to_string(slot % perRow + 1);
}

std::string pictureWidget(Names names, int slot)
{
    switch (names) {
    case Names::Flags:
        return rowName("img", "imgb", slot, 4);
    case Names::Symbols:
        return "img" + std::to_string(slot + 1);
    case Names::Imga:
        return rowName("imga", "imgb", slot, 5);
    case Names::Img5:
        return slot == 4 ? "Img5" : rowName("img", "imgb", slot, 5);
    case Names::Reference:
        break;
    }
    return rowName("img", "imgb", slot, 5);
}

// The widget a kid clicks to play a slot's card.
std::string clickWidget(Names names, int slot)
{
    if (names == Names::Flags)
        return pictureWidget(names, slot);
    if (names == Names::Symbols && slot < 2)
        return "bt_a" + std::to_string(slot + 1);
    return rowName("btn_a", "btn_b", slot, 5);
}

std::string labelWidget(Names names, int slot)
{
    if (names == Names::Symbols && slot == 0)
        return "lb_a1";
    return rowName("LB_a", "LB_b", slot, names == Names::Flags ? 4 : 5);
}

void PrintTo(const Member& m, std::ostream* os)
{
    *os << m.cls;
}

class PagedCardsTest : public ::testing::TestWithParam<Member> {
protected:
    static void SetUpTestSuite() { cards::RegisterPagedCardLessons(); }

    PagedCardsTest()
    {
        const Member& m = GetParam();
        pictures.addFamily(m.family, 1, m.pages * m.perPage);
        open();
    }

    void open()
    {
        screen.reset();
        screen.reset(static_cast<cards::PictureCardLesson*>((*frame::FindLesson(GetParam().cls))()));
        rec.clear();
        screen->Create();
        screen->show();
    }

    std::string folder() const { return media.programFolder() + GetParam().folder; }
    bool slotEmpty(int page, int slot) const
    {
        const Member& m = GetParam();
        return m.emptyFrom >= 0 && page == m.pages - 1 && slot >= m.emptyFrom;
    }
    // The lookups of one page's pictures, slot by slot.
    std::vector<std::string> pageLoads(int page) const
    {
        const Member& m = GetParam();
        std::vector<std::string> lines;
        for (int s = 0; s < m.perPage; ++s)
            if (!slotEmpty(page, s))
                lines.push_back(LoggedPictures::Line(m.family + CardNumber(page * m.perPage + s + 1)));
        return lines;
    }
    bool click(const std::string& name) { return Click(screen.get(), name); }
    void goToPage(int page)
    {
        for (int p = 0; p < page; ++p)
            ASSERT_TRUE(click("btn_nextpage"));
    }
    void expectButtons(int page) const
    {
        EXPECT_EQ(Find(screen.get(), "btn_nextpage")->isEnabled(), page < GetParam().pages - 1) << "page " << page;
        EXPECT_EQ(Find(screen.get(), "btn_lastpage")->isEnabled(), page > 0) << "page " << page;
    }
    platform::TImage* picture(int slot) const
    {
        return FindAs<platform::TImage>(screen.get(), pictureWidget(GetParam().names, slot));
    }

    RecordingPlatform rec;
    MediaFixture media{rec};
    LoggedPictures pictures{rec.log};
    std::unique_ptr<cards::PictureCardLesson> screen;
};

TEST_P(PagedCardsTest, OpensOnPageZeroWithTheStartSoundInItsPlace)
{
    const std::vector<std::string> st = PlaySteps(folder(), "st");
    EXPECT_EQ(rec.log, GetParam().startLast ? Steps({pageLoads(0), st}) : Steps({st, pageLoads(0)}));
    EXPECT_EQ(screen->CurrentSoundAlias, "st");
    expectButtons(0);
}

TEST_P(PagedCardsTest, PageButtonsWalkEveryPageAndHoldTheirStates)
{
    const Member& m = GetParam();
    // Forward to the end, back to the start, then a zigzag.
    std::vector<bool> forward;
    for (int p = 1; p < m.pages; ++p)
        forward.push_back(true);
    std::vector<bool> walk = forward;
    for (int p = 1; p < m.pages; ++p)
        walk.push_back(false);
    for (bool f : {true, false, true, true, false})
        walk.push_back(f);

    int page = 0;
    for (bool next : walk) {
        if (!next && page == 0) {
            EXPECT_FALSE(click("btn_lastpage"));
            continue;
        }
        if (next && page == m.pages - 1) {
            rec.clear();
            EXPECT_FALSE(click("btn_nextpage"));
            EXPECT_TRUE(rec.log.empty());
            continue;
        }
        const std::string before = screen->CurrentSoundAlias;
        rec.clear();
        ASSERT_TRUE(click(next ? "btn_nextpage" : "btn_lastpage"));
        page += next ? 1 : -1;
        const std::string sound = next ? "n" : "l";
        const auto expected = m.pageStopsFirst
                                  ? Steps({StopSteps(before), pageLoads(page), PlaySteps(folder(), sound)})
                                  : Steps({pageLoads(page), StopSteps(before), PlaySteps(folder(), sound)});
        EXPECT_EQ(rec.log, expected) << "to page " << page;
        EXPECT_EQ(screen->PageIndex(), page);
        expectButtons(page);
    }
}

TEST_P(PagedCardsTest, EachProbedCardShowsItsCaptionAndPlaysItsNumber)
{
    const Member& m = GetParam();
    for (const Probe& probe : m.probes) {
        open();
        goToPage(probe.page);
        EXPECT_EQ(TextOf(screen.get(), labelWidget(m.names, probe.slot)), probe.caption);
        const std::string before = screen->CurrentSoundAlias;
        rec.clear();
        ASSERT_TRUE(click(clickWidget(m.names, probe.slot))) << probe.name;
        EXPECT_EQ(rec.log, Steps({StopSteps(before), PlaySteps(folder(), probe.name)}));
        EXPECT_EQ(screen->CurrentSoundAlias, probe.name);
        EXPECT_EQ(screen->CardIndex, probe.slot);
    }
}

TEST_P(PagedCardsTest, ACardCutsTheStartSoundAndTheSameCardTwiceStartsOver)
{
    const std::string first = clickWidget(GetParam().names, 0);
    rec.clear();
    ASSERT_TRUE(click(first));
    ASSERT_TRUE(click(first));
    EXPECT_EQ(rec.log,
              Steps({StopSteps("st"), PlaySteps(folder(), "001"), StopSteps("001"), PlaySteps(folder(), "001")}));
}

TEST_P(PagedCardsTest, WithNoSoundCurrentOnlySomeMembersStopFirst)
{
    const Member& m = GetParam();
    screen->CurrentSoundAlias.clear();
    rec.clear();
    ASSERT_TRUE(click(clickWidget(m.names, 1)));
    EXPECT_EQ(rec.log,
              m.cardStopsAlways ? Steps({StopSteps(""), PlaySteps(folder(), "002")}) : PlaySteps(folder(), "002"));

    screen->CurrentSoundAlias.clear();
    rec.clear();
    ASSERT_TRUE(click("btn_nextpage"));
    EXPECT_EQ(rec.log, m.pageStopsFirst ? Steps({StopSteps(""), pageLoads(1), PlaySteps(folder(), "n")})
                                        : Steps({pageLoads(1), PlaySteps(folder(), "n")}));
}

TEST_P(PagedCardsTest, EmptySlotsHideTheirCardAndPagingBackShowsItAgain)
{
    const Member& m = GetParam();
    goToPage(m.pages - 1);
    for (int s = 0; s < m.perPage; ++s) {
        const bool empty = slotEmpty(m.pages - 1, s);
        EXPECT_EQ(picture(s)->isVisible(), !empty) << "slot " << s;
        EXPECT_EQ(Find(screen.get(), clickWidget(m.names, s))->isVisible(), !empty) << "slot " << s;
        EXPECT_TRUE(Find(screen.get(), labelWidget(m.names, s))->isVisible());
        if (empty) {
            EXPECT_EQ(TextOf(screen.get(), labelWidget(m.names, s)), s == 2 && m.emptyFrom == 2 ? "" : " ");
            rec.clear();
            EXPECT_FALSE(click(clickWidget(m.names, s)));
            EXPECT_TRUE(rec.log.empty());
        }
    }
    ASSERT_TRUE(click("btn_lastpage"));
    for (int s = 0; s < m.perPage; ++s) {
        EXPECT_TRUE(picture(s)->isVisible()) << "slot " << s;
        EXPECT_TRUE(Find(screen.get(), clickWidget(m.names, s))->isVisible()) << "slot " << s;
    }
}

TEST_P(PagedCardsTest, AMissingPictureStopsThatPagesLoadsButNotItsSound)
{
    const Member& m = GetParam();
    const int missing = 3;
    pictures.remove(m.family + CardNumber(m.perPage + missing + 1));
    ASSERT_TRUE(click("btn_nextpage"));
    for (int s = 0; s < m.perPage; ++s) {
        const int shown = s < missing ? m.perPage + s + 1 : s + 1;  // later slots keep page 0's
        EXPECT_EQ(CentreColour(picture(s)->picture()), LoggedPictures::ColourOf(shown)) << "slot " << s;
    }
    EXPECT_EQ(screen->CurrentSoundAlias, "n");
    const std::vector<std::string> n = PlaySteps(folder(), "n");
    ASSERT_GE(rec.log.size(), n.size());
    EXPECT_EQ(std::vector<std::string>(rec.log.end() - static_cast<long>(n.size()), rec.log.end()), n);
}

TEST_P(PagedCardsTest, ASecondVisitStartsAgainOnPageZero)
{
    goToPage(GetParam().pages - 1);
    open();
    EXPECT_EQ(screen->PageIndex(), 0);
    expectButtons(0);
    const std::vector<std::string> st = PlaySteps(folder(), "st");
    EXPECT_EQ(rec.log, GetParam().startLast ? Steps({pageLoads(0), st}) : Steps({st, pageLoads(0)}));
}

INSTANTIATE_TEST_SUITE_P(Members, PagedCardsTest, ::testing::ValuesIn(kMembers),
                         [](const auto& info) { return std::string(info.param.cls).substr(4); });

// The members' own layout details.
class PagedCardLayoutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { cards::RegisterPagedCardLessons(); }
    std::unique_ptr<frame::LessonScreen> open(const char* cls) { return OpenShown(cls); }
    RecordingPlatform rec;
    MediaFixture media{rec};
    LoggedPictures pictures{rec.log};
};

TEST_F(PagedCardLayoutTest, FruitPicturesUnderTheirButtonsAlsoPlayTheirCard)
{
    auto screen = open("TFM_SeeFruit");
    for (auto [widget, sound] : {std::pair{"img3", "003"}, {"imgb1", "006"}, {"imgb5", "010"}}) {
        const std::string before = screen->CurrentSoundAlias;
        rec.clear();
        ASSERT_TRUE(Click(screen.get(), widget));
        EXPECT_EQ(rec.log, Steps({StopSteps(before), PlaySteps(media.programFolder() + "shuig/", sound)})) << widget;
    }
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), "img1"));  // an ordinary picture takes no click of its own
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(PagedCardLayoutTest, CaptionSizesAndLabelsThatDiffer)
{
    struct Case {
        const char* cls;
        int pixelSize;
    } cases[] = {
        {"TFM_SeeJiaYongDianQi", 29}, {"TFM_SeeFruit_YW", 24}, {"TFM_SeeLandAnimal_YW", 24}, {"TFM_GuoQi", 29}};
    for (const Case& c : cases) {
        auto screen = open(c.cls);
        EXPECT_EQ(FindAs<platform::TLabel>(screen.get(), "LB_b2")->pixelSize(), c.pixelSize) << c.cls;
    }
    auto english = open("TFM_SeeLandAnimal_YW");
    const int ordinary = Find(english.get(), "LB_b2")->height();
    EXPECT_GT(Find(english.get(), "LB_b1")->height(), ordinary);
    EXPECT_GT(Find(english.get(), "LB_b4")->height(), ordinary);

    auto sounds = open("TFM_VoiceOfAnimal");
    EXPECT_EQ(Find(sounds.get(), "Panel2")->height(), 118);
    EXPECT_EQ(Find(sounds.get(), "Panel2")->geometry().bottom() + 1, sounds->height());
    EXPECT_EQ(Find(open("TFM_SeeFruit").get(), "Panel2")->height(), 107);

    auto vehicles = open("TFM_SeeJiaoTongGongJu");
    auto* fitted = FindAs<platform::TLabel>(vehicles.get(), "LB_a1");
    auto* centred = FindAs<platform::TLabel>(vehicles.get(), "LB_b1");
    EXPECT_LT(fitted->width(), centred->width());
    EXPECT_TRUE(fitted->alignment() & Qt::AlignLeft);
    EXPECT_TRUE(centred->alignment() & Qt::AlignHCenter);
}

TEST_F(PagedCardLayoutTest, FlagsHaveNoCardButtonsAndShowEightAPage)
{
    auto screen = open("TFM_GuoQi");
    EXPECT_EQ(Find(screen.get(), "btn_a1"), nullptr);
    EXPECT_EQ(Find(screen.get(), "img5"), nullptr);
    EXPECT_EQ(Find(screen.get(), "imgb4")->geometry().topLeft(), QPoint(611, 231));
    EXPECT_EQ(Find(screen.get(), "img1")->width(), 160);
}

}  // namespace
