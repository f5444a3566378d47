// The twelve lessons opened from the menu's launcher, and, with the
// program's own pictures, the pads and three boards rendered offscreen
// (into QH_RENDER_DIR when it names a folder).
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "lessons/soundboards/soundboards.h"
#include "platform/widgets.h"
#include "tests/support/launch_driver.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

struct Visit {
    const char* className;
    const char* folder;
    bool maximised;
    bool stopsOnClose;
};
const Visit kVisits[] = {
    {"TFM_JiaFa", "jjcc/jia/", true, false},        {"TFM_JianFa", "jjcc/jian/", true, false},
    {"TFM_ChaiFengYi", "zuheyi/", false, false},    {"TFM_ChaiFengEr", "zuheer/", false, false},
    {"TFM_ChaiFengSan", "zuhesan/", false, false},  {"TFM_ChaiFengSi", "zuhesi/", false, false},
    {"TFM_ChaiFengWu", "zuhewu/", false, false},    {"TFM_ChaiFengLiu", "zuheliu/", false, true},
    {"TFM_ChaiFengQI", "zuheqi/", false, false},    {"TFM_ChaiFengBa", "zuheba/", false, false},
    {"TFM_ChaiFengJiu", "zuhejiu/", false, false},  {"TFM_ChaiFeng", "zuheshi/", true, false},
};

TEST(PadsLaunch, EachLessonOpensFromTheMenuAndGoesBack)
{
    soundboards::RegisterPadAndBoardLessons();
    for (const Visit& visit : kVisits) {
        const MenuVisit v = VisitFromNewMenu(visit.className);
        EXPECT_TRUE(v.clickedBack) << visit.className;
        EXPECT_TRUE(v.formVariableEmptied) << visit.className;
        const std::string lesson = v.programFolder + visit.folder;
        // The board that stops on close sends its stop again, with nothing open.
        EXPECT_EQ(v.log, Steps({PlaySteps(lesson, "st"), StopSteps("st"),
                                visit.stopsOnClose ? StopSteps("") : std::vector<std::string>{},
                                BackToMenuSteps(v.programFolder)}))
            << visit.className;
    }
}

TEST(PadsLaunch, WindowsMaximiseWhereTheyShouldWithTheirCaptions)
{
    soundboards::RegisterPadAndBoardLessons();
    RecordingPlatform rec;
    MediaFixture media(rec);
    TMainForm menu;
    menu.Create();
    for (const Visit& visit : kVisits) {
        bool looked = false;
        EXPECT_TRUE(VisitFromMenu(menu, visit.className, [&](frame::LessonScreen& open) {
            looked = true;
            EXPECT_EQ(open.isMaximized(), visit.maximised) << visit.className;
            EXPECT_EQ(open.windowTitle().toStdString(), catalogue::FindLessonEntry(visit.className)->windowCaption);
        }));
        EXPECT_TRUE(looked) << visit.className;
    }
}

#ifdef QH_REAL_CONTENT

// A screen after a few clicks, saved for a look when QH_RENDER_DIR is set;
// the layout's pictures are all there.
void Render(const std::string& className, std::initializer_list<const char*> clicks)
{
    RecordingPlatform rec;
    MediaFixture media(rec);
    std::unique_ptr<frame::LessonScreen> screen((*frame::FindLesson(className))());
    screen->Create();
    screen->show();
    for (platform::TImage* image : screen->findChildren<platform::TImage*>()) {
        EXPECT_TRUE(image->pictureName().isEmpty() || image->hasPicture())
            << className << " " << image->objectName().toStdString();
    }
    for (const char* name : clicks) {
        EXPECT_TRUE(Click(screen.get(), name)) << className << " " << name;
    }
    const QString dir = qEnvironmentVariable("QH_RENDER_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(screen->grab().save(QDir(dir).filePath(QString::fromStdString(className) + ".png")));
    }
}

TEST(PadsRender, PadsAndBoardsShowTheirPictures)
{
    soundboards::RegisterPadAndBoardLessons();
    Render("TFM_JianFa", {"btn_7", "btn_jia", "btn_4", "btn_dengyu"});
    Render("TFM_JiaFa", {"btn_9", "btn_jia", "btn_1", "btn_dengyu"});
    Render("TFM_ChaiFengYi", {"btn_b1"});
    Render("TFM_ChaiFengQI", {"btn_3", "btn_PaiDaoxu"});
    Render("TFM_ChaiFeng", {"btn_b4"});
    for (const char* board : {"TFM_ChaiFengEr", "TFM_ChaiFengSan", "TFM_ChaiFengSi", "TFM_ChaiFengWu",
                              "TFM_ChaiFengLiu", "TFM_ChaiFengBa", "TFM_ChaiFengJiu"})
        Render(board, {"btn_1"});
}

#endif

}  // namespace
