// Events as the window system delivers them (the window manager's close
// request), for the screens' tests.
#pragma once

class QPoint;
class QWidget;

namespace testing_support {

// The window manager asks the screen's window to close (the title bar's
// close, Alt+F4), delivered at once.
void WindowManagerClose(QWidget* screen);
// The window manager moves the screen's window (a drag of the title bar).
void WindowManagerMove(QWidget* screen, const QPoint& topLeft);

}  // namespace testing_support
