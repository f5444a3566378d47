// Pictures and sounds of the main window and the frame pictures every lesson
// screen shares.
#pragma once

#include "resources/content.h"

namespace content {

void addMainFormContent(Manifest& m);

}  // namespace content
