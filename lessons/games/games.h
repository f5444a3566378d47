// The games' registration and content beyond the pair-match quizzes, in two
// groups: the find-the-rule quizzes; imagine-the-animal and the rescue game.
#pragma once

#include "resources/content.h"

namespace games {

void RegisterPatternQuizLessons();
void RegisterImagineAndRescueLessons();

void addPatternQuizContent(content::Manifest& m);
void addImagineAndRescueContent(content::Manifest& m);

}  // namespace games
