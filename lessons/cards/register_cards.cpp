// The card lessons the menu can open.
#include "lessons/cards/cards.h"

namespace cards {

void RegisterLessons()
{
    RegisterPagedCardLessons();
    RegisterClockAndPyramidLessons();
}

}  // namespace cards
