// The constant tables of the three pair-match quizzes (letter match, numeral
// match, find the food): what each page shows and plays, the check rule, the
// feedback sounds and the widget names. The screens and the content
// declarations both read them.
#pragma once

#include "lesson_frame/stop_rule.h"

#include <array>
#include <string>
#include <vector>

namespace games {

constexpr int kPairSlots = 5;  // items per row on every pair-match page

struct MatchItem {
    std::string caption;  // the text shown on the item's button or label
    std::string sound;    // the sound named by a click (empty: none)
    std::string picture;  // named picture of the item's tile, lower case (empty: the tile is fixed)
};

using MatchRow = std::array<MatchItem, kPairSlots>;

struct PairMatchTables;

// The answer check: is the clicked bottom caption the partner of the
// selected top caption (slot topSlot on page)?
using CheckRule = bool (*)(const PairMatchTables& tables, int page, int topSlot, const std::string& topCaption,
                           const std::string& bottomCaption);

struct PairMatchTables {
    std::string className;
    std::vector<MatchRow> top;     // [page][slot]
    std::vector<MatchRow> bottom;  // [page][position]: position i is the partner of top slot i
    CheckRule check = nullptr;

    bool topClickClearsMarks = true;  // a top click removes the answer marks
    bool itemSoundFirst = false;      // an answer first names the clicked item, then pauses
    std::string yesSound = "yes";
    std::string applauseSound = "gz";
    std::string noSound = "no";
    std::string nextPageSound = "n";
    std::string previousPageSound = "l";
    frame::StopRule stopBefore = frame::StopRule::IfCurrent;  // the players' first step

    // Widget name prefixes, numbered 1..5 ("btn_a" gives btn_a1..btn_a5).
    std::string topCaptions = "btn_a";  // where the top captions are written
    std::string topPictures;            // the top tiles that take the items' pictures (empty: none)
    std::string bottomCaptions = "btn_b";
    std::string bottomPictures;
    std::string markers;  // the selection markers
    // Fixed tile pictures loaded at creation: {widget prefix, picture name}.
    std::vector<std::array<std::string, 2>> fixedTiles;

    int pages() const { return static_cast<int>(top.size()); }
};

const PairMatchTables& LetterMatchTables();
const PairMatchTables& NumeralMatchTables();
const PairMatchTables& FindFoodTables();

// The letter match's pages: five capitals each, in top-slot order.
extern const std::array<const char*, 6> kPageLetters;

// The numeral match's sound for a number: "001".."010" for 1..10, the
// applause "gz" for 11, nothing (empty) for any other value.
std::string NumberValueSound(int value);
// The formal numerals 壹..拾 by digit 0..9 (the number shown is digit + 1).
extern const std::array<const char*, 10> kFormalNumerals;

// Find the food: one animal and the food it eats, with the emoji (or drawing)
// that shows each.
struct AnimalAndFood {
    const char* animal;
    const char* animalMotif;
    const char* food;
    const char* foodMotif;
};
// [page * 5 + slot]; the animal's number and the food's key are both page * 5 + slot + 1.
extern const std::array<AnimalAndFood, 15> kAnimalsAndFoods;

// Names of the fixed pictures in the layouts.
extern const char* const kLetterTopTile;
extern const char* const kLetterBottomTile;
extern const char* const kLetterBar;
extern const char* const kNumeralMarker;
extern const char* const kFoodMarker;

}  // namespace games
