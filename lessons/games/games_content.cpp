// Pictures and sounds of the games lessons, from the lessons' own tables.
#include "lessons/games/pair_match_tables.h"
#include "resources/content.h"
#include "resources/menu_catalogue.h"

#include <cctype>
#include <set>

namespace content {

namespace {

std::string upper(const std::string& name)
{
    std::string s = name;
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string folderOf(const games::PairMatchTables& t)
{
    const catalogue::MenuEntry* entry = catalogue::FindLessonEntry(t.className);
    return entry ? entry->folder : "";
}

// The sounds every pair-match lesson has: start, answers, page steps.
void addQuizSounds(Manifest& m, const games::PairMatchTables& t, const std::string& start)
{
    const std::string folder = folderOf(t);
    m.screens.push_back(t.className);
    m.sound(folder, "st", start);
    m.sound(folder, t.yesSound, "答对了！");
    m.sound(folder, t.applauseSound, "真棒！", Voice::Cheer);
    m.sound(folder, t.noSound, "不对哦，再试一试。");
    m.sound(folder, t.nextPageSound, "下一页");
    m.sound(folder, t.previousPageSound, "上一页");
}

// Each named item sound once, saying the item's caption.
void addItemSounds(Manifest& m, const games::PairMatchTables& t, const std::vector<games::MatchRow>& rows,
                   Voice voice, std::set<std::string>& seen)
{
    for (const games::MatchRow& row : rows)
        for (const games::MatchItem& item : row)
            if (!item.sound.empty() && seen.insert(item.sound).second)
                m.sound(folderOf(t), item.sound, item.caption, voice);
}

void addLetterMatch(Manifest& m)
{
    const games::PairMatchTables& t = games::LetterMatchTables();
    addQuizSounds(m, t, "字母配对。先点一个大写字母，再找到它的小写字母。");
    std::set<std::string> seen;
    addItemSounds(m, t, t.top, Voice::English, seen);
    m.picture(upper(games::kLetterTopTile), 140, 200, "button").colour = 0xFFE27A;
    m.picture(upper(games::kLetterBottomTile), 140, 140, "button").colour = 0xA8D8FF;
    m.picture(upper(games::kLetterBar), 70, 6, "solid").colour = 0xFF3B30;
}

void addNumeralMatch(Manifest& m)
{
    const games::PairMatchTables& t = games::NumeralMatchTables();
    addQuizSounds(m, t, "数字配对。先点上面的数字，再找到它的大写数字。");
    std::set<std::string> seen;
    addItemSounds(m, t, t.top, Voice::Chinese, seen);
    addItemSounds(m, t, t.bottom, Voice::Chinese, seen);
    // The top tiles first, then the bottom tiles.
    m.picture(upper(t.fixedTiles.at(0)[1]), 140, 200, "button").colour = 0xFFC2DD;
    m.picture(upper(t.fixedTiles.at(1)[1]), 140, 140, "button").colour = 0xFFF1A8;
    Picture& marker = m.picture(upper(games::kNumeralMarker), 70, 40, "card");
    marker.emoji = "👆";
    marker.background = 0xFFE066;
}

void addFindFood(Manifest& m)
{
    const games::PairMatchTables& t = games::FindFoodTables();
    addQuizSounds(m, t, "找食物。先点一个小动物，再帮它找到爱吃的食物。");
    std::set<std::string> seen;
    addItemSounds(m, t, t.top, Voice::Chinese, seen);
    addItemSounds(m, t, t.bottom, Voice::Chinese, seen);
    for (size_t page = 0; page < t.top.size(); ++page)
        for (size_t i = 0; i < games::kPairSlots; ++i) {
            const games::AnimalAndFood& e = games::kAnimalsAndFoods[page * games::kPairSlots + i];
            Picture& animal = m.picture(upper(t.top[page][i].picture), 140, 140, "card");
            animal.emoji = e.animalEmoji;
            animal.text = e.animal;
            Picture& food = m.picture(upper(t.bottom[page][i].picture), 140, 140, "card");
            food.emoji = e.foodEmoji;
            food.text = e.food;
        }
    Picture& marker = m.picture(upper(games::kFoodMarker), 70, 70, "card");
    marker.format = Format::Gif;
    marker.emoji = "👇";
    marker.background = 0xFFE066;
}

}  // namespace

void addGameContent(Manifest& m)
{
    addLetterMatch(m);
    addNumeralMatch(m);
    addFindFood(m);
}

}  // namespace content
