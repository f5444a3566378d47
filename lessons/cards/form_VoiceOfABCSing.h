// The fruit pyramid lesson (水果金字塔): beside each row of the pyramid a
// button speaks the row's English number and another its fruit.
#pragma once

#include "lesson_frame/lesson_screen.h"

class TFM_VoiceOfABCSing : public frame::LessonScreen {
    Q_OBJECT
public:
    TFM_VoiceOfABCSing();

    // Plays a sound of the lesson, always stopping first; errors are dropped.
    void PlayWord(const std::string& name);
    // Stops the sound (always) and closes the screen.
    void BackClick();

protected:
    void FormCreate() override;
};
