// Pictures and sounds of the cards lessons.
#include "resources/content.h"

namespace content {

void addCardContent(Manifest&) {}

}  // namespace content
