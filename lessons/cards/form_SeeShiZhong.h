// The clock lesson (认识时钟): twelve hour buttons around a clock face; a
// click shows that hour's face and speaks the hour.
#pragma once

#include "lesson_frame/lesson_screen.h"

namespace platform {
class TImage;
}

class TFM_SeeShiZhong : public frame::LessonScreen {
    Q_OBJECT
public:
    TFM_SeeShiZhong();

    int HourIndex = 0;  // the hour shown minus one

    // Button K (1 to 12): show its face, then speak its hour.
    void HourClick(int hour);
    // Decodes the face of HourIndex into img_z1; a face that cannot be read
    // or decoded leaves the one shown before.
    void ShowClockFace();
    void PlayHourSound();
    // Stops the sound (always) and closes the screen.
    void BackClick();

protected:
    void FormCreate() override;

private:
    platform::TImage* face_;
};
