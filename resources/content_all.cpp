#include "resources/content.h"

namespace content {

Manifest collectAll()
{
    Manifest m;
    addMainFormContent(m);
    addCardContent(m);
    addSoundBoardContent(m);
    addGameContent(m);
    addBoardQuizContent(m);
    return m;
}

}  // namespace content
