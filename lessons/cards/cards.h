// The card lessons' registration and content, in two groups: the paged and
// single-page card lessons, and the clock and fruit pyramid lessons.
#pragma once

#include "resources/content.h"

namespace cards {

// Every card lesson, for the launcher.
void RegisterLessons();
void RegisterPagedCardLessons();
void RegisterClockAndPyramidLessons();

// Every card lesson's pictures and sounds.
void addContent(content::Manifest& m);
void addPagedCardContent(content::Manifest& m);
void addClockAndPyramidContent(content::Manifest& m);

}  // namespace cards
