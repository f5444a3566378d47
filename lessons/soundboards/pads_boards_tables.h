// What the calculator pads and the number-combination boards share in their
// tables: numbers travel as sound names of three digits.
#pragma once

#include "platform/strings.h"

namespace soundboards::padboard {

using platform::ThreeDigits;

}  // namespace soundboards::padboard
