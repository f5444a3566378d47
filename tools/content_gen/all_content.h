// Every screen's content declarations together, for the generator and the
// checks that hold the built program to them.
#pragma once

#include "resources/content.h"

namespace content {

// The main window's, then each lesson family's, in menu order.
Manifest collectAll();

}  // namespace content
