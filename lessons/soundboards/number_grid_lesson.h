// The number grids with arrangement, written once: 20 buttons showing 1 to
// 20 as digits or English words, laid out row by row or column by column by
// two keys; every clicked button gets a step marker until the arrangement is
// chosen again. The digits and the words are this screen driven by their
// rows of the member table.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lessons/soundboards/sound_grids_tables.h"

#include <array>

namespace soundboards {

class NumberGridLesson : public frame::LessonScreen {
    Q_OBJECT
public:
    explicit NumberGridLesson(const NumberGridMember& member);

    int Arrangement = 0;  // 0 horizontal, 1 vertical
    int CellIndex = 0;    // the clicked button's place in row-major order
    int Number = 0;       // the digits' number parsed from the clicked caption

    const NumberGridMember& Member() const { return member_; }

    void GridClick(int cell);
    // The two arrangement keys (横向排列, 纵向排列).
    void ArrangementClick(int arrangement);

protected:
    void FormCreate() override;

private:
    // Captions and tiles of the current arrangement.
    void ShowArrangement();
    // Step marker CellIndex + 1 shows the arrangement's marker picture; the
    // others stay as they are.
    void ShowStepMarker();
    void HideStepMarkers();
    void PlayGridNumberSound();
    int cells() const { return member_.rows * member_.columns; }

    const NumberGridMember& member_;
    std::array<platform::TSpeedButton*, 20> buttons_{};
    std::array<platform::TImage*, 20> tiles_{};
    std::array<platform::TImage*, 20> markers_{};
};

}  // namespace soundboards
