// Symbol cards (常用符号): three pages, the last with the one card "双引号";
// some widgets go by names of their own.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_ChangYongFuHao : public cards::PictureCardLesson {
public:
    TFM_ChangYongFuHao();
};
