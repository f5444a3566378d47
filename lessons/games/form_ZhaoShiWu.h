// Find the food "找食物": animals and what each of them eats.
#pragma once

#include "lessons/games/pair_match_quiz.h"

class TFM_ZhaoShiWu : public games::PairMatchQuiz {
public:
    TFM_ZhaoShiWu();
};
