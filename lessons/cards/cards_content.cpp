// Pictures and sounds of the card lessons.
#include "lessons/cards/cards.h"

namespace cards {

void addContent(content::Manifest& m)
{
    addPagedCardContent(m);
    addClockAndPyramidContent(m);
}

}  // namespace cards
