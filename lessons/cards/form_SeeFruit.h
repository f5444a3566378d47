// Fruit cards (认识水果): three pages of ten in a normal window; three pictures
// take clicks of their own too, though their buttons lie over them.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_SeeFruit : public cards::PictureCardLesson {
public:
    TFM_SeeFruit();
};
