#include "tests/support/window_system.h"

#include <QRect>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace testing_support {

void WindowManagerClose(QWidget* screen)
{
    if (QWindow* window = screen ? screen->windowHandle() : nullptr)
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(window);
}

}  // namespace testing_support

namespace testing_support {

void WindowManagerMove(QWidget* screen, const QPoint& topLeft)
{
    if (QWindow* window = screen ? screen->windowHandle() : nullptr) {
        QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
            window, QRect(topLeft, window->geometry().size()));
    }
}

}  // namespace testing_support
