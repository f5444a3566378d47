// The find-the-shape lesson: a board find quiz over its own tables and layout.
#pragma once

#include "lessons/boardquiz/board_find_quiz.h"

class TFM_ZhaoXingZhuang : public boardquiz::BoardFindQuiz {
    Q_OBJECT
public:
    TFM_ZhaoXingZhuang();
};
