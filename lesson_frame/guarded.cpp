#include "lesson_frame/guarded.h"

#include <QtGlobal>

#include <stdexcept>

namespace frame {

namespace {
thread_local std::string current;
}  // namespace

ScreenScope::ScreenScope(std::string screen) : previous_(std::move(current))
{
    current = std::move(screen);
}

ScreenScope::~ScreenScope()
{
    current = std::move(previous_);
}

const std::string& ScreenScope::Current()
{
    return current;
}

void ReportDropped(const std::exception_ptr& error) noexcept
{
    try {
        std::string what = "unknown error";
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            what = e.what();
        } catch (...) {}
        const std::string& screen = current.empty() ? std::string("program") : current;
        qWarning("%s: %s (ignored)", screen.c_str(), what.c_str());
    } catch (...) {}
}

}  // namespace frame
