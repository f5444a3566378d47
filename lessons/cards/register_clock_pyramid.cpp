// The clock and fruit pyramid lessons the menu can open.
#include "lesson_frame/lesson_registry.h"
#include "lessons/cards/cards.h"
#include "lessons/cards/form_SeeShiZhong.h"
#include "lessons/cards/form_VoiceOfABCSing.h"

namespace cards {

void RegisterClockAndPyramidLessons()
{
    frame::RegisterLessonClass<TFM_SeeShiZhong>("TFM_SeeShiZhong");
    frame::RegisterLessonClass<TFM_VoiceOfABCSing>("TFM_VoiceOfABCSing");
}

}  // namespace cards
