// The Tang poems lesson's constant data: 72 poems on nine pages of eight
// title buttons, each with its recitation's sound name and its text.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace soundboards {

constexpr int kPoemPages = 9;
constexpr int kPoemSlots = 8;

struct Poem {
    int page;            // 0 to 8
    const char* button;  // the title button on that page ("btn_a1" ... "btn_d2")
    const char* sound;   // the recitation, "001" to "072"
    const char* title;   // the button's caption and the reading box's title
    const char* poet;    // spoken after the title
    const char* text;    // the lines, each with its punctuation and a closing "/"
    // The readings of title (without its note), poet and text: pinyin with
    // tone numbers, a syllable for each character, with the text's punctuation.
    const char* titleReading;
    const char* poetReading;
    const char* reading;
};

extern const std::array<Poem, kPoemPages * kPoemSlots> kPoems;

// The eight title buttons by PoemSlot: down the left column, then down the
// right one.
extern const std::array<const char*, kPoemSlots> kPoemButtons;

// The poem on a page's slot; nullptr outside the nine pages and eight slots.
const Poem* PoemAt(int page, int slot);

// The lines the reading box shows: every piece up to a "/", without it; what
// follows the last "/" is not shown.
std::vector<std::string> PoemLines(const std::string& text);

}  // namespace soundboards
