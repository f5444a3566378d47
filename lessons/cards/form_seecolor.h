// Colour cards (认识颜色): ten balloons on one page, each name in its colour;
// "st", the cards and the back button stop first even with no sound current.
#pragma once

#include "lessons/cards/single_page_card_lesson.h"

class TFM_SeeColor : public cards::SinglePageCardLesson {
public:
    TFM_SeeColor();
};
