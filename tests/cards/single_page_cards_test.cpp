// The single-page card lessons (colours, shapes, ships), driven by clicks:
// every card's widget, caption and sound, the start sound, and where the
// colour lesson stops a sound even when none is current.
#include "lesson_frame/lesson_registry.h"
#include "lesson_frame/lesson_screen.h"
#include "lessons/cards/card_tables.h"
#include "lessons/cards/cards.h"
#include "tests/cards/card_test_support.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

using namespace testing_support;
using cards_test::LoggedPictures;

namespace {

struct Card {
    const char* click;
    const char* label;
    const char* caption;
    const char* sound;
};

struct Lesson {
    const char* cls;
    const char* folder;
    bool stopsAlways;
    const char* pictures;  // family stored with the layout; empty: none
    std::vector<Card> cards;
};

// clang-format off
const Lesson kLessons[] = {
    {"TFM_SeeColor", "yanse/", true, "",
     {{"img_1", "LB_a2", "红 色", "001"}, {"img_2", "Label1", "黄 色", "002"}, {"img_3", "LB_a3", "蓝 色", "003"},
      {"img_4", "LB_a4", "绿 色", "004"}, {"img_5", "LB_a5", "紫 色", "005"}, {"img_6", "LB_b1", "黑 色", "006"},
      {"Image1", "LB_b2", "灰 色", "007"}, {"img_8", "LB_b3", "白 色", "008"}, {"Image2", "LB_b4", "橄榄色", "009"},
      {"Image3", "LB_b5", "藏青色", "010"}}},
    {"TFM_SeeShape", "shape/", false, "SHAPET",
     {{"img_2", "LB_a2", "正方形", "001"}, {"img_1", "Label1", "圆 形", "002"}, {"img_3", "LB_a3", "菱 形", "003"},
      {"img_4", "LB_a4", "三角形", "004"}, {"img_5", "LB_a5", "梯 形", "005"}, {"img_6", "LB_b1", "扇 形", "006"},
      {"Image1", "LB_b2", "五角形", "007"}, {"img_8", "LB_b3", "椭圆形", "008"}, {"Image2", "LB_b4", "平行四边形", "009"},
      {"Image3", "LB_b5", "长方形", "010"}}},
    {"TFM_SeeChuan", "chuan/", false, "CHUANT",
     {{"btn_a1", "LB_a1", "帆船", "001"}, {"btn_a2", "LB_a2", "游轮", "002"}, {"btn_a3", "LB_a3", "摩托艇", "003"},
      {"btn_a4", "LB_a4", "军舰", "004"}, {"btn_a5", "LB_a5", "潜水艇", "005"}, {"btn_b1", "LB_b1", "气垫船", "006"},
      {"btn_b2", "LB_b2", "航空母舰", "007"}, {"btn_b3", "LB_b3", "橡皮艇", "008"}, {"btn_b4", "LB_b4", "独木舟", "009"},
      {"btn_b5", "LB_b5", "货运船", "010"}}},
};
// clang-format on

void PrintTo(const Lesson& m, std::ostream* os)
{
    *os << m.cls;
}

class SinglePageCardsTest : public ::testing::TestWithParam<Lesson> {
protected:
    static void SetUpTestSuite() { cards::RegisterPagedCardLessons(); }
    SinglePageCardsTest()
    {
        if (*GetParam().pictures)
            pictures.addFamily(GetParam().pictures, 1, 10);
        screen.reset((*frame::FindLesson(GetParam().cls))());
        rec.clear();
        screen->Create();
        screen->show();
    }
    std::string folder() const { return media.programFolder() + GetParam().folder; }
    std::vector<std::string> stopFirst(const std::string& current) const
    {
        return current.empty() && !GetParam().stopsAlways ? std::vector<std::string>{} : StopSteps(current);
    }

