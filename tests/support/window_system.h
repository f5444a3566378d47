// Events as the window system delivers them (the window manager's close
// request), for the screens' tests; and a real X server with openbox for
// the tests where the window manager matters, with a client of its own that
// presses keys, clicks and asks windows to close as a desktop does.
#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

class QPoint;
class QWidget;

namespace testing_support {

// The window manager asks the screen's window to close (the title bar's
// close, Alt+F4), delivered at once.
void WindowManagerClose(QWidget* screen);
// The window manager moves the screen's window (a drag of the title bar).
void WindowManagerMove(QWidget* screen, const QPoint& topLeft);

// A private X server: Xvfb on a display number it picks itself, with
// openbox on it when asked; both end with the object.
class PrivateDisplay {
public:
    explicit PrivateDisplay(bool withWindowManager);
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

    // The server answers, and the window manager (when asked for) runs.
    bool ready() const { return problem_.empty(); }
    // Why it is not ready ("no Xvfb", ...).
    const std::string& problem() const { return problem_; }
    // ":N", for DISPLAY.
    const std::string& name() const { return name_; }

private:
    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    std::string name_;
    std::string problem_;
};

// Whether the X client below can be used (xcb with XTEST was found).
bool HaveXClient();

// A client of the display other than the program: what a kid's mouse and
// keyboard, the window manager's own buttons or a session manager send.
class XClient {
public:
    explicit XClient(const std::string& display);
    ~XClient();
    XClient(const XClient&) = delete;
    XClient& operator=(const XClient&) = delete;
    bool connected() const;

    // Alt+F4 through the X server's test extension, as a keyboard types it.
    void altF4();
    // A left click at a point of the root window.
    void click(const QPoint& global);
    // The window manager's close of a window (its close button, a task bar):
    // _NET_CLOSE_WINDOW to the root window.
    void askWindowManagerToClose(uint32_t window);
    // WM_DELETE_WINDOW straight to the window, as a session manager sends
    // it when the desktop logs out.
    void deleteWindow(uint32_t window);
    // The window exists and is mapped.
    bool viewable(uint32_t window);
    // The window manager's name (_NET_WM_NAME of its check window).
    std::string windowManagerName();

private:
    struct Impl;
    Impl* impl_;
};

}  // namespace testing_support
