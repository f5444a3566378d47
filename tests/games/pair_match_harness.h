// What the pair-match tests share: the three lessons as the kid sees them
// (widget names, the captions each page must show, each top item's partner)
// and a fixture that opens one of them on the recording platform.
#pragma once

#include "lesson_frame/lesson_registry.h"
#include "lesson_frame/lesson_screen.h"
#include "lessons/games/games.h"
#include "tests/games/quiz_platform.h"
#include "tests/support/lesson_fixture.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace pair_test {

using Row = std::array<std::string, 5>;

struct Lesson {
    std::string className;
    std::string folder;          // media folder below the program folder
    std::string topCaption;      // widget prefix of the top captions
    std::string bottomCaption;   // widget prefix of the bottom captions
    std::string marker;          // widget prefix of the selection markers
    std::string next, previous;  // page sounds
    std::vector<Row> top;        // [page][slot] captions
    std::vector<Row> partner;    // [page][slot] the right bottom caption for each top slot
    std::vector<Row> topSound;   // [page][slot] the sound of a top click
    int pages() const { return static_cast<int>(top.size()); }
};

inline const Lesson& LetterMatch()
{
    static const Lesson l{"TFM_ZiMuPeiDui",
                          "zimupeidui/",
                          "btn_a",
                          "btn_b",
                          "img_bk",
                          "ne",
                          "la",
                          {{"A", "B", "C", "D", "E"},
                           {"F", "G", "H", "I", "J"},
                           {"K", "L", "M", "N", "O"},
                           {"P", "Q", "R", "S", "T"},
                           {"U", "V", "W", "X", "Y"},
                           {"Z", "A", "B", "C", "D"}},
                          {{"a", "b", "c", "d", "e"},
                           {"f", "g", "h", "i", "j"},
                           {"k", "l", "m", "n", "o"},
                           {"p", "q", "r", "s", "t"},
                           {"u", "v", "w", "x", "y"},
                           {"z", "a", "b", "c", "d"}},
                          {{"a", "b", "c", "d", "e"},
                           {"f", "g", "h", "i", "j"},
                           {"k", "l", "m", "n", "o"},
                           {"p", "q", "r", "s", "t"},
                           {"u", "v", "w", "x", "y"},
                           {"z", "a", "b", "c", "d"}}};
    return l;
}

inline const Lesson& NumeralMatch()
{
    static const Lesson l{"TFM_ShuZiPeiDui",
                          "shuzipeidui/",
                          "btn_a",
                          "btn_b",
                          "Image",
                          "n",
                          "l",
                          {{"一", "二", "三", "四", "五"}, {"六", "七", "八", "九", "十"}},
                          {{"壹", "贰", "叁", "肆", "伍"}, {"陆", "柒", "捌", "玖", "拾"}},
                          {{"001", "002", "003", "004", "005"}, {"006", "007", "008", "009", "010"}}};
    return l;
}

inline const Lesson& FindFood()
{
    static const Lesson l{"TFM_ZhaoShiWu",
                          "zhaoshiwu/",
                          "LB_a",
                          "LB_b",
                          "gif",
                          "n",
                          "l",
                          {{"青蛙", "蛇", "小狗", "山羊", "猴子"},
                           {"熊猫", "小猫", "鱼", "松鼠", "小白兔"},
                           {"老鹰", "蜘蛛", "熊", "大象", "啄木鸟"}},
                          {{"虫子", "青蛙", "骨头", "青草", "桃子"},
                           {"竹子", "小鱼", "蚯蚓", "松子", "胡萝卜"},
                           {"小蛇", "小飞虫", "蜂蜜", "香蕉", "毛毛虫"}},
                          {{"001", "002", "003", "004", "005"},
                           {"006", "007", "008", "009", "010"},
                           {"011", "012", "013", "014", "015"}}};
    return l;
}

inline const Lesson* const kLessons[] = {&LetterMatch(), &NumeralMatch(), &FindFood()};

inline std::string Name(const std::string& prefix, int slot)
{
    return prefix + std::to_string(slot + 1);
}

// One visit to a lesson screen on the recording platform with fake pictures.
class PairFixture : public testing_support::LessonFixtureBase<games_test::QuizPlatform> {
public:
    PairFixture()
    {
        games::RegisterLessons();
        pictures.addFamily("ZSWT", 1, 15, 140, 140);
        pictures.addFamily("ZSWTB", 1, 15, 140, 140);
        pictures.add("SZPDT001", 140, 200, Qt::yellow);
        pictures.add("SZPDT002", 140, 140, Qt::cyan);
    }

    void open(const Lesson& l)
    {
        lesson = &l;
        LessonFixtureBase::open(l.className, l.folder);
    }

    std::string folder() const { return media.programFolder() + lesson->folder; }
    std::string sleepLine() const { return testing_support::SleepLine(1000); }

    bool clickTop(int slot) { return testing_support::Click(screen.get(), Name("btn_a", slot)); }
    bool clickBottom(int slot) { return testing_support::Click(screen.get(), Name("btn_b", slot)); }
    std::string topCaption(int slot) const
    {
        return testing_support::TextOf(screen.get(), Name(lesson->topCaption, slot));
    }
    std::string bottomCaption(int slot) const
    {
        return testing_support::TextOf(screen.get(), Name(lesson->bottomCaption, slot));
    }
    Row bottomRow() const
    {
        Row r;
        for (int k = 0; k < 5; ++k)
            r[static_cast<size_t>(k)] = bottomCaption(k);
        return r;
    }
    // The bottom slot that shows caption, or -1.
    int bottomSlotOf(const std::string& caption) const
    {
        for (int k = 0; k < 5; ++k)
            if (bottomCaption(k) == caption)
                return k;
        return -1;
    }
    std::string mark(int slot) const { return testing_support::TextOf(screen.get(), Name("lb", slot)); }
    Row marks() const
    {
        Row r;
        for (int k = 0; k < 5; ++k)
            r[static_cast<size_t>(k)] = mark(k);
        return r;
    }
    // Which markers show, as "10000".
    std::string markers() const
    {
        std::string shown;
        for (int k = 0; k < 5; ++k) {
            QWidget* w = testing_support::Find(screen.get(), Name(lesson->marker, k));
            shown += w && w->isVisibleTo(screen.get()) ? '1' : '0';
        }
        return shown;
    }
    bool enabled(const std::string& name) const
    {
        QWidget* w = testing_support::Find(screen.get(), name);
        return w && w->isEnabled();
    }

    const Lesson* lesson = nullptr;
};

// A row of marks with "√" or "×" at slot and blanks elsewhere.
inline Row MarkedRow(int slot, const char* mark)
{
    Row r{" ", " ", " ", " ", " "};
    r[static_cast<size_t>(slot)] = mark;
    return r;
}
inline const Row kNoMarks{" ", " ", " ", " ", " "};

}  // namespace pair_test
