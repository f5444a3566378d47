// Looking up a screen's widgets by the names its layout gives them. A layout
// that lacks a name the code binds is a build fault: the lookup throws, so the
// screen fails to open with a reason instead of showing a dead button.
#pragma once

#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace frame {

template <class T>
T* LayoutWidget(QWidget* screen, const std::string& name)
{
    T* widget = screen->findChild<T*>(QString::fromStdString(name));
    if (!widget)
        throw std::logic_error("the layout has no " + name);
    return widget;
}

}  // namespace frame
