// Pictures and sounds of the paged and single-page card lessons.
#include "lessons/cards/cards.h"

namespace cards {

void addPagedCardContent(content::Manifest&) {}

}  // namespace cards
