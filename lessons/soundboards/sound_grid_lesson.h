// The sound-grid lessons, written once: a fixed grid of flat buttons over
// tiles, each speaking what it shows. The pinyin initials and finals, the
// alphabet and the numeral forms are this screen driven by their own rows of
// the member table.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lessons/soundboards/sound_grids_tables.h"

#include <vector>

namespace soundboards {

class SoundGridLesson : public frame::LessonScreen {
    Q_OBJECT
public:
    explicit SoundGridLesson(const SoundGridMember& member);

    int ItemIndex = 0;  // letter or number index of the last click (alphabet, numeral forms)
    int PageIndex = 0;  // the numeral forms' page, 0 throughout

    const SoundGridMember& Member() const { return member_; }
    void ButtonClick(const GridButton& button);

protected:
    void FormCreate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // SetInitialCaptions / SetFinalCaptions: the member's captions on its buttons.
    void SetCaptions();
    // The letter's lowercase label becomes visible and stays so.
    void ShowLowercaseLabel(const GridButton& button);

    const SoundGridMember& member_;
    std::vector<std::pair<QWidget*, platform::TSpeedButton*>> labelButtons_;  // label -> the button it lies over
};

}  // namespace soundboards
