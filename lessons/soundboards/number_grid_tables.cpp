// The two number grids' tables: both caption tables of each, the English
// grid's sounds by cell, and the pictures of the two arrangements.
#include "lessons/soundboards/sound_grids_tables.h"

namespace soundboards {

// clang-format off
const std::array<const char*, 21> kGridSoundTable = {
    "",    "001", "002", "003", "004", "005", "006", "007", "008", "009", "010",
    "011", "012", "013", "014", "015", "016", "017", "018", "019", "020",
};
// clang-format on

namespace {

// clang-format off
constexpr NumberGridMember kMembers[] = {
    {.className = "TFM_VoiceOfShuYiBai",
     .kind = NumberGridKind::Digits,
     .maximiseOnShow = true,
     .rows = 4,
     .columns = 5,
     .captions = {{
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"},
         {"1", "5", "9", "13", "17", "2", "6", "10", "14", "18", "3", "7", "11", "15", "19", "4", "8", "12", "16", "20"},
     }},
     .cellSounds = {},
     .tilePicture = {"s20t001", "s20t002"},
     .markerPicture = {"s20tt001", "s20tt002"},
     .english = false,
     .start = "阿拉伯数字。点一点数字，听听它怎么读。"},
    {.className = "TFM_ShuShanShi_YingWen",
     .kind = NumberGridKind::Words,
     .maximiseOnShow = false,
     .rows = 5,
     .columns = 4,
     .captions = {{
         // "thirteen " keeps the trailing blank the horizontal table has.
         {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "eleven", "twelve",
          "thirteen ", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"},
         {"one", "six", "eleven", "sixteen", "two", "seven", "twelve", "seventeen", "three", "eight", "thirteen",
          "eighteen", "four", "nine", "fourteen", "nineteen", "five", "ten", "fifteen", "twenty"},
     }},
     .cellSounds = {{
         {"001", "002", "003", "004", "005", "006", "007", "008", "009", "010",
          "011", "012", "013", "014", "015", "016", "017", "018", "019", "020"},
         {"001", "006", "011", "016", "002", "007", "012", "017", "003", "008",
          "013", "018", "004", "009", "014", "019", "005", "010", "015", "020"},
     }},
     .tilePicture = {"s20ywt001", "s20ywt002"},
     .markerPicture = {"s20ywtt001", "s20ywtt002"},
     .english = true,
     .start = "英文数字。点一点英文单词，听听一到二十用英语怎么说。"},
};
// clang-format on

}  // namespace

std::span<const NumberGridMember> NumberGridMembers()
{
    return kMembers;
}

}  // namespace soundboards
