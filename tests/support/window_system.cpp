#include "tests/support/window_system.h"

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#if QH_HAVE_XCB
#include <xcb/xcb.h>
#endif
#if QH_HAVE_XTEST
#include <xcb/xtest.h>
#endif

extern char** environ;

namespace testing_support {

void WindowManagerClose(QWidget* screen)
{
    if (QWindow* window = screen ? screen->windowHandle() : nullptr)
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(window);
}

void WindowManagerMove(QWidget* screen, const QPoint& topLeft)
{
    if (QWindow* window = screen ? screen->windowHandle() : nullptr) {
        QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
            window, QRect(topLeft, window->geometry().size()));
    }
}

namespace {

bool onPath(const char* program)
{
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string candidate = dirs.substr(start, end - start) + "/" + program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// Starts program with its output dropped, DISPLAY set to display (when not
// empty) and fd `keep` handed on as descriptor 3; -1 when it cannot start.
pid_t spawn(const std::vector<std::string>& args, const std::string& display, int keep = -1)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "DISPLAY=", 8) != 0)
            env.emplace_back(*e);
    if (!display.empty())
        env.push_back("DISPLAY=" + display);
    std::vector<char*> argv, envp;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (keep >= 0)
        posix_spawn_file_actions_adddup2(&actions, keep, 3);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void end(pid_t& pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    pid = -1;
}

#if QH_HAVE_XCB
xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return a;
}

xcb_window_t rootOf(xcb_connection_t* c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// The window named by a WINDOW property, or 0.
xcb_window_t windowProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name)
{
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, XCB_ATOM_WINDOW, 0, 1), nullptr);
    xcb_window_t out = 0;
    if (r && r->format == 32 && xcb_get_property_value_length(r) == 4)
        std::memcpy(&out, xcb_get_property_value(r), 4);
    std::free(r);
    return out;
}

std::string wmName(xcb_connection_t* c)
{
    const xcb_window_t check = windowProperty(c, rootOf(c), atom(c, "_NET_SUPPORTING_WM_CHECK"));
    if (!check)
        return {};
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, check, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), 0, 64), nullptr);
    std::string name;
    if (r)
        name.assign(static_cast<const char*>(xcb_get_property_value(r)),
                    static_cast<size_t>(xcb_get_property_value_length(r)));
    std::free(r);
    return name;
}
#endif

}  // namespace

PrivateDisplay::PrivateDisplay(bool withWindowManager)
{
#if QH_HAVE_XCB
    if (!onPath("Xvfb")) {
        problem_ = "no Xvfb";
        return;
    }
    if (withWindowManager && !onPath("openbox")) {
        problem_ = "no openbox";
        return;
    }
    // Xvfb picks a free display and writes its number to descriptor 3.
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        problem_ = "no pipe";
        return;
    }
    server_ = spawn({"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0", "1280x800x24"}, "", pipeFds[1]);
    ::close(pipeFds[1]);
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (server_ > 0 && number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd p{pipeFds[0], POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        char buf[16];
        const ssize_t n = ::read(pipeFds[0], buf, sizeof buf);
        if (n <= 0)
            break;
        number.append(buf, static_cast<size_t>(n));
    }
    ::close(pipeFds[0]);
    if (number.find('\n') == std::string::npos) {
        problem_ = "Xvfb did not start";
        return;
    }
    name_ = ":" + number.substr(0, number.find('\n'));
    xcb_connection_t* c = xcb_connect(name_.c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        problem_ = "Xvfb does not answer on " + name_;
        return;
    }
    if (withWindowManager) {
        windowManager_ = spawn({"openbox", "--sm-disable"}, name_);
        // Ready once it names itself on the root window.
        while (wmName(c).empty() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (wmName(c).empty())
            problem_ = "openbox did not start";
    }
    xcb_disconnect(c);
#else
    (void)withWindowManager;
    problem_ = "built without xcb";
#endif
}

PrivateDisplay::~PrivateDisplay()
{
    end(windowManager_);
    end(server_);
}

#if QH_HAVE_XCB && QH_HAVE_XTEST

struct XClient::Impl {
    xcb_connection_t* c = nullptr;
    xcb_window_t root = 0;

    // Waits until the server has handled every request sent so far.
    void sync() { std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); }

    xcb_keycode_t keycodeOf(xcb_keysym_t sym)
    {
        const xcb_setup_t* setup = xcb_get_setup(c);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* r = xcb_get_keyboard_mapping_reply(
            c, xcb_get_keyboard_mapping(c, setup->min_keycode, static_cast<uint8_t>(count)), nullptr);
        xcb_keycode_t found = 0;
        if (r) {
            const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(r);
            for (int k = 0; k < count && !found; ++k)
                for (int i = 0; i < r->keysyms_per_keycode; ++i)
                    if (syms[k * r->keysyms_per_keycode + i] == sym)
                        found = static_cast<xcb_keycode_t>(setup->min_keycode + k);
        }
        std::free(r);
        return found;
    }

    void fake(uint8_t type, uint8_t detail, int16_t x = 0, int16_t y = 0)
    {
        xcb_test_fake_input(c, type, detail, XCB_CURRENT_TIME, type == XCB_MOTION_NOTIFY ? root : XCB_NONE, x, y, 0);
    }

    void sendClientMessage(xcb_window_t to, uint32_t mask, xcb_window_t window, xcb_atom_t type,
                           std::initializer_list<uint32_t> data)
    {
        xcb_client_message_event_t ev{};
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = window;
        ev.type = type;
        int i = 0;
        for (uint32_t d : data)
            ev.data.data32[i++] = d;
        xcb_send_event(c, 0, to, mask, reinterpret_cast<const char*>(&ev));
        sync();
    }
};

