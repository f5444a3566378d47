// What the Mandarin voices say, syllable by syllable: each spoken Chinese
// text has a stated reading in pinyin with tone numbers (its declaration's
// or the reading table's), and espeak-ng is given that reading, never the
// characters, whose readings it often guesses wrong.
#pragma once

#include "resources/content.h"

#include <string>
#include <vector>

namespace gen {

// Whether the sound is spoken by the Mandarin voice.
bool spokenInMandarin(const content::Sound& s);

// What the sound says: its `say`, or the praise an applause without words adds.
std::string heardText(const content::Sound& s);

// The reading table's reading of a text ("斑马" -> "ban1 ma3"); a text that is
// itself pinyin with tone numbers ("fo2") reads as written. Empty: none.
std::string tableReading(const std::string& text);

// The sound's reading: its own, else the table's. Empty: none.
std::string readingOf(const content::Sound& s);

// What is wrong with a reading of a text, one line each; empty when it fits:
// one valid syllable with a tone (1 to 5) for each Han character, the pair of
// a character and its 儿 read as one syllable ending in "r" (erhua), a Latin
// letter for each letter (said as its name), and the text's breaks
// (punctuation) at the same places.
std::vector<std::string> readingProblems(const std::string& text, const std::string& reading);

// One unit as espeak-ng is given it: a syllable with its tone number
// ("ban1"), an erhua syllable ("ger4", or "hui1r" where espeak-ng can only
// say the r as a second syllable), or a letter ("M").
struct SpokenUnit {
    std::string spelling;
    int tone = 0;  // 1 to 5; 0 for a letter
};
// The reading's clauses (split at its breaks), each a run of units.
std::vector<std::vector<SpokenUnit>> spokenClauses(const std::string& reading);

// The text espeak-ng's pinyin voice is given for a Mandarin reading: the
// units with a blank between, each clause closed by a full-width mark that
// makes espeak-ng pause ("，" or the reading's own "。", "！", "？").
std::string speechText(const std::string& reading);

// The erhua syllables espeak-ng cannot say as one ("hui1r" comes out as
// hui + er): their spelling keeps the r apart.
bool erhuaSaidApart(const std::string& syllable);

}  // namespace gen
