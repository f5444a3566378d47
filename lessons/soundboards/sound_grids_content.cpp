#include "lessons/soundboards/soundboards.h"

namespace soundboards {

void addSoundGridContent(content::Manifest&) {}

}  // namespace soundboards
