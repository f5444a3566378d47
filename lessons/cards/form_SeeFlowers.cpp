#include "lessons/cards/form_SeeFlowers.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.loader = cards::Loader::EmptySlots;
    return v;
}

}  // namespace

TFM_SeeFlowers::TFM_SeeFlowers() : PictureCardLesson(cards::kFlowerCards, variant())
{
}
