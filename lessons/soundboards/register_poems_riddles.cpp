#include "lessons/soundboards/soundboards.h"

namespace soundboards {

void RegisterPoemAndRiddleLessons() {}

}  // namespace soundboards
