#include "lessons/soundboards/soundboards.h"

namespace soundboards {

void addPadAndBoardContent(content::Manifest&) {}

}  // namespace soundboards
