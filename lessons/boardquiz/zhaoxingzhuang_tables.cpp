// Find the shape: ten shapes, each in a colour of its own, three tiles of each.
#include "lessons/boardquiz/boardquiz_tables.h"

namespace boardquiz {

// clang-format off
const QuizTable kZhaoXingZhuang{
    .className = "TFM_ZhaoXingZhuang",
    .tasks = {{
        // button, caption, tiles, colour, shape, spoken
        {"btn_ZhaoLvSe", "", {"1", "2", "3"}, 0xB5E61D, "circle", "找圆形"},
        {"btn_ZhaoHongSe", "", {"4", "5", "6"}, 0xED1C24, "triangle", "找三角形"},
        {"btn_ZhaoHeiSe", "", {"7", "8", "9"}, 0x000000, "square", "找正方形"},
        {"btn_ZhaoHuangSe", "", {"10", "11", "12"}, 0xFFF200, "rectangle", "找长方形"},
        {"btn_ZhaoLanse", "", {"16", "17", "18"}, 0x00FFFF, "ellipse", "找椭圆形"},
        {"btn_ZhaoHuiSe", "", {"25", "26", "27"}, 0x880015, "diamond", "找菱形"},
        {"btn_zhaoganlanse", "", {"28", "29", "30"}, 0xFF7F27, "trapezoid", "找梯形"},
        {"btn_ZhaoBaiSe", "", {"19", "20", "21"}, 0xFFFFFF, "sector", "找扇形"},
        {"btn_ZhaoZiSe", "", {"22", "23", "24"}, 0xFF00FF, "parallelogram", "找平行四边形"},
        {"btn_ZhaoZangqingse", "", {"13", "14", "15"}, 0x3F48CC, "star", "找五角星"},
    }},
    .tileTable = kIdentityTiles,
    .promptNames = {"001", "002", "003", "004", "005", "006", "007", "008", "009", "010"},
    .feedbackNames = {"001", "002"},
    .promptPrefix = "",
    .feedbackPrefix = "a",
    .tilePrefix = "zhaoxzt",
    .tileSize = 80,
    .markerPrefix = "zhaoxztf",
    .marks = FoundMarks::Pictures,
    .markWidgets = {"img_no1", "img_no2", "img_no3"},
    .silhouettePrefix = "zhaoxzt",
    .colouredPrefix = "zhaoxzta",
    .loadsTaskPictures = true,
    .swatchPrefix = "",
    .startSay = "找形状。小朋友，先点右边的一个形状，再在左边找出三个一样的形状。",
    .rightSay = "找对了！",
    .completeSay = "真棒，三个都找到了！",
};
// clang-format on

}  // namespace boardquiz
