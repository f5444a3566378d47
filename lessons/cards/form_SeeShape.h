// Shape cards (认识形状): ten shapes on one page.
#pragma once

#include "lessons/cards/single_page_card_lesson.h"

class TFM_SeeShape : public cards::SinglePageCardLesson {
public:
    TFM_SeeShape();
};
