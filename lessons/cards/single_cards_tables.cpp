// The cards of the three single-page lessons (colours, shapes, ships) and the
// helpers every card table shares.
#include "lessons/cards/card_tables.h"

#include "platform/strings.h"

#include <cctype>
#include <cstring>

namespace cards {

namespace {

// clang-format off
const SingleCard kColours[] = {
    {"img_1", "LB_a2", "红 色", "001", 0xFF0000, ""}, {"img_2", "Label1", "黄 色", "002", 0xFFFF00, ""},
    {"img_3", "LB_a3", "蓝 色", "003", 0x00FFFF, ""}, {"img_4", "LB_a4", "绿 色", "004", 0x00FF00, ""},
    {"img_5", "LB_a5", "紫 色", "005", 0xFF00FF, ""}, {"img_6", "LB_b1", "黑 色", "006", 0x000000, ""},
    {"Image1", "LB_b2", "灰 色", "007", 0x808080, ""}, {"img_8", "LB_b3", "白 色", "008", 0xFFFFFF, ""},
    {"Image2", "LB_b4", "橄榄色", "009", 0x808000, ""}, {"Image3", "LB_b5", "藏青色", "010", 0x000080, ""},
};
// clang-format on

// clang-format off
const SingleCard kShapes[] = {
    {"img_2", "LB_a2", "正方形", "001", 0xE53935, "square"},    {"img_1", "Label1", "圆 形", "002", 0xFB8C00, "circle"},
    {"img_3", "LB_a3", "菱 形", "003", 0x43A047, "diamond"},    {"img_4", "LB_a4", "三角形", "004", 0x1E88E5, "triangle"},
    {"img_5", "LB_a5", "梯 形", "005", 0x8E24AA, "trapezoid"},  {"img_6", "LB_b1", "扇 形", "006", 0xF06292, "sector"},
    {"Image1", "LB_b2", "五角形", "007", 0xFDD835, "star"},      {"img_8", "LB_b3", "椭圆形", "008", 0x00ACC1, "ellipse"},
    {"Image2", "LB_b4", "平行四边形", "009", 0x6D4C41, "parallelogram"}, {"Image3", "LB_b5", "长方形", "010", 0x3949AB, "rectangle"},
};
// clang-format on

// clang-format off
const SingleCard kShips[] = {
    {"btn_a1", "LB_a1", "帆船", "001", 0, "⛵"},                   {"btn_a2", "LB_a2", "游轮", "002", 0, "🛳️"},
    {"btn_a3", "LB_a3", "摩托艇", "003", 0, "🚤"},                  {"btn_a4", "LB_a4", "军舰", "004", 0, "warship"},
    {"btn_a5", "LB_a5", "潜水艇", "005", 0, "submarine"},          {"btn_b1", "LB_b1", "气垫船", "006", 0, "hovercraft"},
    {"btn_b2", "LB_b2", "航空母舰", "007", 0, "aircraft_carrier"},  {"btn_b3", "LB_b3", "橡皮艇", "008", 0, "rubber_dinghy"},
    {"btn_b4", "LB_b4", "独木舟", "009", 0, "🛶"},                  {"btn_b5", "LB_b5", "货运船", "010", 0, "cargo_ship"},
};
// clang-format on

}  // namespace

const SingleCardTable kColourCards{"TFM_SeeColor", kColours, "", "YANSE_BG"};
const SingleCardTable kShapeCards{"TFM_SeeShape", kShapes, "SHAPET", "FRAME_BACKGROUND"};
const SingleCardTable kShipCards{"TFM_SeeChuan", kShips, "CHUANT", "FRAME_BACKGROUND"};

CardCell ColourCardCell(int card)
{
    static const int lefts[] = {5, 163, 323, 480, 637};
    return {lefts[card % 5], card < 5 ? 14 : 227, 140, 150};
}

CardCell ColourCaptionCell(int card)
{
    const CardCell balloon = ColourCardCell(card);
    return {balloon.left - 8, balloon.top + 152, balloon.width + 16, 40};
}

bool IsEmptySlot(const CardEntry& card)
{
    return std::strcmp(card.name, kEmptySlotMark) == 0;
}

const char* CardFamily::motif(size_t index) const
{
    const char* own = cards[index].motif;
    if (own)
        return own;
    return twin ? twin->motif(index) : "";
}

std::string CardFamily::pictureName(const CardEntry& card) const
{
    return platform::UpperCase(prefix) + card.name;
}

}  // namespace cards
