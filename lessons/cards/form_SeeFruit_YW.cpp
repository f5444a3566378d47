#include "lessons/cards/form_SeeFruit_YW.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.startSound = cards::StartSound::Last;
    v.loader = cards::Loader::EmptySlots;
    v.captionPixelSize = 24;
    return v;
}

}  // namespace

TFM_SeeFruit_YW::TFM_SeeFruit_YW() : PictureCardLesson(cards::kEnglishFruitCards, variant())
{
}