    RecordingPlatform rec;
    MediaFixture media{rec};
    LoggedPictures pictures{rec.log};
    std::unique_ptr<frame::LessonScreen> screen;
};

TEST_P(SinglePageCardsTest, CreationPlaysTheStartSoundAndWritesEveryCaption)
{
    EXPECT_EQ(rec.log, Steps({stopFirst(""), PlaySteps(folder(), "st")}));
    for (const Card& card : GetParam().cards)
        EXPECT_EQ(TextOf(screen.get(), card.label), card.caption);
}

TEST_P(SinglePageCardsTest, EveryCardPlaysItsOwnSoundCuttingTheLastOne)
{
    for (const Card& card : GetParam().cards) {
        const std::string before = screen->CurrentSoundAlias;
        rec.clear();
        ASSERT_TRUE(Click(screen.get(), card.click)) << card.click;
        EXPECT_EQ(rec.log, Steps({StopSteps(before), PlaySteps(folder(), card.sound)})) << card.click;
    }
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), GetParam().cards.back().click));
    EXPECT_EQ(rec.log, Steps({StopSteps("010"), PlaySteps(folder(), "010")}));
}

TEST_P(SinglePageCardsTest, WithNoSoundCurrentOnlyTheColoursStopFirst)
{
    screen->CurrentSoundAlias.clear();
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), GetParam().cards[5].click));
    EXPECT_EQ(rec.log, Steps({stopFirst(""), PlaySteps(folder(), "006")}));

    screen->CurrentSoundAlias.clear();
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), "btn_backlasmenu"));
    EXPECT_EQ(rec.log, stopFirst(""));
    EXPECT_FALSE(screen->isVisible());
}

TEST_P(SinglePageCardsTest, BackStopsTheSoundAndCloses)
{
    rec.clear();
    ASSERT_TRUE(Click(screen.get(), "btn_backlasmenu"));
    EXPECT_EQ(rec.log, StopSteps("st"));
    EXPECT_TRUE(screen->CurrentSoundAlias.empty());
    EXPECT_FALSE(screen->isVisible());
}

TEST_P(SinglePageCardsTest, CardPicturesComeWithTheLayout)
{
    if (!*GetParam().pictures) {
        // The balloons are the background's: the spots over them stay empty.
        for (const Card& card : GetParam().cards)
            EXPECT_FALSE(FindAs<platform::TImage>(screen.get(), card.click)->hasPicture()) << card.click;
        return;
    }
    static const char* const ships[] = {"img1",  "img2",  "img3",  "img4",  "img5",
                                        "imgb1", "imgb2", "imgb3", "imgb4", "imgb5"};
    for (int k = 0; k < 10; ++k) {
        const Card& card = GetParam().cards[static_cast<size_t>(k)];
        auto* image = FindAs<platform::TImage>(screen.get(),
                                               GetParam().cls == std::string("TFM_SeeChuan") ? ships[k] : card.click);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(CentreColour(image->picture()), LoggedPictures::ColourOf(k + 1)) << card.caption;
    }
}

INSTANTIATE_TEST_SUITE_P(Lessons, SinglePageCardsTest, ::testing::ValuesIn(kLessons),
                         [](const auto& info) { return std::string(info.param.cls).substr(4); });

TEST(ColourCards, EachCaptionIsInItsColourOverItsBalloon)
{
    cards::RegisterPagedCardLessons();
    RecordingPlatform rec;
    MediaFixture media{rec};
    std::unique_ptr<frame::LessonScreen> screen((*frame::FindLesson("TFM_SeeColor"))());
    screen->Create();
    const std::pair<const char*, QColor> colours[] = {
        {"LB_a2", Qt::red},
        {"Label1", Qt::yellow},
        {"LB_a3", Qt::cyan},
        {"LB_a4", Qt::green},
        {"LB_a5", Qt::magenta},
        {"LB_b1", Qt::black},
        {"LB_b2", QColor(128, 128, 128)},
        {"LB_b3", Qt::white},
        {"LB_b4", QColor(128, 128, 0)},
        {"LB_b5", QColor(0, 0, 128)},
    };
    for (auto [label, colour] : colours)
        EXPECT_EQ(FindAs<platform::TLabel>(screen.get(), label)->textColor(), colour) << label;
    // The background draws each balloon where its click spot lies.
    for (int k = 0; k < 10; ++k) {
        const cards::CardCell cell = cards::ColourCardCell(k);
        EXPECT_EQ(Find(screen.get(), cards::kColourCards.cards[static_cast<size_t>(k)].clickWidget)->geometry(),
                  QRect(cell.left, cell.top, cell.width, cell.height));
    }
}

}  // namespace
