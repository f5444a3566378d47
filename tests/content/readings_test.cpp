// A stated reading must fit its text syllable for syllable, and espeak-ng is
// given that reading, clause by clause, in the spelling it says right.
#include "tools/content_gen/readings.h"

#include <gtest/gtest.h>

namespace {

struct FitCase {
    const char* text;
    const char* reading;
    const char* problem;  // a word of the problem reported; "" when the reading fits
};

TEST(Readings, AReadingFitsItsTextSyllableForSyllable)
{
    const FitCase cases[] = {
        {"斑马", "ban1 ma3", ""},
        {"小朋友，你好！", "xiao3 peng2 you5, ni3 hao3!", ""},
        {"红 色", "hong2 se4", ""},                  // blanks in a text are no breaks
        {"沙特阿拉伯 ", "sha1 te4 a1 la1 bo2", ""},  // nor around it
        {"高矮不齐-(猜人体)", "gao1 ai3 bu4 qi2 - (cai1 ren2 ti3)", ""},
        {"MP3", "M P san1", ""},  // letters by name, the digit in Mandarin
        {"ABB的规律", "A B B de5 gui1 lv4", ""},
        {"咴儿咴儿", "hui1r hui1r", ""},  // erhua: one syllable for the pair
        {"高高个儿一身青", "gao1 gao1 ge4r yi4 shen1 qing1", ""},
        {"fo2", "fo2", ""},  // pinyin is its own reading
        {"斑马", "ban1 ma3 ma3", "more syllables"},
        {"斑马", "ban1", "fewer syllables"},
        {"斑马", "ban ma3", "not a pinyin syllable"},
        {"斑马", "ban1 ma6", "not a pinyin syllable"},
        {"斑马", "bna1 ma3", "not a pinyin syllable"},
        {"你好！欢迎", "ni3 hao3 huan1 ying2", "clause"},      // the break is missing
        {"你好欢迎", "ni3 hao3, huan1 ying2", "clause"},       // a break too many
        {"你好！欢迎", "ni3, hao3 huan1 ying2", "syllables"},  // at another place
        {"MP3", "ai4 mu5 pi1 san1", "letter"},
        {"MP3", "M P san3", "digit"},
        {"咴咴", "hui1r hui1", "儿"},  // erhua needs its 儿
        {"咴儿", "hui1 er2 er2", "more syllables"},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.reading);
        const std::vector<std::string> problems = gen::readingProblems(c.text, c.reading);
        if (!*c.problem) {
            EXPECT_TRUE(problems.empty()) << problems.front();
            continue;
        }
        ASSERT_FALSE(problems.empty());
        EXPECT_NE(problems.front().find(c.problem), std::string::npos) << problems.front();
    }
}

TEST(Readings, EspeakIsGivenTheReadingWithAFullWidthMarkClosingEachClause)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ban1 ma3", "ban1 ma3"},
        {"xiao3 peng2 you5, ni3 hao3!", "xiao3 peng2 you5， ni3 hao3！"},
        {"gao1 ai3 bu4 qi2 - (cai1 ren2 ti3)", "gao1 ai3 bu4 qi2， cai1 ren2 ti3"},
        {"bai2 ri4 yi1 shan1 jin4, huang2 he2 ru4 hai3 liu2. yu4",
         "bai2 ri4 yi1 shan1 jin4， huang2 he2 ru4 hai3 liu2。 yu4"},
        {"dai4 zong1 fu2 ru2 he2? qi2", "dai4 zong1 fu2 ru2 he2？ qi2"},
        {"M P san1", "M P san1"},
        // espeak-ng says a consonant and "er" as one syllable: the erhua of
        // "ge", "ke" and of "zi" (said as "zer") can be said as one.
        {"gao1 ge4r", "gao1 ger4"},
        {"ying4 ke2r", "ying4 ker2"},
        {"xiao3 zi3r duo1", "xiao3 zer3 duo1"},
        {"hui1r hui1r", "hui1r hui1r"},
    };
    for (const auto& [reading, said] : cases)
        EXPECT_EQ(gen::speechText(reading), said) << reading;
    EXPECT_TRUE(gen::erhuaSaidApart("hui1r"));
    EXPECT_TRUE(gen::erhuaSaidApart("niao3r"));
    EXPECT_FALSE(gen::erhuaSaidApart("ge4r"));
    EXPECT_FALSE(gen::erhuaSaidApart("zi3r"));
    EXPECT_FALSE(gen::erhuaSaidApart("hui1"));
}

TEST(Readings, AMandarinSoundIsReadFromItsOwnReadingOrTheTable)
{
    content::Manifest m;
    content::Sound& own = m.sound("guess\\", "001", "知了");
    own.reading = "zhi1 liao3";
    EXPECT_EQ(gen::readingOf(own), "zhi1 liao3");
    EXPECT_EQ(gen::readingOf(m.sound("yanse\\", "010", "藏青色")), "zang4 qing1 se4");
    EXPECT_EQ(gen::readingOf(m.sound("pinyin\\", "004", "fo2")), "fo2");
    EXPECT_EQ(gen::readingOf(m.sound("mainform\\", "x", "没有这句话")), "");
    // An applause without words says its praise.
    const content::Sound& cheer = m.sound("zimupeidui\\", "gz", "", content::Voice::Cheer);
    EXPECT_EQ(gen::heardText(cheer), "真棒！");
    EXPECT_EQ(gen::readingOf(cheer), "zhen1 bang4!");
    EXPECT_FALSE(gen::spokenInMandarin(m.sound("abc\\", "001", "A", content::Voice::English)));
    content::Sound& recorded = m.sound("tdw\\", "001", "汪汪汪");
    recorded.recording = "dog";
    EXPECT_FALSE(gen::spokenInMandarin(recorded));
}

}  // namespace
