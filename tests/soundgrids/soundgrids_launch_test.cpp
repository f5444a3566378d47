// The seven lessons opened through the menu's launcher, and, with the
// program's own pictures, rendered offscreen (saved as PNG where
// QH_RENDER_DIR names a folder, to be looked at).
#include "app/Main_Form.h"
#include "platform/widgets.h"
#include "resources/menu_catalogue.h"
#include "tests/soundgrids/soundgrids_harness.h"
#include "tests/support/launch_driver.h"

#include <QDir>

using namespace testing_support;

namespace {

struct Visit {
    const char* className;
    const char* folder;
    bool maximised;
    std::vector<const char*> clicks;  // a few clicks for the rendered screen
};

const Visit kVisits[] = {
    {"TFM_VoiceOfHanYuPinYinSM", "pinyin/", false, {"btn_b"}},
    {"TFM_VoiceOfHanYuPinYin", "pinyin/yunmu/", false, {"lb_u1"}},
    {"TFM_VoiceOfABC", "abc/", true, {"btn_a", "btn_h", "btn_o", "btn_V", "btn_z"}},
    {"TFM_ShuZiDaXiao", "shuzidaxiao/", true, {"btn_b3"}},
    {"TFM_WuGuan", "zhaowuguan/", true, {"btn_1"}},
    {"TFM_VoiceOfShuYiBai", "s20/", true, {"btn_a1", "btn_b3", "btn_c5"}},
    {"TFM_ShuShanShi_YingWen", "s20yw/", false, {"btn_a1", "btn_b3", "btn_e4"}},
};

TEST(SoundGridLaunch, EachLessonOpensFromTheMenuAndGoesBack)
{
    soundboards::RegisterSoundGridLessons();
    for (const Visit& visit : kVisits) {
        const MenuVisit v = VisitFromNewMenu(visit.className);
        EXPECT_TRUE(v.clickedBack) << visit.className;
        EXPECT_TRUE(v.formVariableEmptied) << visit.className;
        EXPECT_EQ(v.log, Steps({PlaySteps(v.programFolder + visit.folder, "st"), StopSteps("st"),
                                BackToMenuSteps(v.programFolder)}))
            << visit.className;
    }
}

TEST(SoundGridLaunch, OpenLessonHasItsWindowSettings)
{
    soundboards::RegisterSoundGridLessons();
    RecordingPlatform rec;
    MediaFixture media{rec};
    TMainForm menu;
    menu.Create();
    menu.show();
    for (const Visit& visit : kVisits) {
        bool ran = false;
        EXPECT_TRUE(VisitFromMenu(menu, visit.className, [&](frame::LessonScreen& open) {
            ran = true;
            EXPECT_EQ(open.isMaximized(), visit.maximised) << visit.className;
            EXPECT_EQ(open.windowTitle().toStdString(), catalogue::FindLessonEntry(visit.className)->windowCaption);
            EXPECT_TRUE(open.windowFlags() & Qt::WindowStaysOnTopHint);
        })) << visit.className;
        EXPECT_TRUE(ran) << visit.className;
    }
}

TEST(SoundGridRender, ScreensShowTheirPictures)
{
#ifndef QH_HAVE_CONTENT
    GTEST_SKIP() << "the embedded pictures are not built";
#else
    soundboards::RegisterSoundGridLessons();
    RecordingPlatform rec;
    MediaFixture media{rec};
    const QString dir = qEnvironmentVariable("QH_RENDER_DIR");
    for (const Visit& visit : kVisits) {
        std::unique_ptr<frame::LessonScreen> screen((*frame::FindLesson(visit.className))());
        screen->Create();
        screen->show();
        for (platform::TImage* image : screen->findChildren<platform::TImage*>()) {
            if (!image->pictureName().isEmpty() || image->isVisibleTo(screen.get())) {
                EXPECT_TRUE(image->hasPicture()) << visit.className << " " << image->objectName().toStdString();
            }
        }
        for (const char* name : visit.clicks)
            EXPECT_TRUE(Click(screen.get(), name)) << visit.className << " " << name;
        if (!dir.isEmpty())
            screen->grab().save(QDir(dir).filePath(QString::fromLatin1(visit.className) + ".png"));
        if (std::string(visit.className) == "TFM_VoiceOfShuYiBai" || std::string(visit.className) == "TFM_ShuShanShi_YingWen") {
            ASSERT_TRUE(Click(screen.get(), "btn_LastPage"));
            for (const char* name : visit.clicks)
                EXPECT_TRUE(Click(screen.get(), name));
            if (!dir.isEmpty())
                screen->grab().save(QDir(dir).filePath(QString::fromLatin1(visit.className) + "_vertical.png"));
        }
    }
#endif
}

}  // namespace
