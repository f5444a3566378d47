// The riddles lesson's constant data: 30 riddles on six pages of five, each
// with its answer word and how its answer picture shows the answer.
#pragma once

#include <array>
#include <string>

namespace soundboards {

constexpr int kRiddlePages = 6;
constexpr int kRiddleSlots = 5;
constexpr int kRiddles = kRiddlePages * kRiddleSlots;

struct Riddle {
    const char* text;          // shown in lb2 and read aloud, hint included
    const char* answer;        // the answer word ("b" + N) and the picture's caption
    const char* emoji = "";    // the answer picture's emoji, or empty for a drawing
    const char* drawing = "";  // the drawing (tools/art/drawings) where no emoji shows the answer
    // The text's reading: pinyin with tone numbers, a syllable for each
    // character (one for a character and its 儿), with the text's punctuation.
    const char* reading = "";
};

// By riddle number minus one.
extern const std::array<Riddle, kRiddles> kRiddleTable;

// Riddle number n (1 to 30) of a page's slot: 5 x page + slot + 1.
int RiddleNumber(int page, int slot);
// Its three-digit form N, the riddle's sound ("003").
std::string RiddleSound(int n);
// Its button caption ("谜语3").
std::string RiddleCaption(int n);
// Its answer picture resource ("cmy003").
std::string RiddleAnswerPicture(int n);
// The answer word's sound ("b003") and the answer picture ("cmy003") of a
// riddle sound N.
std::string RiddleAnswerWord(const std::string& riddleSound);
std::string RiddleAnswerPicture(const std::string& riddleSound);
// The riddle of number n; nullptr outside 1 to 30.
const Riddle* RiddleOf(int n);

}  // namespace soundboards
