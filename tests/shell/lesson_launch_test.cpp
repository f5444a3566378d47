// Every lesson of the menu catalogue, opened the way a kid opens it: page to its menu page, click its entry, look at
// the open screen, click its back button. A lesson added to the catalogue and registered is covered here without a line
// of its own.
#include "app/Main_Form.h"
#include "app/lesson_families.h"
#include "lesson_frame/lesson_registry.h"
#include "resources/menu_catalogue.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace testing_support;

namespace {

// The lessons whose show step maximises the window; the others keep their
// normal window state.
// clang-format off
const std::set<std::string> kMaximised = {
    "TFM_SeeColor",        "TFM_SeeShape",         "TFM_SeeLandAnimal", "TFM_SeeShuCai",        "TFM_SeeJiaoTongGongJu",
    "TFM_SeeChuan",        "TFM_SeeJiaYongDianQi", "TFM_SeeRiYongJiaJU", "TFM_ChangYongFuHao", "TFM_GuoQi",
    "TFM_SeeFlowers",      "TFM_VoiceOfAnimal",    "TFM_SeeFruit_YW",   "TFM_SeeLandAnimal_YW", "TFM_ZhaoShiWu",
    "TFM_WuGuan",          "TFM_VoiceOfShuYiBai",  "TFM_VoiceOfABC",    "TFM_ZiMuPeiDui",       "TFM_ShuZiDaXiao",
    "TFM_ShuZiPeiDui",     "TFM_ZhaoYanSe",        "TFM_ZhaoXingZhuang", "TFM_JianFa",          "TFM_JiaFa",
    "TFM_tangshi",         "TFM_ChaiFeng",
};
// clang-format on

struct Seen {
    bool ran = false;
    bool modal = false;
    bool maximised = false;
    bool onTop = false;
    std::string caption;
    QSize size;  // the client area
    bool clickedBack = false;
};

bool ContainsRun(const std::vector<std::string>& log, const std::vector<std::string>& run)
{
    return std::search(log.begin(), log.end(), run.begin(), run.end()) != log.end();
}

class LessonLaunch : public ::testing::TestWithParam<catalogue::MenuEntry> {
protected:
    static void SetUpTestSuite() { frame::RegisterAllLessons(); }
};

TEST_P(LessonLaunch, OpensFromItsMenuEntryAndGoesBackToTheMenu)
{
    const catalogue::MenuEntry& entry = GetParam();
    ASSERT_NE(frame::FindLesson(entry.className), nullptr) << entry.className << " is not built";

    RecordingPlatform rec;
    MediaFixture media{rec};
    TMainForm menu;
    menu.Create();
    menu.show();
    for (int page = 0; page < entry.page; ++page)
        ASSERT_TRUE(Click(&menu, "btn_NextPage"));
    ASSERT_EQ(menu.PageIndex(), entry.page);
    const std::string menuSound = menu.CurrentSoundAlias;  // "kj", or the page sound
    rec.clear();

    Seen seen;
    QTimer::singleShot(0, [&] {
        frame::LessonScreen* open = frame::FormVariable(entry.className);
        if (!open)
            return;
        seen.ran = true;
        seen.modal = open->isModalRunning();
        seen.maximised = open->isMaximized();
        seen.onTop = open->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        seen.caption = open->windowTitle().toStdString();
        seen.size = open->size();
        seen.clickedBack = Click(open, "btn_backlasmenu");
    });
    const std::string slot = menu.Slot(entry.slot).button->objectName().toStdString();
    ASSERT_TRUE(Click(&menu, slot)) << "menu entry " << slot;

    EXPECT_TRUE(seen.ran);
    EXPECT_TRUE(seen.modal);
    EXPECT_TRUE(seen.clickedBack);
    EXPECT_EQ(seen.caption, entry.windowCaption);
    EXPECT_EQ(seen.maximised, kMaximised.count(entry.className) == 1);
    EXPECT_EQ(seen.onTop, std::string(entry.className) != "TFM_CaiMiYu");
    EXPECT_EQ(seen.size,
              platform::TForm::clientSizeFor(std::string(entry.className) == "TFM_VoiceOfABC" ? 850 : 800, 600));
    EXPECT_EQ(frame::FormVariable(entry.className), nullptr);

    const std::string folder = media.programFolder() + catalogue::FolderPath(entry.folder);
    EXPECT_TRUE(ContainsRun(rec.log, PlaySteps(folder, "st"))) << "no start sound from " << folder;
    const auto back = Steps({StopSteps(menuSound), PlaySteps(media.programFolder() + "mainform/", "lm")});
    ASSERT_GE(rec.log.size(), back.size());
    EXPECT_EQ(std::vector<std::string>(rec.log.end() - static_cast<long>(back.size()), rec.log.end()), back);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, LessonLaunch, ::testing::ValuesIn(catalogue::kMenu),
                         [](const auto& info) { return std::string(info.param.className).substr(4); });

}  // namespace
