// The screens' "catch every error and drop it" blocks: a failure ends the
// block at that point, silently, and what was already changed stays.
#pragma once

#include <exception>

namespace frame {

template <class F>
bool Guarded(F&& body) noexcept
{
    try {
        body();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace frame
