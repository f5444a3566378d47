// The card lessons' registration and content, in two groups: the paged and
// single-page card lessons, and the clock and fruit pyramid lessons.
#pragma once

#include "resources/content.h"

namespace cards {

void RegisterPagedCardLessons();
void RegisterClockAndPyramidLessons();

void addPagedCardContent(content::Manifest& m);
void addClockAndPyramidContent(content::Manifest& m);

}  // namespace cards
