#include "lessons/soundboards/soundboards.h"

namespace soundboards {

void RegisterSoundGridLessons() {}

}  // namespace soundboards
