// What the calculator pads and the number-combination boards share in their
// tables: numbers travel as sound names of three digits.
#pragma once

#include <cstdio>
#include <string>

namespace soundboards::padboard {

// n written with three digits ("007"), the stem of a number's sound.
inline std::string ThreeDigits(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", n);
    return text;
}

}  // namespace soundboards::padboard
