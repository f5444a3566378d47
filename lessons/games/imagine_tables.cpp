// The 25 animals of "发散思维", by number.
#include "lessons/games/imagine_tables.h"

namespace games {

// clang-format off
const std::array<const char*, kImagineAnimals + 1> AnimalKeyTable = {
    "",     "b001", "b002", "b003", "b004", "b005", "b006", "b007", "b008", "b009", "b010", "b011", "b012", "b013",
    "b014", "b015", "b016", "b017", "b018", "b019", "b020", "b021", "b022", "b023", "b024", "b025",
};
// clang-format on

// clang-format off
const std::array<const char*, kImagineAnimals + 1> ClueKeyTable = {
    "",     "a001", "a002", "a003", "a004", "a005", "a006", "a007", "a008", "a009", "a010", "a011", "a012", "a013",
    "a014", "a015", "a016", "a017", "a018", "a019", "a020", "a021", "a022", "a023", "a024", "a025",
};
// clang-format on

// clang-format off
const std::array<ImagineAnimal, kImagineAnimals + 1> kImagineAnimalTable = {{
    {"", "", "", 0, 0, 0},
    {"老虎", "🐅", "嗷呜！嗷呜！", 0.30, 0.30, 0.40},       // stripes
    {"斑马", "🦓", "斑马", 0.05, 0.35, 0.40},               // stripes
    {"长颈鹿", "🦒", "长颈鹿", 0.30, 0.20, 0.35},           // spotted neck
    {"大象", "🐘", "大象", 0.05, 0.20, 0.45},               // trunk and ear
    {"兔子", "🐇", "小兔子", 0.42, 0.12, 0.38},               // long ears
    {"小猪", "🐖", "哼哼哼！", 0.0, 0.25, 0.40},            // snout
    {"奶牛", "🐄", "哞！哞！", 0.35, 0.25, 0.40},           // spots
    {"绵羊", "🐑", "咩咩咩！", 0.06, 0.26, 0.40},           // wool
    {"公鸡", "🐓", "喔喔喔！", 0.05, 0.0, 0.40},            // comb
    {"鸭子", "🦆", "嘎嘎嘎！", 0.0, 0.15, 0.40},            // bill
    {"乌龟", "🐢", "乌龟", 0.30, 0.25, 0.40},               // shell
    {"鳄鱼", "🐊", "鳄鱼", 0.10, 0.45, 0.40},                // teeth
    {"刺猬", "🦔", "刺猬", 0.35, 0.15, 0.40},               // spines
    {"松鼠", "🐿️", "松鼠", 0.50, 0.38, 0.50},               // bushy tail
    {"孔雀", "🦚", "孔雀", 0.45, 0.05, 0.45},               // tail feathers
    {"火烈鸟", "🦩", "火烈鸟", 0.20, 0.0, 0.40},            // pink head
    {"企鹅", "🐧", "企鹅", 0.25, 0.05, 0.45},               // black-and-white face
    {"猴子", "🐒", "吱吱吱！", 0.20, 0.10, 0.40},           // face
    {"熊猫", "🐼", "熊猫", 0.15, 0.25, 0.40},               // eye patch
    {"狮子", "🦁", "嗷呜——", 0.0, 0.0, 0.45},               // mane
    {"骆驼", "🐫", "骆驼", 0.25, 0.15, 0.45},               // humps
    {"小鹿", "🦌", "小鹿", 0.0, 0.0, 0.45},                 // antlers
    {"犀牛", "🦏", "犀牛", 0.0, 0.20, 0.40},                // horn
    {"小狗", "🐕", "汪汪汪！", 0.0, 0.10, 0.40},            // ear and nose
    {"小猫", "🐈", "喵喵喵！", 0.50, 0.10, 0.45},           // tail
}};
// clang-format on

}  // namespace games
