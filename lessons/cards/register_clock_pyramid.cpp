#include "lessons/cards/cards.h"

namespace cards {

void RegisterClockAndPyramidLessons() {}

}  // namespace cards
