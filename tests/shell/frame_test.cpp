// The lesson-screen frame: the exact command sequences of playing, stopping,
// the start sound and the back button, and the system-command guard.
#include "lesson_frame/lesson_screen.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"
#include "tests/support/window_system.h"

#include <QCoreApplication>
#include <QFile>
#include <QWindow>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class Probe : public frame::LessonScreen {
public:
    Probe() : LessonScreen(frame::ScreenSettings{"TFM_SeeJiaYongDianQi"}) {}
    std::vector<int> commands;  // system commands received
    void WMSysCommand(int& command) override
    {
        commands.push_back(command);
        LessonScreen::WMSysCommand(command);
    }
};

class FrameTest : public ::testing::Test {
protected:
    RecordingPlatform rec;
    MediaFixture media{rec};
    Probe screen;
    std::string folder() const { return media.programFolder() + "jiad/"; }
};

TEST_F(FrameTest, CreationSetsFolderAndPlaysStartSound)
{
    screen.Create();
    EXPECT_EQ(screen.MediaFolder, folder());
    EXPECT_EQ(rec.log, PlaySteps(folder(), "st"));
    EXPECT_EQ(screen.CurrentSoundAlias, "st");
}

TEST_F(FrameTest, PlayStopsCurrentSoundFirstAndRenamesBack)
{
    screen.Create();
    const std::string file = media.addSound("jiad\\", "001");
    rec.clear();
    screen.PlayLessonSound("001");
    screen.PlayLessonSound("001");
    EXPECT_EQ(rec.log,
              Steps({StopSteps("st"), PlaySteps(folder(), "001"), StopSteps("001"), PlaySteps(folder(), "001")}));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder() + "001.wav")));
}

TEST_F(FrameTest, StopRules)
{
    screen.SetMediaFolder();
    struct Case {
        frame::StopRule rule;
        std::string current;
        std::string name;
        std::vector<std::string> stopLines;
    } cases[] = {
        {frame::StopRule::IfCurrent, "", "n", {}},         {frame::StopRule::IfCurrent, "st", "n", StopSteps("st")},
        {frame::StopRule::Always, "", "n", StopSteps("")}, {frame::StopRule::IfNameGiven, "", "n", StopSteps("")},
        {frame::StopRule::IfNameGiven, "st", "", {}},
    };
    for (const Case& c : cases) {
        rec.clear();
        screen.CurrentSoundAlias = c.current;
        screen.PlayLessonSound(c.name, c.rule);
        EXPECT_EQ(rec.log, Steps({c.stopLines, PlaySteps(folder(), c.name)})) << "current '" << c.current << "'";
        EXPECT_EQ(screen.CurrentSoundAlias, c.name);
    }
}

TEST_F(FrameTest, MissingSoundIsSilentButRecorded)
{
    screen.Create();
    rec.clear();
    screen.PlayLessonSound("099");
    EXPECT_EQ(screen.CurrentSoundAlias, "099");
    EXPECT_EQ(rec.log, Steps({StopSteps("st"), PlaySteps(folder(), "099")}));
}

TEST_F(FrameTest, BackButtonStopsAndCloses)
{
    screen.Create();
    screen.show();
    rec.clear();
    screen.btn_backlasmenuClick();
    EXPECT_EQ(rec.log, StopSteps("st"));
    EXPECT_TRUE(screen.CurrentSoundAlias.empty());
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(FrameTest, SystemCommandsForMovesAndSizesDoNothing)
{
    screen.show();
    for (int c : {0xF000, 0xF001, 0xF008, 0xF010, 0xF012}) {
        int word = c;
        screen.WMSysCommand(word);
        EXPECT_EQ(word, 0) << std::hex << c;
        EXPECT_TRUE(screen.isVisible());
    }
    screen.sendSysCommand(platform::SC_CLOSE);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(FrameTest, WindowManagersCloseSkipsTheBackButtonsStop)
{
    screen.Create();
    screen.show();
    rec.clear();
    ASSERT_NE(screen.windowHandle(), nullptr);
    WindowManagerClose(&screen);
    EXPECT_EQ(screen.commands, std::vector<int>{platform::SC_CLOSE});
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(screen.CurrentSoundAlias, "st");
}

TEST_F(FrameTest, WindowManagersMoveIsUndone)
{
    screen.show();
    const QPoint placed = screen.pos();
    WindowManagerMove(&screen, placed + QPoint(120, 45));
    QCoreApplication::processEvents();
    EXPECT_EQ(screen.pos(), placed);
    EXPECT_TRUE(screen.isVisible());
}

TEST_F(FrameTest, ClientAreaOfAStandardWindow)
{
    EXPECT_EQ(screen.size(), QSize(784, 562));
    EXPECT_EQ(screen.minimumSize(), screen.maximumSize());
    EXPECT_EQ(screen.windowTitle().toStdString(), "家电数码");
    EXPECT_TRUE(screen.windowFlags() & Qt::WindowStaysOnTopHint);
}

}  // namespace

namespace {

// A handler's error ends the handler, stays away from the event loop, and
// leaves one warning line naming the screen; what ran before it stays done.
TEST_F(FrameTest, DroppedErrorsAreReportedOnceWithTheirScreen)
{
    screen.Create();
    auto* button = new platform::TSpeedButton(&screen);
    button->setObjectName("btn_a1");
    button->setGeometry(10, 10, 50, 50);
    frame::OnClick(button, [this] {
        screen.PlayLessonSound("001");
        platform::TImage image;
        frame::LessonScreen::LoadNamedPicture(&image, "NOSUCHPICTURE");
        screen.PlayLessonSound("002");
    });
    screen.show();
    WarningLog warnings;
    ASSERT_TRUE(Click(&screen, "btn_a1"));
    ASSERT_EQ(warnings.lines.size(), 1u);
    EXPECT_NE(warnings.lines[0].find("TFM_SeeJiaYongDianQi: "), std::string::npos) << warnings.lines[0];
    EXPECT_NE(warnings.lines[0].find("NOSUCHPICTURE"), std::string::npos) << warnings.lines[0];
    EXPECT_EQ(screen.CurrentSoundAlias, "001");
}

}  // namespace
