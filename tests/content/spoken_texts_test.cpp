// Every spoken text of the program, heard through espeak-ng's own phonemes
// (-x): each Mandarin voice says its stated reading, syllable by syllable and
// tone by tone, and each English voice says its words as words.
//
// Mandarin: each syllable's phonemes are taken from espeak-ng saying it alone;
// in a text the same phonemes must come back in the same order, with the
// tones espeak-ng gives a syllable in its place: 55, 35, 51 for tones 1, 2, 4;
// tone 3 as 214 at a clause's end, 35 before another tone 3 (sandhi) and 21
// elsewhere; the neutral tone as 22, 33, 44 after tones 1, 2, 3 and 11 after
// tone 4, another neutral tone or at a clause's start. A misreading (another
// syllable, one too many, another tone) breaks the match.
#include "platform/strings.h"
#include "tests/content/espeak_batch.h"
#include "tools/content_gen/all_content.h"
#include "tools/content_gen/reading_table.h"
#include "tools/content_gen/readings.h"
#include "tools/content_gen/voices.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

namespace {

using testing_espeak::Heard;
using testing_espeak::PhonemeLines;
using testing_espeak::Words;

const std::vector<content::Sound>& AllSounds()
{
    static const std::vector<content::Sound> sounds = content::collectAll().sounds;
    return sounds;
}

// A syllable's tone contour where it stands (see the file comment); tones
// 1 to 5 of a clause in order.
std::vector<std::string> Contours(const std::vector<int>& tones)
{
    std::vector<std::string> out;
    for (size_t k = 0; k < tones.size(); ++k) {
        const int t = tones[k];
        const int next = k + 1 < tones.size() ? tones[k + 1] : 0;
        const int before = k ? tones[k - 1] : 0;
        switch (t) {
        case 1:
            out.push_back("55");
            break;
        case 2:
            out.push_back("35");
            break;
        case 3:
            out.push_back(next == 3 ? "35" : next == 0 ? "214" : "21");
            break;
        case 4:
            out.push_back("51");
            break;
        default:
            out.push_back(before == 1 ? "22" : before == 2 ? "33" : before == 3 ? "44" : "11");
        }
    }
    return out;
}

// The tone a letter's name has in the Mandarin voice, from its contour alone.
int ToneOfContour(const std::string& contour)
{
    static const std::map<std::string, int> tones{{"55", 1}, {"35", 2}, {"214", 3}, {"51", 4}, {"11", 5}};
    const auto it = tones.find(contour);
    return it == tones.end() ? 0 : it->second;
}

// What espeak-ng is given for every Mandarin sound, with its clauses.
struct MandarinText {
    std::string where;  // "folder/name"
    std::string heard;
    std::string reading;
    std::vector<std::vector<gen::SpokenUnit>> clauses;
};

std::vector<MandarinText> MandarinTexts()
{
    std::vector<MandarinText> texts;
    for (const content::Sound& s : AllSounds()) {
        if (!gen::spokenInMandarin(s))
            continue;
        const std::string reading = gen::readingOf(s);
        texts.push_back({s.folder + s.name, gen::espeakText(s), reading, gen::spokenClauses(reading)});
    }
    return texts;
}

// One unit's syllables as the tones of its reading: an erhua said apart is
// its syllable and a neutral "er"; a letter has the tone of its name.
std::vector<int> TonesOf(const gen::SpokenUnit& unit, const Heard& alone)
{
    if (unit.tone == 0)
        return {ToneOfContour(alone.tones.empty() ? "" : alone.tones[0])};
    if (gen::erhuaSaidApart(unit.spelling))
        return {unit.tone, 5};
    return {unit.tone};
}

// A clause as its reading wants it heard: each unit's phonemes alone with
// the contours it has in its place.
std::string Expected(const std::vector<gen::SpokenUnit>& units, const std::map<std::string, Heard>& alone,
                     const std::vector<std::string>& contours)
{
    std::string out;
    size_t next = 0;
    for (const gen::SpokenUnit& u : units) {
        out += out.empty() ? "" : " ";
        for (const char c : alone.at(u.spelling).shape)
            out += c == '#' ? (next < contours.size() ? contours[next++] : "?") : std::string(1, c);
    }
    return out;
}

TEST(SpokenTexts, EveryMandarinTextHasAReadingThatFitsIt)
{
    size_t mandarin = 0;
    for (const content::Sound& s : AllSounds()) {
        if (!gen::spokenInMandarin(s))
            continue;
        ++mandarin;
        const std::string reading = gen::readingOf(s);
        ASSERT_FALSE(reading.empty()) << s.folder << s.name << ": no reading of " << gen::heardText(s);
        const auto problems = gen::readingProblems(gen::heardText(s), reading);
        EXPECT_TRUE(problems.empty()) << s.folder << s.name << ": " << problems.front();
    }
    EXPECT_EQ(AllSounds().size(), 1165u) << "every sound of the program is checked";
    EXPECT_GT(mandarin, 900u);
}

// The reading table holds no reading of a text nothing says.
TEST(SpokenTexts, EveryReadingInTheTableIsOfASpokenText)
{
    std::set<std::string> heard;
    for (const content::Sound& s : AllSounds())
        heard.insert(gen::heardText(s));
    for (const gen::TextReading& entry : gen::kReadingTable)
        EXPECT_TRUE(heard.count(entry.text) || heard.count(std::string(entry.text) + " ")) << entry.text;
}

TEST(SpokenTexts, EspeakSaysEveryMandarinTextAsItsReading)
{
    const std::vector<MandarinText> texts = MandarinTexts();
    // Each unit said alone, once.
    std::vector<std::string> spellings;
    for (const MandarinText& t : texts)
        for (const auto& clause : t.clauses)
            for (const gen::SpokenUnit& u : clause)
                spellings.push_back(u.spelling);
    std::sort(spellings.begin(), spellings.end());
    spellings.erase(std::unique(spellings.begin(), spellings.end()), spellings.end());
    const std::string voice = gen::speechVoice(content::Voice::Chinese);
    const auto aloneLines = PhonemeLines(spellings, voice);
    std::map<std::string, Heard> alone;
    std::map<std::string, std::set<std::string>> spellingsOfShape;
    for (size_t k = 0; k < spellings.size(); ++k) {
        const std::string& spelling = spellings[k];
        ASSERT_EQ(aloneLines[k].size(), 1u) << spelling;
        const std::vector<Heard> words = Words(aloneLines[k][0]);
        ASSERT_EQ(words.size(), 1u) << spelling << " said alone is one word: " << aloneLines[k][0];
        alone[spelling] = words[0];
        // Said alone, a syllable has the contour of its own tone.
        const gen::SpokenUnit unit = gen::spokenClauses(spelling).at(0).at(0);
        const std::vector<int> tones = TonesOf(unit, words[0]);
        EXPECT_EQ(words[0].tones, Contours(tones)) << spelling << " said alone: " << aloneLines[k][0];
        std::string base = spelling;
        base.erase(std::remove_if(base.begin(), base.end(), [](char c) { return c >= '0' && c <= '9'; }), base.end());
        if (unit.tone != 0)
            spellingsOfShape[words[0].shape].insert(base);
    }
    // Different syllables never sound the same: espeak-ng read none as another
    // (a letter's name may sound as a syllable: "A" is said "ei").
    for (const auto& [shape, bases] : spellingsOfShape)
        EXPECT_EQ(bases.size(), 1u) << "espeak-ng says these alike (" << shape << "): " << *bases.begin() << " and "
                                    << *bases.rbegin();

    std::vector<std::string> heard;
    for (const MandarinText& t : texts)
        heard.push_back(t.heard);
    const auto lines = PhonemeLines(heard, voice);
    int misread = 0;
    for (size_t k = 0; k < texts.size(); ++k) {
        const MandarinText& t = texts[k];
        SCOPED_TRACE(t.where + " \"" + t.reading + "\"");
        if (lines[k].size() != t.clauses.size()) {
            ++misread;
            ADD_FAILURE() << "espeak-ng hears " << lines[k].size() << " clause(s) in " << t.heard;
            continue;
        }
        for (size_t c = 0; c < t.clauses.size(); ++c) {
            const auto& units = t.clauses[c];
            const std::vector<Heard> words = Words(lines[k][c]);
            std::vector<int> tones;
            std::vector<std::string> said;
            bool same = words.size() == units.size();
            for (size_t u = 0; u < units.size(); ++u) {
                const Heard& own = alone.at(units[u].spelling);
                for (int tone : TonesOf(units[u], own))
                    tones.push_back(tone);
                if (same && words[u].shape != own.shape)
                    same = false;
                for (const std::string& contour : u < words.size() ? words[u].tones : std::vector<std::string>{})
                    said.push_back(contour);
            }
            const std::vector<std::string> wanted = Contours(tones);
            if (!same || said != wanted) {
                ++misread;
                ADD_FAILURE() << "clause " << c + 1 << " is heard as " << lines[k][c] << "\n  the reading wants "
                              << Expected(units, alone, wanted);
            }
        }
    }
    EXPECT_EQ(misread, 0);
}

// The words of an English text, split at blanks and hyphens.
std::vector<std::string> EnglishWords(const std::string& text)
{
    std::vector<std::string> words;
    std::string w;
    for (const char c : text + " ") {
        if (c == ' ' || c == '-') {
            if (!w.empty())
                words.push_back(w);
            w.clear();
        } else {
            w += c;
        }
    }
    return words;
}

// English: each word is said as the word, never spelled out letter by
// letter; a lone letter is said as its name.
TEST(SpokenTexts, EspeakSaysEveryEnglishTextAsItsWords)
{
    std::vector<std::string> texts;
    for (const content::Sound& s : AllSounds())
        if (s.voice == content::Voice::English)
            texts.push_back(gen::espeakText(s));
    std::sort(texts.begin(), texts.end());
    texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
    ASSERT_GT(texts.size(), 150u);
    std::vector<std::string> words;
    for (const std::string& text : texts)
        for (const std::string& w : EnglishWords(text))
            words.push_back(w);
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::vector<std::string> lowered;
    for (const std::string& w : words)
        lowered.push_back(platform::LowerCase(w));
    const std::string voice = gen::speechVoice(content::Voice::English);
    const auto textLines = PhonemeLines(texts, voice);
    const auto wordLines = PhonemeLines(words, voice);
    const auto lowerLines = PhonemeLines(lowered, voice);
    const auto spelledLines = testing_espeak::SpelledPhonemeLines(words, voice);
    std::map<std::string, std::string> wordSaid;
    for (size_t k = 0; k < words.size(); ++k) {
        const std::string& w = words[k];
        const std::string said = testing_espeak::Flat(wordLines[k]);
        const std::string spelled = testing_espeak::Flat(spelledLines[k]);
        wordSaid[w] = said;
        EXPECT_FALSE(said.empty()) << w;
        if (w.size() == 1) {
            EXPECT_EQ(said, spelled) << "the letter " << w << " is said as its name";
            continue;
        }
        EXPECT_NE(said, spelled) << w << " is spelled out: " << said;
        EXPECT_EQ(said, testing_espeak::Flat(lowerLines[k])) << w << " is said as the word " << lowered[k];
    }
    for (size_t k = 0; k < texts.size(); ++k) {
        std::string expected;
        for (const std::string& w : EnglishWords(texts[k]))
            expected += wordSaid.at(w);
        EXPECT_EQ(testing_espeak::Flat(textLines[k]), expected)
            << "\"" << texts[k] << "\" is said word by word as its words alone";
    }
}

}  // namespace
