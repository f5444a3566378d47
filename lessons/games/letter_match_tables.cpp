// The letter match "字母配对": capitals on top, the same letters in lower case
// shuffled below; a capital names its letter in English.
#include "lessons/games/pair_match_tables.h"

#include "platform/strings.h"

namespace games {

const std::array<const char*, 6> kPageLetters = {"ABCDE", "FGHIJ", "KLMNO", "PQRST", "UVWXY", "ZABCD"};

const char* const kLetterTopTile = "zmpd_top";
const char* const kLetterBottomTile = "zmpd_bottom";
const char* const kLetterBar = "zmpd_bar";

namespace {

// The same letter in either case; the page does not matter.
bool sameLetter(const PairMatchTables&, int, int, const std::string& topCaption, const std::string& bottomCaption)
{
    return topCaption == platform::UpperCase(bottomCaption);
}

PairMatchTables build()
{
    PairMatchTables t;
    t.className = "TFM_ZiMuPeiDui";
    for (const char* letters : kPageLetters) {
        MatchRow top, bottom;
        for (int i = 0; i < kPairSlots; ++i) {
            const std::string capital(1, letters[i]);
            top[static_cast<size_t>(i)] = {capital, platform::LowerCase(capital), ""};
            bottom[static_cast<size_t>(i)] = {platform::LowerCase(capital), "", ""};
        }
        t.top.push_back(top);
        t.bottom.push_back(bottom);
    }
    t.check = sameLetter;
    t.nextPageSound = "ne";
    t.previousPageSound = "la";
    t.markers = "img_bk";
    return t;
}

}  // namespace

const PairMatchTables& LetterMatchTables()
{
    static const PairMatchTables tables = build();
    return tables;
}

}  // namespace games
