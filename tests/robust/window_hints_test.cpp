// Every screen asks for a title bar with its caption and no buttons: the
// window flags, and on a real X server the Motif hints the program's main
// window carries (border and title decorations; no function), and under
// openbox the toolbar type and the actions openbox then allows.
#include "app/lesson_families.h"
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "lesson_frame/lesson_screen.h"
#include "resources/menu_catalogue.h"
#include "platform/widgets.h"
#include "tests/robust/program_copy.h"
#include "tests/support/window_system.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#if QH_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include <cstdlib>
#include <set>
#include <string>

namespace {

TEST(WindowHints, EveryScreenHasATitleBarWithoutButtons)
{
    const Qt::WindowFlags buttons = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint |
                                    Qt::WindowContextHelpButtonHint;
    frame::RegisterAllLessons();
    std::vector<std::pair<std::string, std::unique_ptr<QWidget>>> screens;
    screens.emplace_back("TMainForm", std::make_unique<TMainForm>());
    for (const catalogue::MenuEntry& e : catalogue::kMenu)
        if (const frame::LessonFactory* make = frame::FindLesson(e.className))
            screens.emplace_back(e.className, std::unique_ptr<QWidget>((*make)()));
    EXPECT_GT(screens.size(), 1u);  // the lessons built so far
    for (const auto& [name, widget] : screens) {
        SCOPED_TRACE(name);
        const Qt::WindowFlags f = widget->windowFlags();
        EXPECT_TRUE(f.testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(f.testFlag(Qt::WindowTitleHint));
        EXPECT_FALSE(f & buttons);
        EXPECT_FALSE(f.testFlag(Qt::FramelessWindowHint));
    }
    // flags: functions and decorations; functions: none; decorations: border, title.
    EXPECT_EQ(platform::screenMotifHints(), (std::array<uint32_t, 5>{0x3, 0x0, 0xA, 0, 0}));
    // Only under openbox is the window a toolbar (its sole way to drop minimise and maximise).
    EXPECT_STREQ(platform::screenWindowType("Openbox"), "_NET_WM_WINDOW_TYPE_TOOLBAR");
    for (const char* other : {"", "Xfwm4", "KWin", "Mutter (Muffin)", "openbox"})
        EXPECT_EQ(platform::screenWindowType(other), nullptr) << other;
}

#if QH_HAVE_XCB
xcb_atom_t atomNamed(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return a;
}

// What a window manager sees of the mapped window named `title`; empty
// hints until there is one.
struct SeenWindow {
    std::vector<uint32_t> motif;       // _MOTIF_WM_HINTS
    std::vector<std::string> types;    // _NET_WM_WINDOW_TYPE
    std::vector<std::string> allowed;  // _NET_WM_ALLOWED_ACTIONS (set by the window manager)
    uint32_t window = 0;
};

std::vector<uint32_t> property32(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name, xcb_atom_t type)
{
    xcb_get_property_reply_t* r = xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, 64), nullptr);
    std::vector<uint32_t> out;
    if (r && r->format == 32) {
        const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r));
        out.assign(v, v + xcb_get_property_value_length(r) / 4);
    }
    std::free(r);
    return out;
}

std::vector<std::string> atomNames(xcb_connection_t* c, const std::vector<uint32_t>& atoms)
{
    std::vector<std::string> names;
    for (uint32_t a : atoms) {
        xcb_get_atom_name_reply_t* r = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, a), nullptr);
        if (r)
            names.emplace_back(xcb_get_atom_name_name(r), xcb_get_atom_name_name_length(r));
        std::free(r);
    }
    return names;
}

// Looks through the top-level windows and, under a window manager, the
// children of its frames.
bool findWindow(xcb_connection_t* c, xcb_window_t parent, const QByteArray& title, SeenWindow& seen, int depth = 0)
{
    const xcb_atom_t motif = atomNamed(c, "_MOTIF_WM_HINTS"), netName = atomNamed(c, "_NET_WM_NAME");
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr);
    if (!tree)
        return false;
    const xcb_window_t* kids = xcb_query_tree_children(tree);
    bool found = false;
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
        xcb_get_property_reply_t* name = xcb_get_property_reply(
            c, xcb_get_property(c, 0, kids[i], netName, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        const bool named = name && QByteArray(static_cast<const char*>(xcb_get_property_value(name)),
                                              xcb_get_property_value_length(name)) == title;
        std::free(name);
        // Read once the window is mapped: the hints it was shown with.
        xcb_get_window_attributes_reply_t* attrs =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, kids[i]), nullptr);
        const bool mapped = attrs && attrs->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attrs);
        if (named && mapped) {
            seen.window = kids[i];
            seen.motif = property32(c, kids[i], motif, motif);
            seen.types = atomNames(c, property32(c, kids[i], atomNamed(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM));
            seen.allowed = atomNames(c, property32(c, kids[i], atomNamed(c, "_NET_WM_ALLOWED_ACTIONS"), XCB_ATOM_ATOM));
            found = seen.motif.size() == 5;
        } else if (depth < 2 && mapped) {
            found = findWindow(c, kids[i], title, seen, depth + 1);
        }
    }
    std::free(tree);
    return found;
}

