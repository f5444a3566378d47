// The sound-board lessons' registration and content, in three groups: the
// sound grids, body parts and number grids; the Tang poems and riddles; the
// calculator pads and number-combination boards.
#pragma once

#include "resources/content.h"

namespace soundboards {

// Every sound-board lesson, for the launcher, and their pictures and sounds.
void RegisterLessons();
void addContent(content::Manifest& m);

void RegisterSoundGridLessons();
void RegisterPoemAndRiddleLessons();
void RegisterPadAndBoardLessons();

void addSoundGridContent(content::Manifest& m);
void addPoemAndRiddleContent(content::Manifest& m);
void addPadAndBoardContent(content::Manifest& m);

}  // namespace soundboards
