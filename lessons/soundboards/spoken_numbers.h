// How the sound-board lessons say the numbers 0 to 20 in Mandarin, for the
// voices of the number grids, the pads and the number-combination boards.
#pragma once

#include <array>

namespace soundboards {

// By number: kSpokenNumbers[7] is "七".
inline constexpr std::array<const char*, 21> kSpokenNumbers = {"零",   "一",   "二",   "三",   "四",   "五",   "六",
                                                               "七",   "八",   "九",   "十",   "十一", "十二", "十三",
                                                               "十四", "十五", "十六", "十七", "十八", "十九", "二十"};

}  // namespace soundboards
