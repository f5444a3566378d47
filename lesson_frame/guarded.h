// The screens' "catch every error and drop it" blocks: a failure ends the
// block at that point and what was already changed stays. The child sees and
// hears nothing of it; one warning line on standard error says what failed
// and in which screen.
#pragma once

#include <exception>
#include <string>

namespace frame {

// Names the screen whose creation step or handler is running, for the
// warnings of the blocks it runs; scopes nest (a lesson opened from the menu).
class ScreenScope {
public:
    explicit ScreenScope(std::string screen);
    ~ScreenScope();
    ScreenScope(const ScreenScope&) = delete;
    ScreenScope& operator=(const ScreenScope&) = delete;
    // The innermost screen's name, or "" outside every scope.
    static const std::string& Current();

private:
    std::string previous_;
};

// One warning line for an error that is dropped: the current screen and
// what the error says.
void ReportDropped(const std::exception_ptr& error) noexcept;

template <class F>
bool Guarded(F&& body) noexcept
{
    try {
        body();
        return true;
    } catch (...) {
        ReportDropped(std::current_exception());
        return false;
    }
}

}  // namespace frame
