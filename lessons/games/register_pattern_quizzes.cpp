#include "lessons/games/games.h"

namespace games {

void RegisterPatternQuizLessons() {}

}  // namespace games
