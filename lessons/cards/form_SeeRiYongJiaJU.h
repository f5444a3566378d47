// Daily article cards (日常用品): three pages of ten; "st" once page 0 is drawn.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_SeeRiYongJiaJU : public cards::PictureCardLesson {
public:
    TFM_SeeRiYongJiaJU();
};
