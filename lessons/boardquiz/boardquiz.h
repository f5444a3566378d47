// The board find quizzes' registration and content.
#pragma once

#include "resources/content.h"

namespace boardquiz {

// Both quizzes, for the launcher, and their pictures and sounds.
void RegisterLessons();
void addContent(content::Manifest& m);

}  // namespace boardquiz
