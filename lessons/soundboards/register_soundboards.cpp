// The sound-board lessons the menu can open.
#include "lessons/soundboards/soundboards.h"

namespace soundboards {

void RegisterLessons()
{
    RegisterSoundGridLessons();
    RegisterPoemAndRiddleLessons();
    RegisterPadAndBoardLessons();
}

}  // namespace soundboards
