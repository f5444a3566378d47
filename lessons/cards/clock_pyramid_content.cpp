// Pictures and sounds of the clock and fruit pyramid lessons.
#include "lessons/cards/cards.h"

namespace cards {

void addClockAndPyramidContent(content::Manifest&) {}

}  // namespace cards
