// Pictures and sounds of the soundboards lessons.
#include "resources/content.h"

namespace content {

void addSoundBoardContent(Manifest&) {}

}  // namespace content
