// Pictures and sounds of the card lessons.
#include "lessons/cards/cards.h"

namespace content {

void addCardContent(Manifest& m)
{
    cards::addPagedCardContent(m);
    cards::addClockAndPyramidContent(m);
}

}  // namespace content
