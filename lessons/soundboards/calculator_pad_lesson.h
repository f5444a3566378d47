// The calculator pad: a digit, the operator key, a second digit and the
// equals key; every key speaks, each number shows as counters in a 3 by 3
// grid, and the result is spoken and counted out. Both pads (subtraction and
// addition) are this screen, driven by their PadMember row.
#pragma once

#include "lessons/soundboards/calculator_pad_tables.h"
#include "lessons/soundboards/pads_boards_lesson.h"

#include <array>

namespace soundboards::padboard {

class CalculatorPadLesson : public PadBoardLesson {
    Q_OBJECT
public:
    CalculatorPadLesson(const PadMember& pad, const LayoutSetup& setupLayout);

    const PadMember& Pad() const { return pad_; }

    int LastDigit = 0;    // digit of the key pressed last
    int EntryState = 0;   // 0: first operand; 1: second operand; 2: showing the result
    int ResultShown = 0;  // 1 once a result has been shown in this visit
    int PadResult = 0;    // only inside the equals key
    int OperandA = 0;     // 0: not entered
    int OperandB = 0;

    // The keys' click handlers.
    void DigitClick(int digit);
    void btn_jiaClick();
    void btn_dengyuClick();
    void btn_clearClick();

protected:
    void FormCreate() override;

private:
    void RecordOperand();
    void ShowCounterPattern();
    void LimitSecondOperand();
    void ShowAllDigitKeys();
    void HideCounterGrids();
    void PlayResultSound();
    // The pad's player: a failing sound never stops a key's handler.
    void PlayPadSound(const std::string& name);
    void SetKeyVisible(int digit, bool visible);
    void DrawGrid(int grid, const platform::TLabel* label);

    const PadMember& pad_;
    std::array<platform::TSpeedButton*, 10> keys_{};   // [1..9]
    std::array<platform::TImage*, 10> keyPictures_{};  // [1..9]
    std::array<platform::TLabel*, 6> labels_{};        // lb_1 .. lb_5 at [1..5]
    // [grid 1..3][cell 1..10]; the tenth cell only in the addition result grid.
    std::array<std::array<platform::TImage*, kTenthCell + 1>, kPadGrids + 1> cells_{};
};

}  // namespace soundboards::padboard
