// The pads' and boards' content declarations: every sound a key or button
// can play is declared once, in its lesson's folder, and says the number or
// word the screen shows; nothing is declared that no key plays.
#include "tests/pads/pads_fixture.h"

#include "lessons/soundboards/soundboards.h"
#include "resources/content.h"
#include "resources/menu_catalogue.h"

#include <map>

namespace {

using pads_testing::Sound;

const char* const kSpoken[] = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

struct Lesson {
    const char* folder;                        // as the catalogue writes it
    int lastNumber;                            // "000" up to this one
    std::map<std::string, std::string> words;  // the other sounds but "st", and what they say
};

// clang-format off
const Lesson kLessons[] = {
    {"jjcc/jian/", 9, {{"jian", "减"}, {"dy", "等于"}, {"qling", "清零"}}},
    {"jjcc/jia/", 10, {{"jia", "加"}, {"dy", "等于"}, {"qling", "清零"}}},
    {"zuheyi/", 1, {{"zx", "正序"}, {"dx", "倒序"}}},
    {"zuheer/", 2, {{"zx", "正序"}, {"dx", "倒序"}}},
    {"zuhesan/", 3, {{"zx", "正序"}, {"dx", "倒序"}}},
    {"zuhesi/", 4, {{"zx", "正序"}, {"dx", "倒序"}}},
    {"zuhewu/", 5, {{"zx", "正序"}, {"dx", "倒序"}}},
    {"zuheliu/", 6, {{"zx", "正序"}, {"dx", "倒序"}}},
    {"zuheqi/", 7, {{"zhenxu", "正序"}, {"daoxu", "倒序"}}},
    {"zuheba/", 8, {{"zx", "正序"}, {"dx", "倒序"}}},
    {"zuhejiu/", 9, {{"zx", "正序"}, {"dx", "倒序"}}},
    {"zuheshi/", 10, {{"zhenxu", "正序"}, {"daoxu", "倒序"}}},
};
// clang-format on

TEST(PadsContent, EverySoundIsDeclaredOnceAndSaysWhatTheScreenShows)
{
    content::Manifest m;
    soundboards::addPadAndBoardContent(m);
    std::map<std::string, const content::Sound*> declared;
    for (const content::Sound& s : m.sounds) {
        EXPECT_TRUE(declared.emplace(catalogue::FolderPath(s.folder.c_str()) + s.name, &s).second)
            << "declared twice: " << s.folder << s.name;
        EXPECT_EQ(s.voice, content::Voice::Chinese) << s.folder << s.name;
    }
    size_t expected = 0;
    for (const Lesson& lesson : kLessons) {
        std::map<std::string, std::string> says = lesson.words;
        for (int n = 0; n <= lesson.lastNumber; ++n)
            says[Sound(n)] = kSpoken[n];
        for (const auto& [name, say] : says) {
            const auto found = declared.find(lesson.folder + name);
            ASSERT_NE(found, declared.end()) << lesson.folder << name;
            EXPECT_EQ(found->second->say, say) << lesson.folder << name;
        }
        const auto start = declared.find(std::string(lesson.folder) + "st");
        ASSERT_NE(start, declared.end()) << lesson.folder << "st";
        EXPECT_FALSE(start->second->say.empty());
        expected += says.size() + 1;
    }
    EXPECT_EQ(declared.size(), expected) << "declared but never played";
    EXPECT_EQ(m.screens.size(), std::size(kLessons));
}

}  // namespace
