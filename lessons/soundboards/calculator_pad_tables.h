// The constant tables of the two calculator pads (subtraction and addition):
// which pad does what, the counter patterns of the three grids and the
// result sounds. The screens, the content declarations and the tests read
// them; nothing here touches a widget.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace soundboards::padboard {

enum class PadOperation { Subtract, Add };

struct PadMember {
    const char* className;
    PadOperation operation;
    const char* operatorSound;  // played by the operator key: "jian" / "jia"
    const char* operatorSay;    // what it says
    int resultSounds;           // entries of ResultSoundTable: "000" up to resultSounds - 1
    bool tenthResultCell;       // the result grid has img_3a10, for the result 10
    const char* startSay;       // what the start sound says
};

inline constexpr int kPadGrids = 3;
inline constexpr int kGridCells = 9;
inline constexpr int kTenthCell = 10;

extern const std::array<PadMember, 2> kPadMembers;

// OperandA - OperandB or OperandA + OperandB.
int PadResultOf(const PadMember& pad, int operandA, int operandB);
// Whether the digit key d stays open for the second operand after the first.
bool SecondOperandAllowed(const PadMember& pad, int operandA, int d);
// ResultSoundTable[result]; throws std::out_of_range outside the table.
std::string ResultSound(const PadMember& pad, int result);

// The cells grid (1..3) shows for a label's caption, as a mask with bit
// k - 1 for cell k (bit 9 for the tenth cell); nothing for a caption the
// grid has no pattern of, such as "0".
std::optional<uint16_t> CounterCells(const PadMember& pad, int grid, const std::string& caption);

}  // namespace soundboards::padboard
