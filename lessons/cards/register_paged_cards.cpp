#include "lessons/cards/cards.h"

namespace cards {

void RegisterPagedCardLessons() {}

}  // namespace cards
