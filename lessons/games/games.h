// The games' registration and content: the pair-match quizzes, the
// find-the-rule quizzes, and imagine-the-animal with the rescue game.
#pragma once

#include "resources/content.h"

namespace games {

// Every game, for the launcher, and their pictures and sounds.
void RegisterLessons();
void addContent(content::Manifest& m);

void RegisterPairMatchLessons();
void RegisterPatternQuizLessons();
void RegisterImagineAndRescueLessons();

void addPairMatchContent(content::Manifest& m);
void addPatternQuizContent(content::Manifest& m);
void addImagineAndRescueContent(content::Manifest& m);

}  // namespace games
