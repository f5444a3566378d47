// espeak-ng's phonemes (-x) of many texts from one run, so that checking
// every spoken text of the program takes a second or two, not a process per
// text.
#pragma once

#include <string>
#include <vector>

namespace testing_espeak {

// The phoneme lines of each text, one line per clause, in the voice.
std::vector<std::vector<std::string>> PhonemeLines(const std::vector<std::string>& texts, const std::string& voice);
// The same for each text spelled out letter by letter.
std::vector<std::vector<std::string>> SpelledPhonemeLines(const std::vector<std::string>& texts,
                                                          const std::string& voice);

// One word of a phoneme line: its phonemes with each tone number replaced by
// "#" (stress marks and pauses left out), and its tone numbers in order.
struct Heard {
    std::string shape;
    std::vector<std::string> tones;
};
std::vector<Heard> Words(const std::string& line);

// Lines as one run of phonemes, without stress marks, pauses or blanks.
std::string Flat(const std::vector<std::string>& lines);

}  // namespace testing_espeak
