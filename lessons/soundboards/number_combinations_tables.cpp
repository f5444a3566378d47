// The ten number-combination boards, one row each.
#include "lessons/soundboards/number_combinations_tables.h"
#include "platform/strings.h"

namespace soundboards::padboard {

// clang-format off
const std::array<BoardMember, 10> kBoardMembers = {{
    {.className = "TFM_ChaiFengYi", .n = 1, .folder = "zuheyi\\", .groupRows = {2, 0, 0}, .buttonSide = 85,
     .ascendingKey = "btn_PaiZhenXu", .descendingKey = "btn_PaiDaoxu", .ascendingSound = "zx", .descendingSound = "dx",
     .markers = {"image2", "Image20", "Image6", "Image21"}},
    {.className = "TFM_ChaiFengEr", .n = 2, .folder = "zuheer\\", .groupRows = {2, 1, 0}, .buttonSide = 85,
     .ascendingKey = "btn_PaiZhenXu", .descendingKey = "btn_PaiDaoxu", .ascendingSound = "zx", .descendingSound = "dx",
     .markers = {"Image2", "Image16", "Image6", "Image20", "Image1", "Image21"}},
    {.className = "TFM_ChaiFengSan", .n = 3, .folder = "zuhesan\\", .groupRows = {2, 2, 0}, .buttonSide = 85,
     .ascendingKey = "btn_PaiZhenXu", .descendingKey = "btn_PaiDaoxu", .ascendingSound = "zx", .descendingSound = "dx",
     .markers = {"Image2", "Image15", "Image6", "Image16", "Image1", "Image20", "Image3", "Image21"}},
    {.className = "TFM_ChaiFengSi", .n = 4, .folder = "zuhesi\\", .groupRows = {3, 2, 0}, .buttonSide = 85,
     .ascendingKey = "btn_PaiZhenXu", .descendingKey = "btn_PaiDaoxu", .ascendingSound = "zx", .descendingSound = "dx",
     .markers = {"Image2", "Image14", "Image6", "Image15", "Image1", "Image16", "Image3", "Image20", "Image9",
                 "Image21"}},
    {.className = "TFM_ChaiFengWu", .n = 5, .folder = "zuhewu\\", .groupRows = {3, 3, 0}, .buttonSide = 85,
     .ascendingKey = "btn_PaiZhenXu", .descendingKey = "btn_PaiDaoxu", .ascendingSound = "zx", .descendingSound = "dx",
     .markers = {"Image2", "Image13", "Image6", "Image14", "Image1", "Image15", "Image3", "Image16", "Image9",
                 "Image20", "Image10", "Image21"}},
    {.className = "TFM_ChaiFengLiu", .n = 6, .folder = "zuheliu\\", .groupRows = {3, 3, 1}, .buttonSide = 85,
     .ascendingKey = "btn_PaiZhenXu", .descendingKey = "btn_PaiDaoxu", .ascendingSound = "zx", .descendingSound = "dx",
     .markers = {"Image2", "Image8", "Image6", "Image13", "Image1", "Image14", "Image3", "Image15", "Image9",
                 "Image16", "Image10", "Image20", "Image11", "Image21"},
     .stopsSoundOnClose = true},
    {.className = "TFM_ChaiFengQI", .n = 7, .folder = "zuheqi\\", .groupRows = {3, 3, 2}, .buttonSide = 85,
     .ascendingKey = "btn_PaiZhenXu", .descendingKey = "btn_PaiDaoxu", .ascendingSound = "zhenxu",
     .descendingSound = "daoxu",
     .markers = {"Image2", "Image7", "Image6", "Image8", "Image1", "Image13", "Image3", "Image14", "Image9",
                 "Image15", "Image10", "Image16", "Image11", "Image20", "Image12", "Image21"}},
    {.className = "TFM_ChaiFengBa", .n = 8, .folder = "zuheba\\", .groupRows = {3, 3, 3}, .buttonSide = 85,
     .ascendingKey = "btn_PaiZhenXu", .descendingKey = "btn_PaiDaoxu", .ascendingSound = "zx", .descendingSound = "dx",
     .markers = {"Image2", "Image5", "Image6", "Image7", "Image1", "Image8", "Image3", "Image13", "Image9",
                 "Image14", "Image10", "Image15", "Image11", "Image16", "Image12", "Image20", "Image17", "Image21"},
     .markerAtCreation = false},
    {.className = "TFM_ChaiFengJiu", .n = 9, .folder = "zuhejiu\\", .groupRows = {4, 4, 2}, .buttonSide = 75,
     .ascendingKey = "SpeedButton3", .descendingKey = "SpeedButton4", .ascendingSound = "zx", .descendingSound = "dx",
     .markers = {"Image2", "Image4", "Image6", "Image5", "Image1", "Image7", "Image3", "Image8", "Image9",
                 "Image13", "Image10", "Image14", "Image11", "Image15", "Image12", "Image16", "Image17", "Image20",
                 "Image18", "Image21"}},
    {.className = "TFM_ChaiFeng", .n = 10, .folder = "zuheshi\\", .groupRows = {4, 4, 3}, .buttonSide = 75,
     .ascendingKey = "SpeedButton3", .descendingKey = "SpeedButton4", .ascendingSound = "zhenxu",
     .descendingSound = "daoxu",
     .markers = {"Image2", "Image4", "Image6", "Image5", "Image1", "Image7", "Image3", "Image8", "Image9",
                 "Image13", "Image10", "Image14", "Image11", "Image15", "Image12", "Image16", "Image17", "Image20",
                 "Image18", "Image21", "Image19", "Image22"},
     .maximiseOnShow = true},
}};
// clang-format on

std::string LeftButtonName(const BoardMember&, int row)
{
    return "btn_" + std::to_string(row);
}

std::string RightButtonName(const BoardMember& board, int row)
{
    return "btn_b" + std::to_string(board.n - row);
}

int ShownNumber(const BoardMember& board, int cell, bool descending)
{
    const int row = cell / 2;
    const int ascending = cell % 2 == 0 ? row : board.n - row;
    return descending ? board.n - ascending : ascending;
}

std::string NumberSound(const BoardMember& board, int index, bool descending)
{
    return platform::ThreeDigits(descending ? board.n - index : index);
}

}  // namespace soundboards::padboard
