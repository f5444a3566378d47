// Ship cards (认识船只): ten ships on one page.
#pragma once

#include "lessons/cards/single_page_card_lesson.h"

class TFM_SeeChuan : public cards::SinglePageCardLesson {
public:
    TFM_SeeChuan();
};
