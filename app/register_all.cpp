#include "lesson_frame/lesson_registry.h"

namespace frame {

void RegisterAllLessons()
{
    RegisterCardLessons();
    RegisterSoundBoardLessons();
    RegisterGameLessons();
    RegisterBoardQuizLessons();
}

}  // namespace frame
