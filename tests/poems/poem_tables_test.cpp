// The poems and riddles as data: where each poem sits and which recitation
// it has, every text in the reading box's format and split as the box
// splits it, the titles' notes, and the riddles' numbering.
#include "lessons/soundboards/caimiyu_tables.h"
#include "lessons/soundboards/tangshi_tables.h"
#include "tests/poems/poems_harness.h"

#include <QString>

#include <map>
#include <set>

using namespace poems_test;
using soundboards::kPoems;
using soundboards::PoemAt;
using soundboards::PoemLines;

namespace {

TEST(PoemTable, EveryPageAndSlotHoldsTheRecitationOfTheSoundGrid)
{
    std::set<std::pair<int, std::string>> places;
    for (const soundboards::Poem& poem : kPoems)
        EXPECT_TRUE(places.insert({poem.page, poem.button}).second)
            << "twice: page " << poem.page << " " << poem.button;
    for (int page = 0; page < 9; ++page)
        for (int slot = 0; slot < 8; ++slot) {
            const soundboards::Poem* poem = PoemAt(page, slot);
            ASSERT_NE(poem, nullptr) << "page " << page << " slot " << slot;
            EXPECT_EQ(poem->button, std::string(kButtonsBySlot[static_cast<size_t>(slot)]));
            EXPECT_EQ(poem->sound, ExpectedSound(page, slot)) << "page " << page << " " << poem->button;
        }
    EXPECT_EQ(PoemAt(9, 0), nullptr);
    EXPECT_EQ(PoemAt(0, 8), nullptr);
    EXPECT_EQ(PoemAt(-1, 0), nullptr);
}

TEST(PoemTable, EachRecitationIsUsedOnce)
{
    std::set<std::string> sounds;
    for (const soundboards::Poem& poem : kPoems)
        EXPECT_TRUE(sounds.insert(poem.sound).second) << "twice: " << poem.sound;
    EXPECT_EQ(sounds.size(), 72u);
    EXPECT_EQ(*sounds.begin(), "001");
    EXPECT_EQ(*sounds.rbegin(), "072");
}

TEST(PoemTable, FixedTitlesAndTexts)
{
    struct Case {
        int page, slot;
        const char* title;
        const char* text;  // nullptr: not fixed
    } cases[] = {
        {0, 0, "登鹳鹊楼", "白日依山尽,/黄河入海流./欲穷千里目,/更上一层楼./"},
        {1, 5, "春晓", nullptr},
        {1, 4, "江雪", nullptr},
        {0, 7, "枫桥夜泊", nullptr},
        {1, 6, nullptr, "秦时明月汉时关,/万里长征人未还.但使龙城飞将在,/不教胡马渡阴山./"},
    };
    for (const Case& c : cases) {
        const soundboards::Poem* poem = PoemAt(c.page, c.slot);
        ASSERT_NE(poem, nullptr);
        if (c.title) {
            EXPECT_STREQ(poem->title, c.title);
        }
        if (c.text) {
            EXPECT_STREQ(poem->text, c.text);
        }
    }
}

// Titles with a note: twelve, the note in ASCII parentheses at the end; the
// only title two poems share is page 0's btn_d1 and page 8's btn_c2.
TEST(PoemTable, TwelveTitlesCarryANoteAndOnlyTwoPoemsShareOne)
{
    int noted = 0;
    std::map<std::string, std::vector<const soundboards::Poem*>> byTitle;
    for (const soundboards::Poem& poem : kPoems) {
        const std::string title = poem.title;
        byTitle[title].push_back(&poem);
        const size_t open = title.find('(');
        if (open == std::string::npos) {
            EXPECT_EQ(title.find(')'), std::string::npos) << title;
            continue;
        }
        ++noted;
        EXPECT_GT(open, 0u) << title;
        EXPECT_EQ(title.back(), ')') << title;
        EXPECT_EQ(title.find('('), title.rfind('(')) << title;
        EXPECT_EQ(title.find("（"), std::string::npos) << "full-width parenthesis in " << title;
    }
    EXPECT_EQ(noted, 12);
    for (const auto& [title, poems] : byTitle) {
        if (poems.size() == 1)
            continue;
        ASSERT_EQ(poems.size(), 2u) << title;
        EXPECT_NE(title.find('('), std::string::npos) << "shared title without a note: " << title;
        EXPECT_STREQ(poems[0]->sound, "010");
        EXPECT_STREQ(poems[1]->sound, "069");
        EXPECT_STRNE(poems[0]->text, poems[1]->text);
    }
    EXPECT_EQ(byTitle.size(), 71u);
}

// Code points of a UTF-8 text.
std::u32string Wide(const std::string& s)
{
    return QString::fromStdString(s).toStdU32String();
}

bool IsLineEnd(char32_t c)
{
    return c == U',' || c == U'.' || c == U'?' || c == U'!';
}

// Each poem's lines as the box shows them: one per "/", each ending in its
// punctuation, each verse five or seven characters long, so a dropped or
// doubled character shows.
TEST(PoemTable, EveryTextSplitsIntoWholeVerses)
{
    size_t longest = 0;
    for (const soundboards::Poem& poem : kPoems) {
        SCOPED_TRACE(std::string(poem.sound) + " " + poem.title);
        const std::string text = poem.text;
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '/');
        longest = std::max(longest, Wide(text).size());
        const std::vector<std::string> lines = PoemLines(text);
        EXPECT_EQ(lines.size(), static_cast<size_t>(std::count(text.begin(), text.end(), '/')));
        for (const std::string& line : lines) {
            const std::u32string w = Wide(line);
            ASSERT_FALSE(w.empty());
            EXPECT_TRUE(IsLineEnd(w.back())) << line;
            // The verses of a line: hanzi between punctuation marks.
            std::u32string verse;
            for (char32_t c : w) {
                if (!IsLineEnd(c)) {
                    EXPECT_GE(c, U'\u4e00') << "not a hanzi in " << line;
                    EXPECT_LE(c, U'\u9fff') << "not a hanzi in " << line;
                    verse += c;
                    continue;
                }
                const bool goose = line == "鹅,鹅,鹅,";  // the first line of 咏鹅
                EXPECT_TRUE(verse.size() == 5 || verse.size() == 7 || (goose && verse.size() == 1)) << line;
                verse.clear();
            }
        }
    }
    EXPECT_EQ(longest, 98u);
}

