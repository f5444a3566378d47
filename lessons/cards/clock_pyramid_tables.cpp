// The hour buttons of the clock and the rows of the fruit pyramid.
#include "lessons/cards/clock_pyramid_tables.h"

#include <cstdio>

namespace cards {

// clang-format off
const std::array<HourEntry, kHours> kHourTable = {{
    {"btn_b1", "001", "一点钟"},
    {"btn_b2", "002", "两点钟"},
    {"btn_b3", "003", "三点钟"},
    {"btn_b4", "004", "四点钟"},
    {"btn_b5", "005", "五点钟"},
    {"btn_b6", "006", "六点钟"},
    {"btn_b7", "007", "七点钟"},
    {"btn_b8", "008", "八点钟"},
    {"btn_b9", "009", "九点钟"},
    {"btn_b10", "010", "十点钟"},
    {"btn_b11", "011", "十一点钟"},
    {"btn_b12", "012", "十二点钟"},
}};
// clang-format on

std::string ClockFaceName(int hourIndex)
{
    if (hourIndex < 0 || hourIndex >= kHours)
        return {};
    char name[8];
    std::snprintf(name, sizeof name, "SZt%03d", hourIndex + 1);
    return name;
}

// The eighth number button reads "Night" in the layout; its recording says
// the number.
// clang-format off
const std::array<PyramidRow, kPyramidRows> kPyramidTable = {{
    {{"SpeedButton1", "a001", "One"}, {"btn_1", "b001", "Watermelon"}, "🍉"},
    {{"SpeedButton2", "a002", "Two"}, {"btn_2", "b002", "Tomato"}, "🍅"},
    {{"SpeedButton3", "a003", "Three"}, {"btn_3", "b003", "Pineapple"}, "🍍"},
    {{"SpeedButton4", "a004", "Four"}, {"btn_4", "b004", "Grape"}, "🍇"},
    {{"SpeedButton5", "a005", "Five"}, {"btn_5", "b005", "Strawberry"}, "🍓"},
    {{"SpeedButton6", "a006", "Six"}, {"btn_6", "b006", "Cherry"}, "🍒"},
    {{"SpeedButton7", "a007", "Seven"}, {"btn_7", "b007", "Pear"}, "🍐"},
    {{"SpeedButton8", "a008", "Eight"}, {"btn_8", "b008", "Peach"}, "🍑"},
    {{"SpeedButton9", "a009", "Nine"}, {"btn_9", "b009", "Orange"}, "🍊"},
    {{"SpeedButton10", "a010", "Ten"}, {"btn_10", "b010", "Apple"}, "🍎"},
}};
// clang-format on

}  // namespace cards
