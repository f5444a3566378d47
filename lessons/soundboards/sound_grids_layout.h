// Looking up the widgets of the sound grids', body parts' and number grids'
// layouts by name: a layout without a name the tables give is a build fault,
// so it stops the screen's construction instead of leaving a dead button.
#pragma once

#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace soundboards::grids {

template <class T>
T* Child(QWidget* screen, const std::string& name)
{
    T* w = screen->findChild<T*>(QString::fromStdString(name));
    if (!w)
        throw std::logic_error("the layout has no " + name);
    return w;
}

}  // namespace soundboards::grids
