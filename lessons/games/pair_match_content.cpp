// Pictures and sounds of the pair-match quizzes, from their own tables.
#include "lessons/games/games.h"
#include "lessons/games/pair_match_tables.h"
#include "resources/content.h"
#include "resources/menu_catalogue.h"

#include <set>

namespace games {

namespace {

using namespace content;

// A lesson's sounds: start, answers, page steps, and each named item once,
// saying the item's caption.
void addQuizSounds(Manifest& m, const games::PairMatchTables& t, const std::string& start, Voice itemVoice)
{
    const std::string folder = catalogue::LessonFolder(t.className);
    m.screens.push_back(t.className);
    m.sound(folder, "st", start);
    m.sound(folder, t.yesSound, "答对了！");
    m.sound(folder, t.applauseSound, "真棒！", Voice::Cheer);
    m.sound(folder, t.noSound, "不对哦，再试一试。");
    m.sound(folder, t.nextPageSound, "下一页");
    m.sound(folder, t.previousPageSound, "上一页");
    std::set<std::string> seen;
    for (const auto* rows : {&t.top, &t.bottom})
        for (const games::MatchRow& row : *rows)
            for (const games::MatchItem& item : row)
                if (!item.sound.empty() && seen.insert(item.sound).second)
                    m.sound(folder, item.sound, item.caption, itemVoice);
}

// A selection marker: a pointing hand on a yellow card.
Picture& addMarker(Manifest& m, const char* name, int width, int height, const char* hand)
{
    Picture& marker = m.picture(name, width, height, "card");
    marker.emoji = hand;
    marker.background = 0xFFE066;
    return marker;
}

void addLetterMatch(Manifest& m)
{
    const games::PairMatchTables& t = games::LetterMatchTables();
    addQuizSounds(m, t, "字母配对。先点一个大写字母，再找到它的小写字母。", Voice::English);
    m.picture(games::kLetterTopTile, 140, 200, "button").colour = 0xFFE27A;
    m.picture(games::kLetterBottomTile, 140, 140, "button").colour = 0xA8D8FF;
    m.picture(games::kLetterBar, 70, 6, "solid").colour = 0xFF3B30;
}

void addNumeralMatch(Manifest& m)
{
    const games::PairMatchTables& t = games::NumeralMatchTables();
    addQuizSounds(m, t, "数字配对。先点上面的数字，再找到它的大写数字。", Voice::Chinese);
    // The top tiles first, then the bottom tiles.
    constexpr uint32_t kTopTile = 0xFFC2DD;
    m.picture(t.fixedTiles.at(0)[1], 140, 200, "button").colour = kTopTile;
    m.picture(t.fixedTiles.at(1)[1], 140, 140, "button").colour = 0xFFF1A8;
    // The hand alone at the foot of the top tile: its ground is the tile's
    // own pink there, the colour the layout draws transparent.
    Picture& hand = m.picture(games::kNumeralMarker, 70, 40, "hand");
    hand.emoji = "👆";
    hand.background = kTopTile;
}

void addFindFood(Manifest& m)
{
    const games::PairMatchTables& t = games::FindFoodTables();
    addQuizSounds(m, t, "找食物。先点一个小动物，再帮它找到爱吃的食物。", Voice::Chinese);
    for (size_t page = 0; page < t.top.size(); ++page)
        for (size_t i = 0; i < games::kPairSlots; ++i) {
            const games::AnimalAndFood& e = games::kAnimalsAndFoods[page * games::kPairSlots + i];
            Picture& animal = m.picture(t.top[page][i].picture, 140, 140, "card");
            animal.showing(e.animalMotif);
            animal.text = e.animal;
            Picture& food = m.picture(t.bottom[page][i].picture, 140, 140, "card");
            food.showing(e.foodMotif);
            food.text = e.food;
        }
    addMarker(m, games::kFoodMarker, 70, 70, "👇").format = Format::Gif;
}

}  // namespace

void addPairMatchContent(content::Manifest& m)
{
    addLetterMatch(m);
    addNumeralMatch(m);
    addFindFood(m);
}

}  // namespace games
