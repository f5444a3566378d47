// Flower cards (认识花卉): three pages of ten.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_SeeFlowers : public cards::PictureCardLesson {
public:
    TFM_SeeFlowers();
};
