// The soundboards lessons the menu can open.
#include "lesson_frame/lesson_registry.h"

namespace frame {

void RegisterSoundBoardLessons() {}

}  // namespace frame
