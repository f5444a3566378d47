// Flag cards (认识国旗): three pages of eight flags that take the clicks
// themselves.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_GuoQi : public cards::PictureCardLesson {
public:
    TFM_GuoQi();
};
