// The calculator pads' tables: the two members and the counter patterns.
#include "lessons/soundboards/calculator_pad_tables.h"
#include "platform/strings.h"

#include <stdexcept>

namespace soundboards::padboard {

// clang-format off
const std::array<PadMember, 2> kPadMembers = {{
    {
        .className = "TFM_JianFa",
        .operation = PadOperation::Subtract,
        .operatorSound = "jian",
        .operatorSay = "减",
        .resultSounds = 10,
        .tenthResultCell = false,
        .startSay = "减法练习。先按一个数字，再按减号，再按一个数字，最后按等号。",
    },
    {
        .className = "TFM_JiaFa",
        .operation = PadOperation::Add,
        .operatorSound = "jia",
        .operatorSay = "加",
        .resultSounds = 11,
        .tenthResultCell = true,
        .startSay = "加法练习。先按一个数字，再按加号，再按一个数字，最后按等号。",
    },
}};
// clang-format on

namespace {

constexpr uint16_t cells(std::initializer_list<int> list)
{
    uint16_t mask = 0;
    for (int k : list)
        mask = static_cast<uint16_t>(mask | (1u << (k - 1)));
    return mask;
}

constexpr uint16_t kAllNine = 0x1FF;

// Patterns of 1..9, [0] unused. The first operand's grid draws 4 as a
// square of its own; the other two grids share their table.
// clang-format off
constexpr std::array<uint16_t, 10> kFirstGrid = {
    0, cells({5}), cells({4, 6}), cells({4, 5, 6}), cells({4, 6, 7, 9}), cells({2, 4, 6, 7, 9}),
    cells({4, 5, 6, 7, 8, 9}), cells({2, 4, 5, 6, 7, 8, 9}), kAllNine & ~cells({5}), kAllNine,
};
// clang-format on
// clang-format off
constexpr std::array<uint16_t, 10> kOtherGrids = {
    0, cells({5}), cells({4, 6}), cells({4, 5, 6}), cells({5, 7, 8, 9}), cells({2, 4, 6, 7, 9}),
    cells({4, 5, 6, 7, 8, 9}), cells({2, 4, 5, 6, 7, 8, 9}), kAllNine & ~cells({5}), kAllNine,
};
// clang-format on

}  // namespace

int PadResultOf(const PadMember& pad, int operandA, int operandB)
{
    return pad.operation == PadOperation::Subtract ? operandA - operandB : operandA + operandB;
}

bool SecondOperandAllowed(const PadMember& pad, int operandA, int d)
{
    return pad.operation == PadOperation::Subtract ? d <= operandA : operandA + d <= 10;
}

std::string ResultSound(const PadMember& pad, int result)
{
    if (result < 0 || result >= pad.resultSounds)
        throw std::out_of_range("no result sound for " + std::to_string(result) + " in " + pad.className);
    return platform::ThreeDigits(result);
}

std::optional<uint16_t> CounterCells(const PadMember& pad, int grid, const std::string& caption)
{
    for (int n = 1; n <= 9; ++n)
        if (caption == std::to_string(n))
            return grid == 1 ? kFirstGrid[static_cast<size_t>(n)] : kOtherGrids[static_cast<size_t>(n)];
    if (grid == 3 && pad.tenthResultCell && caption == "10")
        return static_cast<uint16_t>(kAllNine | (1u << (kTenthCell - 1)));
    return std::nullopt;
}

}  // namespace soundboards::padboard
