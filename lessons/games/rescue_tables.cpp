// The ten animals and the keyboard of "解救动物".
#include "lessons/games/rescue_tables.h"

namespace games {

// clang-format off
const std::array<const char*, 31> RescueKeyTable = {
    "",    "001", "002", "003", "004", "005", "006", "007", "008", "009", "010", "011", "012", "013", "014", "015",
    "016", "017", "018", "019", "020", "021", "022", "023", "024", "025", "026", "027", "028", "029", "030",
};
// clang-format on

// clang-format off
const std::array<RescueAnimal, kRescueAnimals + 1> kRescueAnimalTable = {{
    {"", "", ""},
    {"小猫", "🐈", "bars"},
    {"小狗", "🐕", "net"},
    {"小兔子", "🐇", "bars"},
    {"小猴子", "🐒", "net"},
    {"熊猫", "🐼", "bars"},
    {"小鸭子", "🦆", "net"},
    {"小老虎", "🐅", "bars"},
    {"小松鼠", "🐿️", "net"},
    {"小企鹅", "🐧", "bars"},
    {"小狐狸", "🦊", "net"},
}};
// clang-format on

// clang-format off
const std::array<RescueKey, 36> kRescueKeys = {{
    {"btn1", "1", "001", "Image3"},  {"btn2", "2", "002", "Image4"},  {"btn3", "3", "003", "Image5"},
    {"btn4", "4", "004", "Image6"},  {"btn5", "5", "005", "Image7"},  {"btn6", "6", "006", "Image8"},
    {"btn7", "7", "007", "Image9"},  {"btn8", "8", "008", "Image10"}, {"btn9", "9", "009", "Image11"},
    {"btn0", "0", "000", "Image12"},
    {"btnq", "Q", "q", "Image13"},   {"btnw", "W", "w", "Image14"},   {"btne", "E", "e", "Image15"},
    {"btnr", "R", "r", "Image16"},   {"Btnt", "T", "t", "Image17"},   {"btny", "Y", "y", "Image18"},
    {"btnU", "U", "u", "Image19"},   {"btnI", "I", "i", "Image20"},   {"btno", "O", "o", "Image21"},
    {"BtnP", "P", "p", "Image22"},
    {"Btna", "A", "a", "Image23"},   {"btns", "S", "s", "Image24"},   {"BtnD", "D", "d", "Image25"},
    {"btnf", "F", "f", "Image26"},   {"btnG", "G", "g", "Image27"},   {"BtnH", "H", "h", "Image28"},
    {"BtnJ", "J", "j", "Image29"},   {"btnK", "K", "k", "Image30"},   {"btnL", "L", "l", "Image31"},
    {"btnz", "Z", "z", "Image32"},   {"btnx", "X", "x", "Image33"},   {"btnc", "C", "c", "Image34"},
    {"btnV", "V", "v", "Image35"},   {"btnB", "B", "b", "Image36"},   {"BtnN", "N", "n", "Image37"},
    {"btnM", "M", "m", "Image38"},
}};
// clang-format on

}  // namespace games
