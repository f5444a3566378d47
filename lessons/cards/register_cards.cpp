// The card lessons the menu can open.
#include "lesson_frame/lesson_registry.h"
#include "lessons/cards/cards.h"

namespace frame {

void RegisterCardLessons()
{
    cards::RegisterPagedCardLessons();
    cards::RegisterClockAndPyramidLessons();
}

}  // namespace frame
