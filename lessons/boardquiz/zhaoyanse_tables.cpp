// Find the colour: ten colours, three solid tiles of each.
#include "lessons/boardquiz/boardquiz_tables.h"

namespace boardquiz {

// clang-format off
const QuizTable kZhaoYanSe{
    .className = "TFM_ZhaoYanSe",
    .tasks = {{
        // button, caption, tiles, colour, shape, spoken
        {"btn_ZhaoLvSe", "找绿色", {"1", "2", "3"}, 0x00FF00, "", "找绿色"},
        {"btn_ZhaoHongSe", "找红色", {"4", "5", "6"}, 0xFF0000, "", "找红色"},
        {"btn_ZhaoHeiSe", "找黑色", {"13", "14", "15"}, 0x000000, "", "找黑色"},
        {"btn_ZhaoHuangSe", "找黄色", {"7", "8", "9"}, 0xFFF200, "", "找黄色"},
        {"btn_ZhaoLanse", "找蓝色", {"16", "17", "18"}, 0x00FFFF, "", "找蓝色"},
        {"btn_ZhaoHuiSe", "找灰色", {"25", "26", "27"}, 0xB2B2B2, "", "找灰色"},
        {"btn_zhaoganlanse", "找橄榄色", {"28", "29", "30"}, 0x808000, "", "找橄榄色"},
        {"btn_ZhaoBaiSe", "找白色", {"19", "20", "21"}, 0xFFFFFF, "", "找白色"},
        {"btn_ZhaoZiSe", "找紫色", {"10", "11", "12"}, 0xFF00FF, "", "找紫色"},
        {"btn_ZhaoZangqingse", "找藏青色", {"22", "23", "24"}, 0x003F80, "", "找藏青色"},
    }},
    .tileTable = kIdentityTiles,
    .promptNames = {"001", "002", "003", "004", "005", "006", "007", "008", "009", "010"},
    .feedbackNames = {"001", "002"},
    .promptPrefix = "a",
    .feedbackPrefix = "",
    .tilePrefix = "zhaoyst",
    .tileSize = 130,
    .markerPrefix = "zhaoystf",
    .marks = FoundMarks::Ticks,
    .markWidgets = {"lb1", "lb2", "lb3"},
    .silhouettePrefix = "",
    .colouredPrefix = "",
    .loadsTaskPictures = false,
    .swatchPrefix = "zhaoys_swatch",
    .startSay = "找颜色。小朋友，先点右边的一种颜色，再在左边找出三块一样颜色的方块。",
    .rightSay = "对了！",
    .completeSay = "真棒，三块都找到了！",
};
// clang-format on

}  // namespace boardquiz
