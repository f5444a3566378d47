// Random draws without replacement from a pool of numbered texts, over the
// process-wide generator: the shuffles of boards, answer buttons, picture
// sets and rounds all draw this way, so a fixed seed gives a fixed result.
#pragma once

#include "platform/strings.h"

#include <string>

namespace frame {

// The pool "1" to "n" in ascending order, without leading zeros.
platform::TStrings NumberPool(int n);

// Takes the entry at Random(Count) out of the pool and returns it; a series
// of draws uses the bounds Count, Count - 1, ... in turn. The caller seeds
// the generator (Randomize) before its series. An empty pool raises.
std::string DrawWithoutReplacement(platform::TStrings& pool);

}  // namespace frame
