// Pictures and sounds of the sound-board lessons.
#include "lessons/soundboards/soundboards.h"

namespace soundboards {

void addContent(content::Manifest& m)
{
    addSoundGridContent(m);
    addPoemAndRiddleContent(m);
    addPadAndBoardContent(m);
}

}  // namespace soundboards
