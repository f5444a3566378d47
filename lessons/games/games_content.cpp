// Pictures and sounds of the games lessons.
#include "resources/content.h"

namespace content {

void addGameContent(Manifest&) {}

}  // namespace content
