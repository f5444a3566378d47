// Pictures and sounds of the sound-board lessons.
#include "lessons/soundboards/soundboards.h"

namespace content {

void addSoundBoardContent(Manifest& m)
{
    soundboards::addSoundGridContent(m);
    soundboards::addPoemAndRiddleContent(m);
    soundboards::addPadAndBoardContent(m);
}

}  // namespace content
