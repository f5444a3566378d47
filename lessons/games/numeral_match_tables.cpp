// The numeral match "数字配对": the everyday numerals 一..十 on top, the same
// numbers in their formal form 壹..拾 shuffled below; every click speaks a number.
#include "lessons/games/pair_match_tables.h"
#include "platform/strings.h"

namespace games {

const std::array<const char*, 10> kFormalNumerals = {"壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖", "拾"};

const char* const kNumeralMarker = "szpd_marker";

namespace {

// Top row: caption and sound per page and slot.
// clang-format off
const std::array<std::array<std::array<const char*, 2>, kPairSlots>, 2> kTopNumerals = {{
    {{{"一", "001"}, {"二", "002"}, {"三", "003"}, {"四", "004"}, {"五", "005"}}},
    {{{"六", "006"}, {"七", "007"}, {"八", "008"}, {"九", "009"}, {"十", "010"}}},
}};
// clang-format on

// The digits the bottom row of each page deals.
const std::array<const char*, 2> kPageDigits = {"01234", "56789"};

// Each top slot has one fixed caption pair per page.
bool fixedPair(const PairMatchTables& t, int, int topSlot, const std::string& topCaption,
               const std::string& bottomCaption)
{
    if (topSlot < 0 || topSlot >= kPairSlots)
        return false;
    for (int page = 0; page < t.pages(); ++page) {
        const auto s = static_cast<size_t>(topSlot);
        if (topCaption == t.top[static_cast<size_t>(page)][s].caption &&
            bottomCaption == t.bottom[static_cast<size_t>(page)][s].caption)
            return true;
    }
    return false;
}

PairMatchTables build()
{
    PairMatchTables t;
    t.className = "TFM_ShuZiPeiDui";
    for (size_t page = 0; page < kTopNumerals.size(); ++page) {
        MatchRow top, bottom;
        for (size_t i = 0; i < kPairSlots; ++i) {
            top[i] = {kTopNumerals[page][i][0], kTopNumerals[page][i][1], ""};
            const int digit = kPageDigits[page][i] - '0';
            bottom[i] = {kFormalNumerals[static_cast<size_t>(digit)], NumberValueSound(digit + 1), ""};
        }
        t.top.push_back(top);
        t.bottom.push_back(bottom);
    }
    t.check = fixedPair;
    t.itemSoundFirst = true;
    t.yesSound = "y";
    t.applauseSound = NumberValueSound(11);
    t.markers = "Image";
    t.fixedTiles = {{"img", "szpdt001"}, {"imgb", "szpdt002"}};
    return t;
}

}  // namespace

std::string NumberValueSound(int value)
{
    if (value == 11)
        return "gz";
    if (value < 1 || value > 10)
        return "";
    return platform::ThreeDigits(value);
}

const PairMatchTables& NumeralMatchTables()
{
    static const PairMatchTables tables = build();
    return tables;
}

}  // namespace games
