// The sound-board lessons the menu can open.
#include "lesson_frame/lesson_registry.h"
#include "lessons/soundboards/soundboards.h"

namespace frame {

void RegisterSoundBoardLessons()
{
    soundboards::RegisterSoundGridLessons();
    soundboards::RegisterPoemAndRiddleLessons();
    soundboards::RegisterPadAndBoardLessons();
}

}  // namespace frame