bool HaveXClient()
{
    return true;
}

XClient::XClient(const std::string& display) : impl_(new Impl)
{
    impl_->c = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(impl_->c)) {
        xcb_disconnect(impl_->c);
        impl_->c = nullptr;
        return;
    }
    impl_->root = rootOf(impl_->c);
}

XClient::~XClient()
{
    if (impl_->c)
        xcb_disconnect(impl_->c);
    delete impl_;
}

bool XClient::connected() const
{
    return impl_->c != nullptr;
}

void XClient::altF4()
{
    const xcb_keycode_t alt = impl_->keycodeOf(0xffe9), f4 = impl_->keycodeOf(0xffc1);  // Alt_L, F4
    impl_->fake(XCB_KEY_PRESS, alt);
    impl_->fake(XCB_KEY_PRESS, f4);
    impl_->fake(XCB_KEY_RELEASE, f4);
    impl_->fake(XCB_KEY_RELEASE, alt);
    impl_->sync();
}

void XClient::click(const QPoint& global)
{
    impl_->fake(XCB_MOTION_NOTIFY, 0, static_cast<int16_t>(global.x()), static_cast<int16_t>(global.y()));
    impl_->sync();
    impl_->fake(XCB_BUTTON_PRESS, 1);
    impl_->fake(XCB_BUTTON_RELEASE, 1);
    impl_->sync();
}

void XClient::askWindowManagerToClose(uint32_t window)
{
    // Source 2: a pager or task bar, which openbox obeys as its own button.
    impl_->sendClientMessage(impl_->root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                             window, atom(impl_->c, "_NET_CLOSE_WINDOW"), {XCB_CURRENT_TIME, 2});
}

void XClient::deleteWindow(uint32_t window)
{
    impl_->sendClientMessage(window, XCB_EVENT_MASK_NO_EVENT, window, atom(impl_->c, "WM_PROTOCOLS"),
                             {atom(impl_->c, "WM_DELETE_WINDOW"), XCB_CURRENT_TIME});
}

bool XClient::viewable(uint32_t window)
{
    xcb_get_window_attributes_reply_t* r =
        xcb_get_window_attributes_reply(impl_->c, xcb_get_window_attributes(impl_->c, window), nullptr);
    const bool out = r && r->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(r);
    return out;
}

std::string XClient::windowManagerName()
{
    return wmName(impl_->c);
}

#else

struct XClient::Impl {};
bool HaveXClient()
{
    return false;
}
XClient::XClient(const std::string&) : impl_(new Impl) {}
XClient::~XClient()
{
    delete impl_;
}
bool XClient::connected() const
{
    return false;
}
void XClient::altF4() {}
void XClient::click(const QPoint&) {}
void XClient::askWindowManagerToClose(uint32_t) {}
void XClient::deleteWindow(uint32_t) {}
bool XClient::viewable(uint32_t)
{
    return false;
}
std::string XClient::windowManagerName()
{
    return {};
}

#endif

}  // namespace testing_support
