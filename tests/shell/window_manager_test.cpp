// Lessons closed on a real X server under openbox, every way a desktop
// closes a window: the back button clicked, Alt+F4 typed, the window
// manager's close (its title-bar button, a task bar), and WM_DELETE_WINDOW
// as a session manager sends it at logout. Each runs the lesson's close
// step and ends its modal run, and the launcher then stops the menu's
// sound, plays "lm" and destroys the screen; twenty visits in a row leave
// neither screens nor modal runs nor memory behind.
#include "app/Main_Form.h"
#include "app/lesson_families.h"
#include "lesson_frame/lesson_registry.h"
#include "platform/widgets.h"
#include "resources/menu_catalogue.h"
#include "tests/support/process_memory.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"
#include "tests/support/window_system.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

PrivateDisplay* g_display = nullptr;

enum class Way { BackButton, AltF4, WindowManagersClose, DeleteWindow, LogOut };

const char* nameOf(Way way)
{
    switch (way) {
    case Way::BackButton:
        return "back button";
    case Way::AltF4:
        return "Alt+F4";
    case Way::WindowManagersClose:
        return "window manager's close";
    case Way::DeleteWindow:
        return "WM_DELETE_WINDOW";
    case Way::LogOut:
        return "logging out";
    }
    return "";
}

// The lessons tried: a maximised card lesson, the number board whose close
// step stops its sound, the pinyin board without a close step of its own,
// and the riddles, an ordinary window not kept on top.
struct Lesson {
    const char* className;
    bool stopsOnClose;
};
const Lesson kLessons[] = {
    {"TFM_SeeColor", false},
    {"TFM_ChaiFengLiu", true},
    {"TFM_VoiceOfHanYuPinYinSM", false},
    {"TFM_CaiMiYu", false},
};

// What one visit showed.
struct Visit {
    bool shown = false;        // the lesson's window was active on the display
    bool leftRunning = false;  // its modal run went on after the close (ended by the test)
    bool windowGone = false;   // its X window no longer exists
    std::vector<std::string> log;
};

class WindowManagerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { frame::RegisterAllLessons(); }

    void SetUp() override
    {
        if (!g_display || !g_display->ready())
            GTEST_SKIP() << (g_display ? g_display->problem() : "no display");
        if (!HaveXClient())
            GTEST_SKIP() << "no xcb with XTEST";
        x = std::make_unique<XClient>(g_display->name());
        ASSERT_TRUE(x->connected());
        menu = std::make_unique<TMainForm>();
        menu->Create();
        menu->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(menu.get()));
    }
    void TearDown() override
    {
        menu.reset();
        x.reset();
    }

    // Pages the menu to the lesson's page and clicks its entry; once the
    // lesson is active on the display it is closed the given way. A modal
    // run that goes on after the close is noted and ended, so that a
    // failing visit does not stop the test.
    Visit visit(const Lesson& lesson, Way way)
    {
        const catalogue::MenuEntry* entry = catalogue::FindLessonEntry(lesson.className);
        Visit seen;
        if (!entry)
            return seen;
        while (menu->PageIndex() < entry->page && Click(menu.get(), "btn_NextPage")) {}
        while (menu->PageIndex() > entry->page && Click(menu.get(), "btn_lastpage")) {}
        rec.clear();
        uint32_t window = 0;
        QTimer::singleShot(0, menu.get(), [&] {
            frame::LessonScreen* open = frame::FormVariable(lesson.className);
            if (!open || !open->isModalRunning())
                return;
            seen.shown = QTest::qWaitForWindowActive(open);
            window = static_cast<uint32_t>(open->winId());
            switch (way) {
            case Way::BackButton: {
                QWidget* back = Find(open, "btn_backlasmenu");
                if (back)
                    x->click(back->mapToGlobal(back->rect().center()));
                break;
            }
            case Way::AltF4:
                x->altF4();
                break;
            case Way::WindowManagersClose:
                x->askWindowManagerToClose(window);
                break;
            case Way::DeleteWindow:
                x->deleteWindow(window);
                break;
            case Way::LogOut:
                // What Qt turns the session manager's end of the session
                // into: every window is asked to close, then the program ends.
                QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
                break;
            }
            // Ten seconds are far more than the X server, openbox and the
            // program take; the timer goes with the screen.
            QPointer<frame::LessonScreen> screen(open);
            QTimer::singleShot(10000, open, [&seen, screen] {
                if (!screen || !screen->isModalRunning())
                    return;
                seen.leftRunning = true;
                QCloseEvent close;
                QCoreApplication::sendEvent(screen.data(), &close);
            });
        });
        Click(menu.get(), menu->Slot(entry->slot).button->objectName().toStdString());
        seen.log = rec.log;
        // The program's own connection sends the window's end when it next
        // flushes.
        seen.windowGone = window != 0 && QTest::qWaitFor([&] { return !x->viewable(window); }, 5000);
        return seen;
    }

    // What follows the lesson's start sound: its own stop steps, then the
    // launcher's.
    std::vector<std::string> expectedAfterStart(const Lesson& lesson, Way way, const std::string& menuSound) const
    {
        std::vector<std::string> log;
        std::string current = "st";
        if (way == Way::BackButton) {
            log = StopSteps(current);
            current.clear();
        }
        if (lesson.stopsOnClose) {
            const auto stop = StopSteps(current);
            log.insert(log.end(), stop.begin(), stop.end());
        }
        const auto back = Steps({StopSteps(menuSound), PlaySteps(media.programFolder() + "mainform/", "lm")});
        log.insert(log.end(), back.begin(), back.end());
        return log;
    }
    // The log after the lesson's start sound (all of it when there is none).
    std::vector<std::string> afterStart(const Lesson& lesson, const std::vector<std::string>& log) const
    {
        const catalogue::MenuEntry* entry = catalogue::FindLessonEntry(lesson.className);
        const auto st = PlaySteps(media.programFolder() + catalogue::FolderPath(entry->folder), "st");
        const auto at = std::search(log.begin(), log.end(), st.begin(), st.end());
        return at == log.end() ? log : std::vector<std::string>(at + static_cast<long>(st.size()), log.end());
    }

    // Lesson screens still alive besides the menu.
    static int screensLeft()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<frame::LessonScreen*>(w) && !qobject_cast<TMainForm*>(w);
        return n;
    }

    RecordingPlatform rec;
    MediaFixture media{rec};
    std::unique_ptr<XClient> x;
    std::unique_ptr<TMainForm> menu;
};

