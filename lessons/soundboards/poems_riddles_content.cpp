#include "lessons/soundboards/soundboards.h"

namespace soundboards {

void addPoemAndRiddleContent(content::Manifest&) {}

}  // namespace soundboards
