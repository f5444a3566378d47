// The riddles lesson (猜谜语): six pages of five riddle buttons; a riddle is
// read aloud and shown, and the answer pictures then show and say its answer.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lesson_frame/page_navigation.h"

#include <array>

class TFM_CaiMiYu : public frame::LessonScreen {
    Q_OBJECT
public:
    TFM_CaiMiYu();

    int RiddleSlot = 0;  // the riddle button clicked last
    int PageIndex() const { return pages_.PageIndex; }

protected:
    void FormCreate() override;

private:
    struct Widgets {
        std::array<platform::TSpeedButton*, 5> riddles{};
        platform::TSpeedButton* next = nullptr;
        platform::TSpeedButton* previous = nullptr;
        platform::TSpeedButton* back = nullptr;
        platform::TLabel* text = nullptr;       // lb2
        platform::TImage* question = nullptr;   // Image2
        platform::TImage* answerKey = nullptr;  // Image9
        platform::TImage* answer = nullptr;     // img_da
    };
    static Widgets buildLayout(QWidget* screen);

    void RiddleClick(int slot);
    void SelectRiddle();
    void ShowQuestionPicture();
    // Shows, introduces and says the answer of the riddle whose sound (N, or
    // its answer word "b" + N) is current; nothing without one.
    void ShowRiddleAnswer();
    void PageClick(bool forward);
    void ShowRiddleCaptions();

    Widgets ui_;
    frame::PageNavigation pages_;
};
