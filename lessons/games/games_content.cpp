// Pictures and sounds of every game.
#include "lessons/games/games.h"

namespace games {

void addContent(content::Manifest& m)
{
    addPairMatchContent(m);
    addPatternQuizContent(m);
    addImagineAndRescueContent(m);
}

}  // namespace games
