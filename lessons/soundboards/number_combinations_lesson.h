// The number-combination board: every split k | N - k of one number N, one
// row each; a click speaks the number on the button and marks it, the two
// order keys rewrite the rows ascending or descending. The ten boards are
// this screen, driven by their BoardMember row.
#pragma once

#include "lessons/soundboards/number_combinations_tables.h"
#include "lessons/soundboards/pads_boards_lesson.h"

#include <array>

namespace soundboards::padboard {

class NumberCombinationsLesson : public PadBoardLesson {
    Q_OBJECT
public:
    NumberCombinationsLesson(const BoardMember& board, const LayoutSetup& setupLayout);

    const BoardMember& Board() const { return board_; }

    int OrderMode = 0;        // 0 ascending, 1 descending
    int NumberIndex = 0;      // index of the clicked button into the number tables
    int CombinationCell = 0;  // row k's left button is cell 2k, its right one 2k + 1

    // Click handlers: the number button of a cell, the two order keys.
    void NumberClick(int cell);
    void AscendingClick();
    void DescendingClick();

protected:
    void FormCreate() override;
    void FormClose() override;

private:
    void PlayCombinationNumber();
    void ShowCombinationMarker();
    // SetAscendingCaptions / SetDescendingCaptions.
    void SetCaptions(bool descending);

    const BoardMember& board_;
    std::array<platform::TSpeedButton*, kMaxCells> buttons_{};  // by cell
    std::array<platform::TImage*, kMaxCells> markers_{};        // by cell
};

}  // namespace soundboards::padboard
