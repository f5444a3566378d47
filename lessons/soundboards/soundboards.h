// The sound-board lessons' registration and content, in three groups: the
// sound grids, body parts and number grids; the Tang poems and riddles; the
// calculator pads and number-combination boards.
#pragma once

#include "resources/content.h"

namespace soundboards {

void RegisterSoundGridLessons();
void RegisterPoemAndRiddleLessons();
void RegisterPadAndBoardLessons();

void addSoundGridContent(content::Manifest& m);
void addPoemAndRiddleContent(content::Manifest& m);
void addPadAndBoardContent(content::Manifest& m);

}  // namespace soundboards
