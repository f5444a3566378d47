// A screen step that catches every error and carries on, as the games'
// builders, loaders and checks do: what was already changed stays, the kid
// sees nothing, and one line on standard error says what failed and where.
#pragma once

#include "lesson_frame/lesson_screen.h"

#include <QtGlobal>

#include <exception>

namespace games {

template <class F>
bool GuardedStep(const frame::LessonScreen& screen, const char* step, F&& body) noexcept
{
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        qWarning("%s: %s stopped: %s", screen.Settings().className.c_str(), step, e.what());
    } catch (...) {
        qWarning("%s: %s stopped", screen.Settings().className.c_str(), step);
    }
    return false;
}

}  // namespace games
