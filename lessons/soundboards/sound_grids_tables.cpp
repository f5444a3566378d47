// The sound grids' tables: the pinyin initials and finals, the alphabet and
// the numeral forms. The pinyin buttons say their syllable, written in pinyin
// with its tone number, which is its own reading.
#include "lessons/soundboards/sound_grids_tables.h"

namespace soundboards {

namespace {

// Initials in the kindergarten reading (b as bō, ...), by button.
// clang-format off
constexpr GridButton kInitials[] = {
    {"btn_b", "b", 1, "001", "bo1"},      {"btn_p", "p", 2, "002", "po1"},      {"btn_m", "m", 3, "003", "mo1"},
    {"btn_f", "f", 4, "004", "fo2"},      {"btn_d", "d", 5, "005", "de2"},      {"btn_t", "t", 6, "006", "te4"},
    {"btn_n", "n", 7, "007", "ne4"},      {"btn_l", "l", 8, "008", "le4"},      {"btn_g", "g", 9, "009", "ge1"},
    {"btn_k", "k", 10, "010", "ke1"},     {"btn_h", "h", 11, "011", "he1"},     {"btn_j", "j", 12, "012", "ji1"},
    {"btn_q", "q", 13, "013", "qi1"},     {"btn_x", "x", 14, "014", "xi1"},     {"btn_zh", "zh", 15, "015", "zhi1"},
    {"btn_ch", "ch", 16, "016", "chi1"},  {"btn_sh", "sh", 17, "017", "shi1"},  {"btn_r", "r", 18, "018", "ri4"},
    {"btn_z", "z", 19, "019", "zi1"},     {"btn_c", "c", 20, "020", "ci1"},     {"btn_s", "s", 21, "021", "si1"},
    {"btn_y", "y", 22, "022", "yi1"},     {"btn_w", "w", 23, "023", "wu1"},
};
// clang-format on

// Finals as first-tone syllables; the buttons keep the initials' names. The
// two with ü show one blank, their labels carry the letters.
// clang-format off
constexpr GridButton kFinals[] = {
    {"btn_b", "a", 1, "001", "a1"},        {"btn_p", "o", 2, "002", "o1"},       {"btn_m", "e", 3, "003", "e1"},
    {"btn_f", "i", 4, "004", "yi1"},       {"btn_d", "u", 5, "005", "wu1"},      {"btn_t", " ", 6, "006", "yu1"},
    {"btn_n", "ai", 7, "007", "ai1"},      {"btn_l", "ei", 8, "008", "ei1"},     {"btn_g", "ui", 9, "009", "wei1"},
    {"btn_k", "ao", 10, "010", "ao1"},     {"btn_h", "ou", 11, "011", "ou1"},    {"btn_j", "iu", 12, "012", "you1"},
    {"btn_q", "ie", 13, "013", "ye1"},     {"btn_x", " ", 14, "014", "yue1"},    {"btn_zh", "er", 15, "015", "er2"},
    {"btn_ch", "an", 16, "016", "an1"},    {"btn_sh", "en", 17, "017", "en1"},   {"btn_r", "in", 18, "018", "yin1"},
    {"btn_z", "un", 19, "019", "wen1"},    {"btn_c", "ang", 20, "020", "ang1"},  {"btn_s", "eng", 21, "021", "eng1"},
    {"btn_y", "ing", 22, "022", "ying1"},  {"btn_w", "ong", 23, "023", "ong1"},
};
// clang-format on
constexpr GridLabel kFinalLabels[] = {{"lb_u1", "btn_t", true}, {"lb_u2", "btn_x", true}};

// Letters by index; the captions stay as the layout stores them.
// clang-format off
constexpr GridButton kLetters[] = {
    {"btn_a", nullptr, 0, nullptr, "A"},  {"btn_b", nullptr, 1, nullptr, "B"},  {"btn_c", nullptr, 2, nullptr, "C"},
    {"btn_d", nullptr, 3, nullptr, "D"},  {"btn_e", nullptr, 4, nullptr, "E"},  {"btn_f", nullptr, 5, nullptr, "F"},
    {"btn_g", nullptr, 6, nullptr, "G"},  {"btn_h", nullptr, 7, nullptr, "H"},  {"btn_i", nullptr, 8, nullptr, "I"},
    {"btn_j", nullptr, 9, nullptr, "J"},  {"btn_k", nullptr, 10, nullptr, "K"}, {"btn_l", nullptr, 11, nullptr, "L"},
    {"btn_m", nullptr, 12, nullptr, "M"}, {"btn_n", nullptr, 13, nullptr, "N"}, {"btn_o", nullptr, 14, nullptr, "O"},
    {"btn_p", nullptr, 15, nullptr, "P"}, {"btn_q", nullptr, 16, nullptr, "Q"}, {"btn_r", nullptr, 17, nullptr, "R"},
    {"btn_s", nullptr, 18, nullptr, "S"}, {"btn_t", nullptr, 19, nullptr, "T"}, {"btn_u", nullptr, 20, nullptr, "U"},
    {"btn_V", nullptr, 21, nullptr, "V"}, {"btn_w", nullptr, 22, nullptr, "W"}, {"btn_x", nullptr, 23, nullptr, "X"},
    {"btn_y", nullptr, 24, nullptr, "Y"}, {"btn_z", nullptr, 25, nullptr, "Z"},
};
// clang-format on
// Each letter's lowercase label, revealed by its button.
// clang-format off
constexpr GridLabel kLowercaseLabels[] = {
    {"lb_a", "btn_a", false}, {"lb_b", "btn_b", false}, {"lb_c", "btn_c", false}, {"lb_d", "btn_d", false},
    {"lb_e", "btn_e", false}, {"lb_f", "btn_f", false}, {"lb_g", "btn_g", false}, {"lb_h", "btn_h", false},
    {"lb_i", "btn_i", false}, {"lb_j", "btn_j", false}, {"lb_k", "btn_k", false}, {"lb_L", "btn_l", false},
    {"lb_m", "btn_m", false}, {"lb_n", "btn_n", false}, {"lb_o", "btn_o", false}, {"lb_p", "btn_p", false},
    {"lb_q", "btn_q", false}, {"lb_r", "btn_r", false}, {"lb_s", "btn_s", false}, {"lb_t", "btn_t", false},
    {"lb_u", "btn_u", false}, {"lb_v", "btn_V", false}, {"lb_w", "btn_w", false}, {"lb_x", "btn_x", false},
    {"lb_y", "btn_y", false}, {"lb_z", "btn_z", false},
};
// clang-format on

// Both forms of a number share its index and so its sound.
// clang-format off
constexpr GridButton kNumerals[] = {
    {"btn_1", nullptr, 0, nullptr, "一"},  {"btn_2", nullptr, 1, nullptr, "二"},  {"btn_3", nullptr, 2, nullptr, "三"},
    {"btn_4", nullptr, 3, nullptr, "四"},  {"btn_5", nullptr, 4, nullptr, "五"},  {"btn_6", nullptr, 5, nullptr, "六"},
    {"btn_7", nullptr, 6, nullptr, "七"},  {"btn_8", nullptr, 7, nullptr, "八"},  {"btn_9", nullptr, 8, nullptr, "九"},
    {"btn_10", nullptr, 9, nullptr, "十"}, {"btn_b1", nullptr, 0, nullptr, "一"}, {"btn_b2", nullptr, 1, nullptr, "二"},
    {"btn_b3", nullptr, 2, nullptr, "三"}, {"btn_b4", nullptr, 3, nullptr, "四"}, {"btn_b5", nullptr, 4, nullptr, "五"},
    {"btn_b6", nullptr, 5, nullptr, "六"}, {"btn_b7", nullptr, 6, nullptr, "七"}, {"btn_b8", nullptr, 7, nullptr, "八"},
    {"btn_b9", nullptr, 8, nullptr, "九"}, {"btn_b10", nullptr, 9, nullptr, "十"},
};
// clang-format on

// clang-format off
constexpr SoundGridMember kMembers[] = {
    {.className = "TFM_VoiceOfHanYuPinYinSM", .layout = GridLayout::PinyinInitials, .sound = GridSound::PerButton,
     .maximiseOnShow = false, .outerWidth = 800, .buttons = kInitials, .labels = {}, .english = false,
     .start = "汉语拼音声母。小朋友，点一点声母，跟着读一读。"},
    {.className = "TFM_VoiceOfHanYuPinYin", .layout = GridLayout::PinyinFinals, .sound = GridSound::PerButton,
     .maximiseOnShow = false, .outerWidth = 800, .buttons = kFinals, .labels = kFinalLabels, .english = false,
     .start = "汉语拼音韵母。小朋友，点一点韵母，跟着读一读。"},
    {.className = "TFM_VoiceOfABC", .layout = GridLayout::Alphabet, .sound = GridSound::LetterTable,
     .maximiseOnShow = true, .outerWidth = 850, .buttons = kLetters, .labels = kLowercaseLabels, .english = true,
     .start = "英文字母。点一个大写字母，听听它怎么读，还能看到它的小写字母。"},
    {.className = "TFM_ShuZiDaXiao", .layout = GridLayout::NumeralForms, .sound = GridSound::NumeralTable,
     .maximiseOnShow = true, .outerWidth = 800, .buttons = kNumerals, .labels = {}, .english = false,
     .start = "大小写数字。上面是小写数字，下面是大写数字，点一点，读一读。"},
};
// clang-format on

}  // namespace

// clang-format off
const std::array<const char*, 26> kLetterSoundTable = {
    "001", "002", "003", "004", "005", "006", "007", "008", "009", "010", "011", "012", "013",
    "014", "015", "016", "017", "018", "019", "020", "021", "022", "023", "024", "025", "026",
};
// clang-format on

// clang-format off
const std::array<std::array<const char*, 1>, 10> kNumeralSoundTable = {{
    {"001"}, {"002"}, {"003"}, {"004"}, {"005"}, {"006"}, {"007"}, {"008"}, {"009"}, {"010"},
}};
// clang-format on

std::string GridButtonSound(const SoundGridMember& member, const GridButton& button, int itemIndex, int pageIndex)
{
    switch (member.sound) {
    case GridSound::PerButton:
        return button.sound;
    case GridSound::LetterTable:
        return kLetterSoundTable.at(static_cast<size_t>(itemIndex));
    case GridSound::NumeralTable:
        return kNumeralSoundTable.at(static_cast<size_t>(itemIndex)).at(static_cast<size_t>(pageIndex));
    }
    return {};
}

std::span<const SoundGridMember> SoundGridMembers()
{
    return kMembers;
}

}  // namespace soundboards
