#include "lessons/games/games.h"

namespace games {

void addPatternQuizContent(content::Manifest&) {}

}  // namespace games
