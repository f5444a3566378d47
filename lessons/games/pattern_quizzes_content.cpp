// Pictures and sounds of the six find-the-rule quizzes, from their member
// table: four families of ten fruit or animals, the empty tile, the arrow,
// the thumbs-up, the red hand and the orange square; each lesson's
// instruction, answer sounds and "下一组".
#include "lessons/games/games.h"
#include "lessons/games/pattern_quiz_tables.h"
#include "resources/menu_catalogue.h"

#include <array>
#include <cstdint>
#include <utility>

namespace games {

namespace {

struct Item {
    const char* emoji;
    const char* name;
};
using Family = std::array<Item, kPatternValues>;

// Each family: ten items that look plainly different side by side.
const Family kAbbFruit{{{"🍎", "苹果"},
                        {"🍌", "香蕉"},
                        {"🍇", "葡萄"},
                        {"🍉", "西瓜"},
                        {"🍓", "草莓"},
                        {"🍊", "橘子"},
                        {"🍐", "梨"},
                        {"🍑", "桃子"},
                        {"🍒", "樱桃"},
                        {"🍍", "菠萝"}}};
const Family kAbabFruit{{{"🥝", "猕猴桃"},
                         {"🍋", "柠檬"},
                         {"🥭", "芒果"},
                         {"🍏", "青苹果"},
                         {"🥥", "椰子"},
                         {"🍈", "哈密瓜"},
                         {"🍒", "樱桃"},
                         {"🍉", "西瓜"},
                         {"🍇", "葡萄"},
                         {"🍓", "草莓"}}};
const Family kAbbAnimals{{{"🐶", "小狗"},
                          {"🐱", "小猫"},
                          {"🐰", "小兔"},
                          {"🐼", "熊猫"},
                          {"🐯", "老虎"},
                          {"🐵", "猴子"},
                          {"🐸", "青蛙"},
                          {"🐷", "小猪"},
                          {"🐮", "奶牛"},
                          {"🐔", "小鸡"}}};
const Family kAbabAnimals{{{"🐘", "大象"},
                           {"🦒", "长颈鹿"},
                           {"🦁", "狮子"},
                           {"🐻", "熊"},
                           {"🐨", "考拉"},
                           {"🦊", "狐狸"},
                           {"🐧", "企鹅"},
                           {"🦆", "鸭子"},
                           {"🐴", "马"},
                           {"🐑", "绵羊"}}};

// Card colours by value, so no two pictures of a family share one.
constexpr std::array<uint32_t, kPatternValues> kCardColours{0xFF9E9E, 0xFFC078, 0xFFE866, 0xB5E86B, 0x7ED9A0,
                                                            0x6FD6D0, 0x8CC8FF, 0xA5A8FF, 0xD3A6FF, 0xFF9ED8};

// The family each picture prefix shows.
const Family* familyOf(const PatternMember& m)
{
    static const std::array<std::pair<const char*, const Family*>, 4> families{{{"glabbsgt", &kAbbFruit},
                                                                                {"glababsgt", &kAbabFruit},
                                                                                {"glabbdwt", &kAbbAnimals},
                                                                                {"glababdwt", &kAbabAnimals}}};
    for (const auto& [prefix, family] : families)
        if (m.picturePrefix == prefix)
            return family;
    return nullptr;
}

void addFamily(content::Manifest& m, const PatternMember& member)
{
    const Family* family = familyOf(member);
    if (!family)
        return;
    // As large as the biggest place that shows them.
    const int size = member.rule == PatternRule::ABB ? 110 : 100;
    for (int v = 1; v <= kPatternValues; ++v) {
        const Item& item = (*family)[static_cast<size_t>(v - 1)];
        content::Picture& p = m.picture(PatternPicture(member, v), size, size, "card");
        p.emoji = item.emoji;
        p.text = item.name;
        p.background = kCardColours[static_cast<size_t>(v - 1)];
    }
}

}  // namespace

void addPatternQuizContent(content::Manifest& m)
{
    for (const PatternMember& member : PatternMembers()) {
        const catalogue::MenuEntry* entry = catalogue::FindLessonEntry(member.className);
        if (!entry)
            continue;
        m.screens.push_back(member.className);
        m.sound(entry->folder, "st", member.instruction);
        m.sound(entry->folder, "yes", "答对了！");
        m.sound(entry->folder, "gz", "真棒！", content::Voice::Cheer);
        m.sound(entry->folder, "no", "不对哦，再试一试。");
        m.sound(entry->folder, "n_g", "下一组");
        if (member.pictures)
            addFamily(m, member);
    }
    m.picture(kPatternEmptyTile, 100, 100, "rule_tile").colour = 0x2E9E4F;
    m.picture(kPatternArrow, 150, 86, "rule_arrow").colour = 0xFF5FA8;
    content::Picture& thumb = m.picture(kPatternThumb, 60, 60, "rule_sticker");
    thumb.emoji = "👍";
    content::Picture& hand = m.picture(kPatternHand, 84, 58, "rule_sticker");
    hand.emoji = "👈";
    hand.colour = 0xE53935;
    m.picture(kPatternSquare, 100, 100, "rule_square").colour = 0xFFA726;
}

}  // namespace games
