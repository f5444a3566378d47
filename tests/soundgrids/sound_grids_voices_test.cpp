// What the seven lessons' recordings say, heard through espeak-ng's own
// phonemes of the text the generator gives it: every pinyin sound must sound
// as the syllable kindergartens teach (never an English letter), every number
// as its Mandarin or English word, and no Mandarin text may fall back to
// English.
#include "lessons/soundboards/soundboards.h"
#include "tests/soundgrids/soundgrids_harness.h"
#include "tools/content_gen/voices.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using content::Voice;
using soundgrids_test::ThreeDigits;

std::map<std::string, content::Sound> Declared()
{
    content::Manifest m;
    soundboards::addSoundGridContent(m);
    std::map<std::string, content::Sound> sounds;
    for (const content::Sound& s : m.sounds)
        sounds[s.folder + s.name] = s;
    return sounds;
}

// espeak-ng's phonemes of a text in a voice, one blank between phonemes.
std::string Phonemes(const std::string& text, Voice voice)
{
    std::string out;
    const int status = gen::runProgram({"espeak-ng", "-q", "-x", "--sep= ", "-v", gen::speechVoice(voice), text}, &out);
    EXPECT_EQ(status, 0) << "espeak-ng on " << text;
    return out;
}

struct Folder {
    const char* folder;
    std::vector<const char*> readings;  // sound k + 1 as pinyin with tone numbers
};

// clang-format off
const Folder kPinyinFolders[] = {
    {"pinyin\\", {"bo1", "po1", "mo1", "fo2", "de2", "te4", "ne4", "le4", "ge1", "ke1", "he1", "ji1",
                  "qi1", "xi1", "zhi1", "chi1", "shi1", "ri4", "zi1", "ci1", "si1", "yi1", "wu1"}},
    {"pinyin\\yunmu\\", {"a1", "o1", "e1", "yi1", "wu1", "yu1", "ai1", "ei1", "wei1", "ao1", "ou1", "you1",
                         "ye1", "yue1", "er2", "an1", "en1", "yin1", "wen1", "ang1", "eng1", "ying1", "ong1"}},
    {"shuzidaxiao\\", {"yi1", "er4", "san1", "si4", "wu3", "liu4", "qi1", "ba1", "jiu3", "shi2"}},
    {"s20\\", {"yi1", "er4", "san1", "si4", "wu3", "liu4", "qi1", "ba1", "jiu3", "shi2", "shi2 yi1", "shi2 er4",
               "shi2 san1", "shi2 si4", "shi2 wu3", "shi2 liu4", "shi2 qi1", "shi2 ba1", "shi2 jiu3", "er4 shi2"}},
    {"zhaowuguan\\", {"tou2 fa1", "er3 duo5", "bi2 zi5", "mei2 mao2", "yan3 jing5", "zui3 ba5"}},
};
// clang-format on

TEST(SoundGridVoices, EveryMandarinSoundIsTheSyllableItTeaches)
{
    const auto sounds = Declared();
    for (const Folder& f : kPinyinFolders)
        for (size_t k = 0; k < f.readings.size(); ++k) {
            const std::string key = f.folder + ThreeDigits(static_cast<int>(k) + 1);
            ASSERT_EQ(sounds.count(key), 1u) << key;
            const content::Sound& s = sounds.at(key);
            EXPECT_EQ(s.voice, Voice::Chinese) << key;
            EXPECT_EQ(Phonemes(gen::espeakText(s), Voice::Chinese), Phonemes(f.readings[k], Voice::Chinese))
                << key << " says \"" << gen::espeakText(s) << "\", not " << f.readings[k];
        }
}

TEST(SoundGridVoices, ArrangementKeysNameTheirArrangement)
{
    const auto sounds = Declared();
    for (const char* folder : {"s20\\", "s20yw\\"}) {
        EXPECT_EQ(Phonemes(gen::espeakText(sounds.at(std::string(folder) + "hp")), Voice::Chinese),
                  Phonemes("heng2 xiang4 pai2 lie4", Voice::Chinese))
            << folder;
        EXPECT_EQ(Phonemes(gen::espeakText(sounds.at(std::string(folder) + "zp")), Voice::Chinese),
                  Phonemes("zong4 xiang4 pai2 lie4", Voice::Chinese))
            << folder;
    }
}

// The plain Mandarin voice marks a switch to English "(en)".
TEST(SoundGridVoices, NoMandarinTextFallsBackToEnglish)
{
    for (const auto& [key, s] : Declared()) {
        if (s.voice == Voice::Chinese) {
            EXPECT_EQ(Phonemes(gen::espeakText(s), Voice::Chinese).find("(en"), std::string::npos)
                << key << ": " << s.say;
        }
    }
}

TEST(SoundGridVoices, EnglishSoundsAreTheLetterAndNumberNamesAndThePartNames)
{
    const auto sounds = Declared();
    std::vector<std::pair<std::string, std::string>> cases;
    for (int k = 0; k < 26; ++k)
        cases.push_back({"abc\\" + ThreeDigits(k + 1), std::string(1, static_cast<char>('A' + k))});
    const char* words[] = {"one",     "two",     "three",     "four",     "five",     "six",      "seven",
                           "eight",   "nine",    "ten",       "eleven",   "twelve",   "thirteen", "fourteen",
                           "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};
    for (int k = 0; k < 20; ++k)
        cases.push_back({"s20yw\\" + ThreeDigits(k + 1), words[k]});
    const char* parts[] = {"Hair", "Ear", "Nose", "Eyebrow", "Eye", "Mouth"};
    for (int k = 0; k < 6; ++k)
        cases.push_back({"zhaowuguan\\b" + ThreeDigits(k + 1), parts[k]});
    for (const auto& [key, text] : cases) {
        ASSERT_EQ(sounds.count(key), 1u) << key;
        EXPECT_EQ(sounds.at(key).voice, Voice::English) << key;
        EXPECT_EQ(sounds.at(key).say, text) << key;
    }
}

TEST(SoundGridVoices, EachStartSoundNamesItsLesson)
{
    const auto sounds = Declared();
    const std::pair<const char*, const char*> starts[] = {
        {"pinyin\\", "汉语拼音声母"},    {"pinyin\\yunmu\\", "汉语拼音韵母"}, {"abc\\", "英文字母"},
        {"shuzidaxiao\\", "大小写数字"}, {"zhaowuguan\\", "人体部位"},        {"s20\\", "阿拉伯数字"},
        {"s20yw\\", "英文数字"}};
    for (const auto& [folder, name] : starts) {
        const std::string key = std::string(folder) + "st";
        ASSERT_EQ(sounds.count(key), 1u) << key;
        EXPECT_EQ(sounds.at(key).say.rfind(name, 0), 0u) << key << ": " << sounds.at(key).say;
    }
}

}  // namespace
