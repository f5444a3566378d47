// The letter match "字母配对": capitals and their lower-case partners.
#pragma once

#include "lessons/games/pair_match_quiz.h"

class TFM_ZiMuPeiDui : public games::PairMatchQuiz {
public:
    TFM_ZiMuPeiDui();
};
