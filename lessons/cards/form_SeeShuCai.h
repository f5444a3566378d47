// Vegetable cards (认识蔬菜): four pages, the last with two cards; each card
// click stops whatever sound there is first.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_SeeShuCai : public cards::PictureCardLesson {
public:
    TFM_SeeShuCai();
};