// The program on a private Xvfb display, under openbox when asked, with its
// main window as the window manager sees it.
struct ProgramOnADisplay {
    explicit ProgramOnADisplay(bool underOpenbox) : display(underOpenbox)
    {
        if (!display.ready())
            return;
        c = xcb_connect(display.name().c_str(), nullptr);
        app.setEnv("DISPLAY", QString::fromStdString(display.name()));
        app.setEnv("QT_QPA_PLATFORM", "xcb");
        // No session bus to find: without one, the accessibility bridge has
        // dbus-launch start one, forking while the program's threads run
        // (which AddressSanitizer's allocator does not survive).
        app.setEnv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        EXPECT_TRUE(app.start());
        QElapsedTimer t;
        t.start();
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        // Under a window manager, wait until it has also judged the window.
        while (t.elapsed() < 15000 && !(findWindow(c, root, QByteArray("青禾幼儿智能早教系统"), seen) &&
                                        (!underOpenbox || !seen.allowed.empty())))
            QThread::msleep(50);
    }
    ~ProgramOnADisplay()
    {
        app.process.kill();
        app.process.waitForFinished(5000);
        if (c)
            xcb_disconnect(c);
    }
    testing_support::PrivateDisplay display;
    xcb_connection_t* c = nullptr;
    robust_test::ProgramCopy app;
    SeenWindow seen;
};

TEST(WindowHints, TheMainWindowCarriesThemOnARealXServer)
{
    ProgramOnADisplay run(false);
    if (!run.display.ready())
        GTEST_SKIP() << run.display.problem();
    const SeenWindow& seen = run.seen;
    ASSERT_EQ(seen.motif.size(), 5u) << "no main window with Motif hints";
    const auto expected = platform::screenMotifHints();
    EXPECT_EQ(seen.motif, std::vector<uint32_t>(expected.begin(), expected.end()));
}

// Openbox draws a title bar with the caption and the close button only, and
// neither moves, resizes, minimises nor maximises the window.
TEST(WindowHints, UnderOpenboxOnlyCloseIsLeft)
{
    ProgramOnADisplay run(true);
    if (!run.display.ready())
        GTEST_SKIP() << run.display.problem();
    const SeenWindow& seen = run.seen;
    ASSERT_EQ(seen.motif.size(), 5u) << "no main window under openbox";
    const auto expected = platform::screenMotifHints();
    EXPECT_EQ(seen.motif, std::vector<uint32_t>(expected.begin(), expected.end()));
    EXPECT_EQ(seen.types, std::vector<std::string>{"_NET_WM_WINDOW_TYPE_TOOLBAR"});
    ASSERT_FALSE(seen.allowed.empty()) << "openbox did not judge the window";
    const std::set<std::string> allowed(seen.allowed.begin(), seen.allowed.end());
    EXPECT_TRUE(allowed.count("_NET_WM_ACTION_CLOSE"));  // Alt+F4 still reaches the window
    for (const char* refused :
         {"_NET_WM_ACTION_MOVE", "_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
          "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_FULLSCREEN"})
        EXPECT_FALSE(allowed.count(refused)) << refused;
}
// The main window closed by the window manager ends the program as the
// exit question's Yes does.
TEST(WindowHints, UnderOpenboxClosingTheMainWindowEndsTheProgram)
{
    enum class Way { AltF4, WindowManagersClose, DeleteWindow };
    for (const Way way : {Way::AltF4, Way::WindowManagersClose, Way::DeleteWindow}) {
        SCOPED_TRACE(static_cast<int>(way));
        ProgramOnADisplay run(true);
        if (!run.display.ready())
            GTEST_SKIP() << run.display.problem();
        if (!testing_support::HaveXClient())
            GTEST_SKIP() << "no xcb with XTEST";
        ASSERT_NE(run.seen.window, 0u) << "no main window";
        testing_support::XClient x(run.display.name());
        switch (way) {
        case Way::AltF4:
            x.altF4();
            break;
        case Way::WindowManagersClose:
            x.askWindowManagerToClose(run.seen.window);
            break;
        case Way::DeleteWindow:
            x.deleteWindow(run.seen.window);
            break;
        }
        ASSERT_TRUE(run.app.process.waitForFinished(10000)) << "still running";
        EXPECT_EQ(run.app.process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.app.process.exitCode(), 0);
    }
}
#endif

}  // namespace
