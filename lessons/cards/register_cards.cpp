// The cards lessons the menu can open.
#include "lesson_frame/lesson_registry.h"

namespace frame {

void RegisterCardLessons() {}

}  // namespace frame
