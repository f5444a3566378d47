#include "app/lesson_families.h"
#include "lessons/boardquiz/boardquiz.h"
#include "lessons/cards/cards.h"
#include "lessons/games/games.h"
#include "lessons/soundboards/soundboards.h"

namespace frame {

void RegisterAllLessons()
{
    cards::RegisterLessons();
    soundboards::RegisterLessons();
    games::RegisterLessons();
    boardquiz::RegisterLessons();
}

}  // namespace frame
