// The constant tables of the ten number-combination boards: one row per
// member, with the number it splits, its folder, how its rows fall into
// groups, its widget names and order sounds, and the three places where
// members behave differently. Screens, content declarations and tests read
// them; nothing here touches a widget.
#pragma once

#include <array>
#include <string>

namespace soundboards::padboard {

inline constexpr int kMaxSplit = 10;
inline constexpr int kMaxCells = 2 * (kMaxSplit + 1);
inline constexpr int kMaxGroups = 3;

struct BoardMember {
    const char* className;
    int n;                                  // the number split into two parts
    const char* folder;                     // media folder literal
    std::array<int, kMaxGroups> groupRows;  // rows of each group, left to right; 0 for no group
    int buttonSide;                         // number buttons are squares of this many pixels
    const char* ascendingKey;               // order keys' widget names
    const char* descendingKey;
    const char* ascendingSound;  // AscendingSound / DescendingSound
    const char* descendingSound;
    std::array<const char*, kMaxCells> markers;  // marker widget of cell 0 .. 2N + 1
    bool stopsSoundOnClose = false;              // FormClose silences the screen (N = 6)
    bool markerAtCreation = true;                // FormCreate shows the marker of cell 0 (not N = 8)
    bool maximiseOnShow = false;                 // FormShow maximises (N = 10)

    int rows() const { return n + 1; }
    int cells() const { return 2 * (n + 1); }
};

extern const std::array<BoardMember, 10> kBoardMembers;

// Widget names of row k's number buttons: "btn_" + k and "btn_b" + (N - k).
std::string LeftButtonName(const BoardMember& board, int row);
std::string RightButtonName(const BoardMember& board, int row);
// The number a cell's button shows in an order (descending: false / true).
int ShownNumber(const BoardMember& board, int cell, bool descending);
// AscendingNumberTable / DescendingNumberTable entry i.
std::string NumberSound(const BoardMember& board, int index, bool descending);

}  // namespace soundboards::padboard
