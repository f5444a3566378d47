// The games lessons the menu can open.
#include "lesson_frame/lesson_registry.h"

namespace frame {

void RegisterGameLessons() {}

}  // namespace frame
