#include "lesson_frame/lesson_registry.h"

#include <map>

namespace frame {

namespace {
struct Registered {
    LessonFactory factory;
    LessonScreen* formVariable = nullptr;
};
std::map<std::string, Registered>& registry()
{
    static std::map<std::string, Registered> r;
    return r;
}
}  // namespace

void RegisterLesson(const std::string& className, LessonFactory factory)
{
    registry()[className].factory = std::move(factory);
}

const LessonFactory* FindLesson(const std::string& className)
{
    auto it = registry().find(className);
    return it == registry().end() || !it->second.factory ? nullptr : &it->second.factory;
}

LessonScreen*& FormVariable(const std::string& className)
{
    return registry()[className].formVariable;
}

}  // namespace frame
