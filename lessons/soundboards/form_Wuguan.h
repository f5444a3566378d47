// The body-parts lesson "人体部位": a face with six parts around it, each
// with a Chinese button, an English button and a picture; any of the three
// marks the part on the face and names it.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lessons/soundboards/sound_grids_tables.h"

#include <array>

class TFM_WuGuan : public frame::LessonScreen {
    Q_OBJECT
public:
    TFM_WuGuan();

    int BodyPartCode = 0;  // the part selected last, 1..6; 0 before any click

    // The Chinese button's or the picture's click: mark, then "001".."006".
    void ChineseClick(int code);
    // The English button's click: "b001".."b006", then mark.
    void EnglishClick(int code);

protected:
    void FormCreate() override;

private:
    // Exactly the marker of BodyPartCode shows.
    void ShowBodyPartMarker();
    void PlayBodyPartSound();

    std::array<QWidget*, 6> markers_{};  // by code - 1
};
