// The reading table: the stated reading of every spoken Chinese text that
// does not carry its reading beside it in its own table (the poems and the
// riddles do), keyed by the exact text.
#pragma once

#include <span>

namespace gen {

struct TextReading {
    const char* text;     // exactly as declared (surrounding blanks aside)
    const char* reading;  // pinyin with tone numbers, with the text's punctuation
};

extern const std::span<const TextReading> kReadingTable;

}  // namespace gen
