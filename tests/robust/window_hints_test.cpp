// Every screen asks for a title bar with its caption and no buttons: the
// window flags, and on a real X server the Motif hints the program's main
// window carries (border and title decorations; no minimise, maximise or
// close function).
#include "app/lesson_families.h"
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "lesson_frame/lesson_screen.h"
#include "resources/menu_catalogue.h"
#include "platform/widgets.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#if QH_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include <cstdlib>
#include <random>

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
    // flags: functions and decorations; functions: resize, move; decorations: border, title.
    EXPECT_EQ(platform::screenMotifHints(), (std::array<uint32_t, 5>{0x3, 0x6, 0xA, 0, 0}));
}

#if QH_HAVE_XCB
// The _MOTIF_WM_HINTS of the mapped top-level window named `title`, empty
// until there is one.
std::vector<uint32_t> motifHintsOf(xcb_connection_t* c, const QByteArray& title)
{
    auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(r);
        return a;
    };
    const xcb_atom_t motif = atom("_MOTIF_WM_HINTS"), netName = atom("_NET_WM_NAME");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr);
    std::vector<uint32_t> out;
    if (!tree)
        return out;
    const xcb_window_t* kids = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && out.empty(); ++i) {
        xcb_get_property_reply_t* name = xcb_get_property_reply(
            c, xcb_get_property(c, 0, kids[i], netName, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        const bool named = name && QByteArray(static_cast<const char*>(xcb_get_property_value(name)),
                                              xcb_get_property_value_length(name)) == title;
        std::free(name);
        // Read once the window is mapped: the hints it was shown with.
        xcb_get_window_attributes_reply_t* attrs =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, kids[i]), nullptr);
        const bool match = named && attrs && attrs->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attrs);
        if (!match)
            continue;
        xcb_get_property_reply_t* hints =
            xcb_get_property_reply(c, xcb_get_property(c, 0, kids[i], motif, motif, 0, 5), nullptr);
        if (hints && xcb_get_property_value_length(hints) == 20) {
            const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(hints));
            out.assign(v, v + 5);
        }
        std::free(hints);
    }
    std::free(tree);
    return out;
}

TEST(WindowHints, TheMainWindowCarriesThemOnARealXServer)
{
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty())
        GTEST_SKIP() << "no Xvfb";
    std::mt19937 rng(static_cast<unsigned>(QCoreApplication::applicationPid()));
    const int display = 200 + static_cast<int>(rng() % 500);
    QProcess server;
    server.start(xvfb, {QString(":%1").arg(display), "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
    ASSERT_TRUE(server.waitForStarted(5000));
    const QByteArray name = QByteArray(":") + QByteArray::number(display);
    xcb_connection_t* c = nullptr;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
        c = xcb_connect(name.constData(), nullptr);
        if (!xcb_connection_has_error(c))
            break;
        xcb_disconnect(c);
        c = nullptr;
        QThread::msleep(50);
    }
    ASSERT_NE(c, nullptr) << "Xvfb did not come up";

    QTemporaryDir folder, runtime;
    const QString program = folder.path() + "/qinghe";
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/qinghe", program));
    QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", name);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    app.setProcessEnvironment(env);
    app.start(program, {});
    ASSERT_TRUE(app.waitForStarted(5000));
    std::vector<uint32_t> hints;
    t.restart();
    while (hints.empty() && t.elapsed() < 15000) {
        QThread::msleep(50);
        hints = motifHintsOf(c, QByteArray("青禾幼儿智能早教系统"));
    }
    app.kill();
    app.waitForFinished(5000);
    xcb_disconnect(c);
    server.kill();
    server.waitForFinished(5000);
    ASSERT_EQ(hints.size(), 5u) << "no main window with Motif hints";
    const auto expected = platform::screenMotifHints();
    EXPECT_EQ(hints, std::vector<uint32_t>(expected.begin(), expected.end()));
}
#endif

}  // namespace
