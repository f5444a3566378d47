#include "lessons/soundboards/soundboards.h"

namespace soundboards {

void RegisterPadAndBoardLessons() {}

}  // namespace soundboards
