// English animal cards (动物英文): the animal cards' animals, named in English;
// two captions are long enough to take two lines.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_SeeLandAnimal_YW : public cards::PictureCardLesson {
public:
    TFM_SeeLandAnimal_YW();
};
