// Animal cards (认识动物): eight pages of ten; "st" once page 0 is drawn.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_SeeLandAnimal : public cards::PictureCardLesson {
public:
    TFM_SeeLandAnimal();
};
