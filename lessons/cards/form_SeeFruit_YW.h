// English fruit cards (水果英文): the fruit cards' fruit, named in English.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_SeeFruit_YW : public cards::PictureCardLesson {
public:
    TFM_SeeFruit_YW();
};
