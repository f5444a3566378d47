#include "lessons/cards/form_SeeFruit.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.maximise = false;
    v.pictureClicks = {2, 5, 9};
    return v;
}

}  // namespace

TFM_SeeFruit::TFM_SeeFruit() : PictureCardLesson(cards::kFruitCards, variant())
{
}
