// Vehicle cards (认识车辆): two pages of ten; the captions fit their text.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_SeeJiaoTongGongJu : public cards::PictureCardLesson {
public:
    TFM_SeeJiaoTongGongJu();
};