TEST(PoemTable, LineCountsOfTheBox)
{
    std::map<size_t, int> poemsWithLines;
    for (const soundboards::Poem& poem : kPoems)
        ++poemsWithLines[PoemLines(poem.text).size()];
    // Mostly 4 or 8 lines; the poem stored with a missing line end shows 3,
    // one has 6 and the longest 14.
    const std::map<size_t, int> expected{{3, 1}, {4, 61}, {6, 1}, {8, 8}, {14, 1}};
    EXPECT_EQ(poemsWithLines, expected);
    EXPECT_EQ(PoemLines(PoemAt(1, 6)->text),
              (std::vector<std::string>{"秦时明月汉时关,", "万里长征人未还.但使龙城飞将在,", "不教胡马渡阴山."}));
}

TEST(PoemLines, CutsAtEverySlashAndDropsWhatFollowsTheLast)
{
    struct Case {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}}, {"no slash", {}}, {"a,/b./", {"a,", "b."}}, {"a,/tail", {"a,"}}, {"//", {"", ""}}, {"/a/", {"", "a"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PoemLines(c.text), c.lines) << '"' << c.text << '"';
}

TEST(RiddleTable, NumbersCaptionsSoundsAndPictures)
{
    EXPECT_EQ(soundboards::RiddleNumber(0, 0), 1);
    EXPECT_EQ(soundboards::RiddleNumber(0, 2), 3);
    EXPECT_EQ(soundboards::RiddleNumber(1, 0), 6);
    EXPECT_EQ(soundboards::RiddleNumber(5, 4), 30);
    EXPECT_EQ(soundboards::RiddleSound(3), "003");
    EXPECT_EQ(soundboards::RiddleSound(30), "030");
    EXPECT_EQ(soundboards::RiddleCaption(3), "谜语3");
    EXPECT_EQ(soundboards::RiddleCaption(30), "谜语30");
    EXPECT_EQ(soundboards::RiddleAnswerPicture(30), "cmy030");
    EXPECT_EQ(soundboards::RiddleOf(0), nullptr);
    EXPECT_EQ(soundboards::RiddleOf(31), nullptr);
    std::set<std::string> answers;
    for (int n = 1; n <= 30; ++n) {
        const soundboards::Riddle* r = soundboards::RiddleOf(n);
        ASSERT_NE(r, nullptr);
        EXPECT_TRUE(answers.insert(r->answer).second) << r->answer;
        // One way of showing the answer: an emoji or a drawing.
        EXPECT_NE(std::string(r->emoji).empty(), std::string(r->drawing).empty()) << n;
    }
    EXPECT_STREQ(soundboards::RiddleOf(1)->answer, "手");
    EXPECT_STREQ(soundboards::RiddleOf(2)->answer, "冰箱");
    EXPECT_STREQ(soundboards::RiddleOf(30)->answer, "香蕉");
}

TEST(RiddleTable, TextsStandAsStored)
{
    // A few with their mixed punctuation and blanks.
    EXPECT_STREQ(soundboards::RiddleOf(8)->text, "名字叫做牛,从来不耕田, 说它力气小,背着房子走-(猜一种动物)");
    EXPECT_STREQ(soundboards::RiddleOf(11)->text, "头戴绿帽，身穿绿袍， 腰细肚大，双手拿刀-(猜一种动物)");
    EXPECT_STREQ(soundboards::RiddleOf(24)->text, "天热爬上树梢，总爱大喊大叫，明明啥也不懂，偏说知道知道(猜一种动物)");
    EXPECT_STREQ(soundboards::RiddleOf(21)->text, "有个红公公， 天亮就出工， 若是不见他， 不是下雨就刮风-(猜一种恒星)");
    for (int n = 1; n <= 30; ++n)
        EXPECT_NE(std::string(soundboards::RiddleOf(n)->text).find("(猜"), std::string::npos) << n;
}

}  // namespace
