#include "tools/content_gen/all_content.h"

#include "app/mainform_content.h"
#include "lessons/boardquiz/boardquiz.h"
#include "lessons/cards/cards.h"
#include "lessons/games/games.h"
#include "lessons/soundboards/soundboards.h"

namespace content {

Manifest collectAll()
{
    Manifest m;
    addMainFormContent(m);
    cards::addContent(m);
    soundboards::addContent(m);
    games::addContent(m);
    boardquiz::addContent(m);
    return m;
}

}  // namespace content
