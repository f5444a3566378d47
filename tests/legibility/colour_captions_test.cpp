// The colour names of the colour cards and of the find-the-colour tasks keep
// their own colours and still stand out from what lies under and around their
// strokes by at least 3 : 1, measured on the screens with their real pictures.
#include "app/lesson_families.h"
#include "platform/widgets.h"
#include "tests/legibility/ink.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <map>

using namespace testing_support;

namespace {

constexpr double kLeastContrast = 3.0;
// How far around the strokes counts as "around them".
constexpr int kSurround = 2;

struct Caption {
    const char* widget;
    const char* text;
    QRgb colour;  // the caption's own colour
};

// clang-format off
const Caption kColourCards[] = {
    {"LB_a2", "红 色", 0xFF0000}, {"Label1", "黄 色", 0xFFFF00}, {"LB_a3", "蓝 色", 0x00FFFF},
    {"LB_a4", "绿 色", 0x00FF00}, {"LB_a5", "紫 色", 0xFF00FF}, {"LB_b1", "黑 色", 0x000000},
    {"LB_b2", "灰 色", 0x808080}, {"LB_b3", "白 色", 0xFFFFFF}, {"LB_b4", "橄榄色", 0x808000},
    {"LB_b5", "藏青色", 0x000080},
};
const Caption kColourTasks[] = {
    {"btn_ZhaoLvSe", "找绿色", 0x000000},    {"btn_ZhaoHongSe", "找红色", 0x000000},
    {"btn_ZhaoHeiSe", "找黑色", 0xFFFFFF},   {"btn_ZhaoHuangSe", "找黄色", 0x000000},
    {"btn_ZhaoLanse", "找蓝色", 0x000000},   {"btn_ZhaoHuiSe", "找灰色", 0x000000},
    {"btn_zhaoganlanse", "找橄榄色", 0x000000}, {"btn_ZhaoBaiSe", "找白色", 0x000000},
    {"btn_ZhaoZiSe", "找紫色", 0x000000},    {"btn_ZhaoZangqingse", "找藏青色", 0x000000},
};
// clang-format on

class ColourCaptions : public ::testing::Test {
protected:
    static void SetUpTestSuite() { frame::RegisterAllLessons(); }

    // The caption's lowest contrast against what lies under and around its
    // strokes: the screen without it, or, where the caption rims its strokes
    // with a halo, the screen with the strokes drawn in the halo's colour.
    static double ContrastOf(QWidget* screen, QWidget* caption, const QColor& colour)
    {
        const QImage shown = legibility::Render(screen);
        QImage behind;
        auto* button = qobject_cast<platform::TSpeedButton*>(caption);
        if (button && button->haloColor().isValid()) {
            button->setTextColor(button->haloColor());
            behind = legibility::Render(screen);
            button->setTextColor(colour);
        } else {
            behind = legibility::RenderWithout(screen, caption);
        }
        const legibility::PixelSet strokes = legibility::Strokes(shown, behind, colour);
        EXPECT_GT(strokes.count(), 40) << "the caption is drawn";
        return legibility::LowestContrast(colour, behind, strokes, kSurround);
    }

    RecordingPlatform rec;
};

TEST_F(ColourCaptions, ColourCardNamesStandOutInTheirOwnColours)
{
    const std::unique_ptr<frame::LessonScreen> screen = OpenShown("TFM_SeeColor");
    ASSERT_NE(screen, nullptr);
    for (const Caption& c : kColourCards) {
        SCOPED_TRACE(c.text);
        auto* label = FindAs<platform::TLabel>(screen.get(), c.widget);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text().toStdString(), c.text);
        EXPECT_EQ(label->textColor(), QColor(c.colour)) << "the caption is written in the colour it names";
        const double contrast = ContrastOf(screen.get(), label, label->textColor());
        RecordProperty(c.widget, std::to_string(contrast));
        EXPECT_GE(contrast, kLeastContrast);
    }
}

// Every task caption, on its swatch, both while its own task is picked (its
// magnifier lies there) and while another one is.
TEST_F(ColourCaptions, TaskNamesStandOutOnTheirSwatchesWithOrWithoutTheMagnifier)
{
    const std::unique_ptr<frame::LessonScreen> screen = OpenShown("TFM_ZhaoYanSe");
    ASSERT_NE(screen, nullptr);
    std::map<std::string, double> lowest;
    for (const Caption& picked : kColourTasks) {
        ASSERT_TRUE(Click(screen.get(), picked.widget));
        for (const Caption& c : kColourTasks) {
            SCOPED_TRACE(std::string(c.text) + " while " + picked.text + " is picked");
            auto* button = FindAs<platform::TSpeedButton>(screen.get(), c.widget);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text().toStdString(), c.text);
            EXPECT_EQ(button->textColor(), QColor(c.colour));
            const double contrast = ContrastOf(screen.get(), button, button->textColor());
            lowest.try_emplace(c.widget, contrast);
            lowest[c.widget] = std::min(lowest[c.widget], contrast);
            EXPECT_GE(contrast, kLeastContrast);
        }
        if (std::string(picked.widget) == "btn_ZhaoZangqingse")
            SaveShot(screen.get(), "boardquiz_TFM_ZhaoYanSe_navy");
    }
    for (const auto& [widget, contrast] : lowest)
        RecordProperty(widget, std::to_string(contrast));
}

}  // namespace
