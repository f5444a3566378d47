#include "lessons/games/games.h"

namespace games {

void addImagineAndRescueContent(content::Manifest&) {}

}  // namespace games