TEST_F(WindowManagerTest, EveryWayOfClosingRunsTheCloseStepAndTheLaunchersCleanUp)
{
    EXPECT_EQ(x->windowManagerName(), "Openbox");
    for (const Lesson& lesson : kLessons) {
        for (const Way way : {Way::BackButton, Way::AltF4, Way::WindowManagersClose, Way::DeleteWindow}) {
            SCOPED_TRACE(std::string(lesson.className) + " closed by " + nameOf(way));
            const std::string menuSound = [&] {
                // The page the entry is on decides the menu's last sound.
                const catalogue::MenuEntry* entry = catalogue::FindLessonEntry(lesson.className);
                while (menu->PageIndex() < entry->page && Click(menu.get(), "btn_NextPage")) {}
                while (menu->PageIndex() > entry->page && Click(menu.get(), "btn_lastpage")) {}
                return menu->CurrentSoundAlias;
            }();
            const Visit seen = visit(lesson, way);
            EXPECT_TRUE(seen.shown);
            EXPECT_FALSE(seen.leftRunning) << "the modal run went on after the close";
            EXPECT_EQ(afterStart(lesson, seen.log), expectedAfterStart(lesson, way, menuSound));
            EXPECT_EQ(frame::FormVariable(lesson.className), nullptr);
            EXPECT_EQ(screensLeft(), 0);
            EXPECT_TRUE(seen.windowGone);
            EXPECT_EQ(menu->CurrentSoundAlias, "lm");
            // The menu takes the kid's input again.
            EXPECT_TRUE(QTest::qWaitForWindowActive(menu.get()));
        }
    }
}

TEST_F(WindowManagerTest, TwentyVisitsInARowEachEndWithLmAndLeaveNoMemoryBehind)
{
    const Way ways[] = {Way::AltF4, Way::WindowManagersClose, Way::DeleteWindow};
    long afterFifth = 0, afterTwentieth = 0;
    int leftRunning = 0;
    for (int i = 0; i < 20; ++i) {
        const Lesson& lesson = kLessons[i % 4];
        SCOPED_TRACE("visit " + std::to_string(i + 1) + ": " + lesson.className + " closed by " + nameOf(ways[i % 3]));
        const Visit seen = visit(lesson, ways[i % 3]);
        leftRunning += seen.leftRunning;
        const auto lm = PlaySteps(media.programFolder() + "mainform/", "lm");
        ASSERT_GE(seen.log.size(), lm.size());
        EXPECT_EQ(std::vector<std::string>(seen.log.end() - static_cast<long>(lm.size()), seen.log.end()), lm);
        EXPECT_EQ(screensLeft(), 0);
        if (i + 1 == 5)
            afterFifth = ResidentKb();
        if (i + 1 == 20)
            afterTwentieth = ResidentKb();
    }
    EXPECT_EQ(leftRunning, 0);
    std::printf("resident memory after visit 5: %ld kB, after visit 20: %ld kB\n", afterFifth, afterTwentieth);
    EXPECT_LT(afterTwentieth - afterFifth, 6 * 1024);
}

// Run last: the program is on its way out afterwards.
TEST_F(WindowManagerTest, LoggingOutClosesTheOpenLessonThroughItsCloseStepAndThenTheMenu)
{
    const Lesson& lesson = kLessons[1];
    const catalogue::MenuEntry* entry = catalogue::FindLessonEntry(lesson.className);
    while (menu->PageIndex() < entry->page && Click(menu.get(), "btn_NextPage")) {}
    const std::string menuSound = menu->CurrentSoundAlias;
    const Visit seen = visit(lesson, Way::LogOut);
    EXPECT_TRUE(seen.shown);
    EXPECT_FALSE(seen.leftRunning);
    EXPECT_EQ(afterStart(lesson, seen.log), expectedAfterStart(lesson, Way::LogOut, menuSound));
    EXPECT_EQ(frame::FormVariable(lesson.className), nullptr);
    EXPECT_EQ(screensLeft(), 0);
    EXPECT_TRUE(seen.windowGone);
    EXPECT_FALSE(menu->isVisible());
}

}  // namespace

// The lessons draw on a private Xvfb display with openbox (offscreen, and
// every test skipped, where there is none).
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    PrivateDisplay display(true);
    if (display.ready()) {
        qputenv("DISPLAY", QByteArray::fromStdString(display.name()));
        qputenv("QT_QPA_PLATFORM", "xcb");
        // No session bus to find: the accessibility bridge would otherwise
        // have dbus-launch start one.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    g_display = &display;
    int code = 0;
    {
        QApplication app(argc, argv);
        platform::installFontSubstitutions();
        code = RUN_ALL_TESTS();
    }
    return code;
}
