// The board that stops on close, opened from the menu's launcher, and, with
// the program's own pictures, the pads and the boards rendered offscreen.
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

// The board that stops its sound on close sends its stop once more, with
// nothing open, before the menu's own steps.
TEST(PadsLaunch, BoardSixStopsAgainWhenItCloses)
{
    soundboards::RegisterPadAndBoardLessons();
    const MenuVisit v = VisitFromNewMenu("TFM_ChaiFengLiu");
    EXPECT_TRUE(v.clickedBack);
    EXPECT_EQ(v.log, Steps({PlaySteps(v.programFolder + "zuheliu/", "st"), StopSteps("st"), StopSteps(""),
                            BackToMenuSteps(v.programFolder)}));
}

// A screen after a few clicks, saved for a look;
// the layout's pictures are all there.
void Render(const std::string& className, std::initializer_list<const char*> clicks)
{
    RecordingPlatform rec;
    MediaFixture media(rec);
    const std::unique_ptr<frame::LessonScreen> screen = OpenShown(className);
    ASSERT_NE(screen, nullptr) << className;
    for (platform::TImage* image : screen->findChildren<platform::TImage*>()) {
        EXPECT_TRUE(image->pictureName().isEmpty() || image->hasPicture())
            << className << " " << image->objectName().toStdString();
    }
    for (const char* name : clicks) {
        EXPECT_TRUE(Click(screen.get(), name)) << className << " " << name;
    }
    SaveShot(screen.get(), className);
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

}  // namespace
