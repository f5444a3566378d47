// Find the food "找食物": five animals on top, their five foods shuffled below;
// an animal click names the animal, a food click names the food.
#include "lessons/games/pair_match_tables.h"
#include "platform/strings.h"

namespace games {

// clang-format off
const std::array<AnimalAndFood, 15> kAnimalsAndFoods = {{
    {"青蛙", "🐸", "虫子", "🦗"},
    {"蛇", "🐍", "青蛙", "🐸"},  // the frog is a food here, and looks like the frog above
    {"小狗", "🐶", "骨头", "🦴"},
    {"山羊", "🐐", "青草", "🌿"},
    {"猴子", "🐒", "桃子", "🍑"},
    {"熊猫", "🐼", "竹子", "🎋"},
    {"小猫", "🐱", "小鱼", "🐠"},
    {"鱼", "🐟", "蚯蚓", "🪱"},
    {"松鼠", "🐿️", "松子", "🌰"},
    {"小白兔", "🐰", "胡萝卜", "🥕"},
    {"老鹰", "🦅", "小蛇", "🐍"},
    {"蜘蛛", "🕷️", "小飞虫", "🦟"},
    {"熊", "🐻", "蜂蜜", "🍯"},
    {"大象", "🐘", "香蕉", "🍌"},
    {"啄木鸟", "woodpecker", "毛毛虫", "🐛"},
}};
// clang-format on

const char* const kFoodMarker = "zsw_marker";

namespace {

// The clicked food's caption against the selected animal's food.
bool eatsThis(const PairMatchTables& t, int page, int topSlot, const std::string&, const std::string& bottomCaption)
{
    if (page < 0 || page >= t.pages() || topSlot < 0 || topSlot >= kPairSlots)
        return false;
    return bottomCaption == t.bottom[static_cast<size_t>(page)][static_cast<size_t>(topSlot)].caption;
}

PairMatchTables build()
{
    PairMatchTables t;
    t.className = "TFM_ZhaoShiWu";
    for (size_t page = 0; page < 3; ++page) {
        MatchRow top, bottom;
        for (size_t i = 0; i < kPairSlots; ++i) {
            const AnimalAndFood& e = kAnimalsAndFoods[page * kPairSlots + i];
            const std::string n = platform::ThreeDigits(static_cast<int>(page * kPairSlots + i + 1));
            top[i] = {e.animal, n, "zswt" + n};
            bottom[i] = {e.food, "b" + n, "zswtb" + n};
        }
        t.top.push_back(top);
        t.bottom.push_back(bottom);
    }
    t.check = eatsThis;
    t.topClickClearsMarks = false;
    t.itemSoundFirst = true;
    t.stopBefore = frame::StopRule::IfNameGiven;
    t.topCaptions = "LB_a";
    t.topPictures = "imga";
    t.bottomCaptions = "LB_b";
    t.bottomPictures = "imgb";
    t.markers = "gif";
    return t;
}

}  // namespace

const PairMatchTables& FindFoodTables()
{
    static const PairMatchTables tables = build();
    return tables;
}

}  // namespace games
