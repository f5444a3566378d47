// The numeral match "数字配对": 一..十 and their formal forms 壹..拾.
#pragma once

#include "lessons/games/pair_match_quiz.h"

class TFM_ShuZiPeiDui : public games::PairMatchQuiz {
public:
    TFM_ShuZiPeiDui();
};
