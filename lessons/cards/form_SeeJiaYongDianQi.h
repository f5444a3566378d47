// Appliance cards (家电数码): three pages of ten, the scheme as it stands.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_SeeJiaYongDianQi : public cards::PictureCardLesson {
public:
    TFM_SeeJiaYongDianQi();
};
