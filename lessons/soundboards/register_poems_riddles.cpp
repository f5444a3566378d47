// The Tang poems and riddles lessons: each a screen of its own.
#include "lesson_frame/lesson_registry.h"
#include "lessons/soundboards/form_CaiMiYu.h"
#include "lessons/soundboards/form_Tangshi.h"
#include "lessons/soundboards/soundboards.h"

namespace soundboards {

void RegisterPoemAndRiddleLessons()
{
    frame::RegisterLessonClass<TFM_tangshi>("TFM_tangshi");
    frame::RegisterLessonClass<TFM_CaiMiYu>("TFM_CaiMiYu");
}

}  // namespace soundboards
