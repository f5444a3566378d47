// The lessons that exist, by class name, for the menu's launcher.
#pragma once

#include <functional>
#include <string>

namespace frame {

class LessonScreen;

// Allocates a lesson screen (its FormCreate has not run yet).
using LessonFactory = std::function<LessonScreen*()>;

void RegisterLesson(const std::string& className, LessonFactory factory);
// nullptr when the lesson is not built.
const LessonFactory* FindLesson(const std::string& className);
// The lesson unit's form variable: the open screen, or nullptr.
LessonScreen*& FormVariable(const std::string& className);

template <class T>
void RegisterLessonClass(const std::string& className)
{
    RegisterLesson(className, [] { return static_cast<LessonScreen*>(new T); });
}

}  // namespace frame
