// The find-the-colour lesson: a board find quiz over its own tables and layout.
#pragma once

#include "lessons/boardquiz/board_find_quiz.h"

class TFM_ZhaoYanSe : public boardquiz::BoardFindQuiz {
    Q_OBJECT
public:
    TFM_ZhaoYanSe();
};
