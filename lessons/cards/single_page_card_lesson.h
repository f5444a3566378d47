// The single-page card lessons (colours, shapes, ships), written once: ten
// cards on one page, each speaking its name when clicked, and the back
// button. The members differ in layout and in when they stop a sound.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lessons/cards/card_tables.h"

namespace cards {

enum class SingleLayout { Colours, Shapes, Ships };

struct SinglePageVariant {
    SingleLayout layout = SingleLayout::Colours;
    frame::StopRule stop = frame::StopRule::IfCurrent;  // first step of "st", the cards and the back button
    bool labelsInCardColour = false;                    // each caption in the colour it names
};

class SinglePageCardLesson : public frame::LessonScreen {
    Q_OBJECT
public:
    SinglePageCardLesson(const SingleCardTable& table, SinglePageVariant variant);

    int CardIndex = 0;  // the card clicked last, in reading order

    void CardClick(int card);
    // Plays card CardIndex (one guarded block).
    void PlayCardSound();
    // Stops the sound by the lesson's rule and closes the screen.
    void BackClick();

protected:
    void FormCreate() override;

private:
    const SingleCardTable& table_;
    SinglePageVariant variant_;
};

}  // namespace cards
