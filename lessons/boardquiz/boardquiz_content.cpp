// Pictures and sounds of the boardquiz lessons.
#include "resources/content.h"

namespace content {

void addBoardQuizContent(Manifest&) {}

}  // namespace content
