// The pads' and boards' "catch and carry on" blocks: a failure ends the
// block, is noted on standard error with the screen and the step, and is
// never shown to the child.
#pragma once

#include <QtGlobal>

#include <exception>

namespace soundboards::padboard {

template <class F>
void CarryOn(const char* screen, const char* what, F&& body) noexcept
{
    try {
        body();
    } catch (const std::exception& e) {
        qWarning("%s: %s failed: %s", screen, what, e.what());
    } catch (...) {
        qWarning("%s: %s failed", screen, what);
    }
}

}  // namespace soundboards::padboard
