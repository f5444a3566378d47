// The seven screens' layouts: every grid button over a tile of its own size,
// labels and markers where the kid expects them, the bottom bar's keys, and
// layout files whose widget names are all their own (a repeated name is
// silently renamed by the layout compiler, so code and tests would bind a
// widget the file does not name).
#include "platform/widgets.h"
#include "tests/soundgrids/soundgrids_harness.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRect>
#include <QXmlStreamReader>

#include <set>

using namespace soundgrids_test;

namespace {

struct Grid {
    const char* className;
    const char* folder;
    std::vector<std::string> buttons;  // in tile order
    QSize tile;
    std::string tilePrefix;    // "imgb", "Image" or "" (tiles not named by number)
    std::string markerPrefix;  // step markers right of the buttons, or ""
    QSize marker;
};

std::vector<std::string> Cells(int rows, int columns)
{
    std::vector<std::string> names;
    for (int r = 0; r < rows; ++r)
        for (int c = 1; c <= columns; ++c)
            names.push_back("btn_" + std::string(1, static_cast<char>('a' + r)) + std::to_string(c));
    return names;
}

const std::vector<std::string> kPinyin = {"btn_b",  "btn_p", "btn_m", "btn_f", "btn_d", "btn_t", "btn_n",  "btn_l",
                                          "btn_g",  "btn_k", "btn_h", "btn_j", "btn_q", "btn_x", "btn_zh", "btn_ch",
                                          "btn_sh", "btn_r", "btn_z", "btn_c", "btn_s", "btn_y", "btn_w"};

std::vector<std::string> Letters()
{
    std::vector<std::string> names;
    for (char c = 'a'; c <= 'z'; ++c)
        names.push_back(c == 'v' ? "btn_V" : "btn_" + std::string(1, c));
    return names;
}

std::vector<std::string> Numerals()
{
    std::vector<std::string> names;
    for (int k = 1; k <= 10; ++k) {
        names.push_back("btn_" + std::to_string(k));
        names.push_back("btn_b" + std::to_string(k));
    }
    return names;
}

// clang-format off
const Grid kGrids[] = {
    {"TFM_VoiceOfHanYuPinYinSM", "pinyin/", kPinyin, {110, 100}, "imgb", "", {}},
    {"TFM_VoiceOfHanYuPinYin", "pinyin/yunmu/", kPinyin, {110, 100}, "imgb", "", {}},
    {"TFM_VoiceOfABC", "abc/", Letters(), {100, 100}, "", "", {}},
    {"TFM_ShuZiDaXiao", "shuzidaxiao/", Numerals(), {130, 100}, "", "", {}},
    {"TFM_VoiceOfShuYiBai", "s20/", Cells(4, 5), {100, 100}, "Image", "imgb", {55, 65}},
    {"TFM_ShuShanShi_YingWen", "s20yw/", Cells(5, 4), {150, 80}, "Image", "imgb", {40, 40}},
};
// clang-format on

class GridLayouts : public ::testing::TestWithParam<const Grid*>, public LessonFixture {
protected:
    void SetUp() override { open(GetParam()->className, GetParam()->folder); }
    QWidget* widget(const std::string& name) const { return testing_support::Find(screen.get(), name); }
    // The picture lying exactly under a button, if any.
    platform::TImage* tileUnder(QWidget* button) const
    {
        for (auto* image : button->parentWidget()->findChildren<platform::TImage*>(Qt::FindDirectChildrenOnly))
            if (image->geometry() == button->geometry())
                return image;
        return nullptr;
    }
};

TEST_P(GridLayouts, EveryButtonLiesOverATileOfItsOwnSize)
{
    const Grid& g = *GetParam();
    for (size_t k = 0; k < g.buttons.size(); ++k) {
        QWidget* button = widget(g.buttons[k]);
        ASSERT_NE(button, nullptr) << g.buttons[k];
        EXPECT_EQ(button->size(), g.tile) << g.buttons[k];
        platform::TImage* tile = tileUnder(button);
        ASSERT_NE(tile, nullptr) << g.className << " " << g.buttons[k] << " has no tile under it";
        if (!g.tilePrefix.empty()) {
            EXPECT_EQ(tile->objectName().toStdString(), g.tilePrefix + std::to_string(k + 1)) << g.buttons[k];
        }
        // The tile is drawn first, so the button's caption shows over it.
        const QObjectList& siblings = button->parentWidget()->children();
        EXPECT_LT(siblings.indexOf(tile), siblings.indexOf(button)) << g.buttons[k];
    }
}

TEST_P(GridLayouts, BottomBarHoldsItsKeysAtTheirSize)
{
    const Grid& g = *GetParam();
    QWidget* bar = widget("Panel2");
    ASSERT_NE(bar, nullptr);
    EXPECT_GE(bar->height(), 103);
    EXPECT_LE(bar->height(), 107);
    EXPECT_EQ(bar->geometry().bottom(), screen->height() - 1);
    std::vector<std::string> keys = {"btn_backlasmenu"};
    if (!g.markerPrefix.empty())
        keys = {"SpeedButton1", "btn_LastPage", "btn_backlasmenu"};
    int left = -1;
    for (const std::string& key : keys) {
        QWidget* k = widget(key);
        ASSERT_NE(k, nullptr) << key;
        EXPECT_EQ(k->parentWidget(), bar) << key;
        EXPECT_EQ(k->size(), QSize(160, 75)) << key;
        EXPECT_NE(tileUnder(k), nullptr) << key << " lies over no picture";
        EXPECT_GT(k->x(), left) << key << " out of order";
        left = k->x();
    }
    EXPECT_GE(widget("btn_backlasmenu")->x(), 590);
}

INSTANTIATE_TEST_SUITE_P(SixGrids, GridLayouts, ::testing::ValuesIn([] {
                             std::vector<const Grid*> grids;
                             for (const Grid& g : kGrids)
                                 grids.push_back(&g);
                             return grids;
                         }()),
                         [](const auto& info) { return std::string(info.param->className); });

class ScreenCases : public ::testing::Test, public LessonFixture {};

// The number grids' step markers.
TEST_F(ScreenCases, StepMarkersStandJustRightOfTheirButtons)
{
    for (const Grid& g : kGrids) {
        if (g.markerPrefix.empty())
            continue;
        open(g.className, g.folder);
        for (size_t k = 0; k < g.buttons.size(); ++k) {
            const QRect button = testing_support::Find(screen.get(), g.buttons[k])->geometry();
            const QRect marker =
                testing_support::Find(screen.get(), g.markerPrefix + std::to_string(k + 1))->geometry();
            EXPECT_EQ(marker.size(), g.marker) << g.className << " " << k + 1;
            EXPECT_GE(marker.left(), button.right()) << g.className << " " << k + 1;
            EXPECT_LE(marker.left() - button.right(), 8) << g.className << " " << k + 1;
            EXPECT_TRUE(marker.top() >= button.top() && marker.bottom() <= button.bottom())
                << g.className << " " << k + 1;
            EXPECT_LE(marker.right(), screen->width()) << g.className << " " << k + 1;
        }
    }
}

// Each lowercase letter sits in the lower right corner of its capital's tile.
TEST_F(ScreenCases, AlphabetLowercaseLabelsSitInTheirTilesLowerRightCorner)
{
    open("TFM_VoiceOfABC", "abc/");
    const std::vector<std::string> letters = Letters();
    for (int k = 0; k < 26; ++k) {
        const std::string label = k == 11 ? "lb_L" : "lb_" + std::string(1, static_cast<char>('a' + k));
        const QRect tile = testing_support::Find(screen.get(), letters[static_cast<size_t>(k)])->geometry();
        const QRect l = testing_support::Find(screen.get(), label)->geometry();
        EXPECT_TRUE(tile.contains(l)) << label;
        EXPECT_GE(l.center().x(), tile.center().x()) << label;
        EXPECT_GE(l.center().y(), tile.center().y()) << label;
    }
}

// Every caption fits its button in the font the screen draws it with, in
// each arrangement of the number grids.
TEST_F(ScreenCases, EveryCaptionFitsItsButton)
{
    const std::pair<const char*, const char*> lessons[] = {{"TFM_VoiceOfHanYuPinYinSM", "pinyin/"},
                                                           {"TFM_VoiceOfHanYuPinYin", "pinyin/yunmu/"},
                                                           {"TFM_VoiceOfABC", "abc/"},
                                                           {"TFM_ShuZiDaXiao", "shuzidaxiao/"},
                                                           {"TFM_WuGuan", "zhaowuguan/"},
                                                           {"TFM_VoiceOfShuYiBai", "s20/"},
                                                           {"TFM_ShuShanShi_YingWen", "s20yw/"}};
    for (const auto& [className, folder] : lessons) {
        open(className, folder);
        for (const char* key : {"", "btn_LastPage"}) {
            if (*key)
                testing_support::Click(screen.get(), key);
            for (auto* button : screen->findChildren<platform::TSpeedButton*>()) {
                const QFontMetrics metrics(button->font());
                const QString caption = button->text().trimmed();
                const QRect ink = metrics.tightBoundingRect(caption);
                EXPECT_LE(ink.width(), button->width() - 4)
                    << className << " " << button->objectName().toStdString() << " \"" << caption.toStdString()
                    << "\" in " << QFontInfo(button->font()).family().toStdString();
                EXPECT_LE(ink.height(), button->height() - 4) << className << " " << button->objectName().toStdString();
            }
        }
    }
}

// The names a layout file gives to more than one widget.
std::vector<std::string> RepeatedNames(const char* layout)
{
    QFile file(QStringLiteral(QH_SOURCE_DIR "/resources/layouts/") + QString::fromUtf8(layout));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    std::set<std::string> names;
    std::vector<std::string> repeated;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("widget")) {
            const std::string name = xml.attributes().value("name").toString().toStdString();
            if (!names.insert(name).second)
                repeated.push_back(name);
        }
    EXPECT_FALSE(xml.hasError()) << layout << ": " << xml.errorString().toStdString();
    EXPECT_GT(names.size(), 20u) << layout;
    return repeated;
}

TEST(SoundGridLayoutFiles, NameEveryWidgetOnce)
{
    for (const char* layout :
         {"soundboards_pinyin_shengmu.ui", "soundboards_pinyin_yunmu.ui", "soundboards_abc.ui",
          "soundboards_shuzidaxiao.ui", "soundboards_wuguan.ui", "soundboards_shuyibai.ui", "soundboards_s20yw.ui"})
        EXPECT_EQ(RepeatedNames(layout), std::vector<std::string>{}) << layout;
}

}  // namespace
