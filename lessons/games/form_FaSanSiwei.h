// Imagine the animal "发散思维": ten animal pictures and a close-up of a part
// of one of them; the kid clicks the animal the close-up belongs to.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lessons/games/game_vocabulary.h"
#include "lessons/games/imagine_tables.h"

#include <array>
#include <string>

class TFM_FaSanSiwei : public frame::LessonScreen {
    Q_OBJECT
public:
    TFM_FaSanSiwei();

    // The animal number ("1".."25") shown by Image1..Image10; empty before
    // the group's draw reaches the picture.
    std::array<std::string, games::kImagineShown> ShownAnimal;
    std::string ClueAnimal;  // the close-up's animal, one of ShownAnimal
    int ClickedPicture = 0;  // the picture clicked last, 0..9

protected:
    void FormCreate() override;

private:
    void NewImagineRound();
    void CheckImagineAnswer();
    void ClearAnswerMarks();
    void ImageClick(int picture);
    void NextGroupClick();

    std::array<platform::TImage*, games::kImagineShown> images_{};
    std::array<platform::TLabel*, games::kImagineShown> markLabels_{};
    platform::TImage* clue_ = nullptr;
    games::AnswerMark marks_;
};
