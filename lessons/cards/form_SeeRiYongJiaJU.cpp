#include "lessons/cards/form_SeeRiYongJiaJU.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.startSound = cards::StartSound::Last;
    v.loader = cards::Loader::EmptySlots;
    return v;
}

}  // namespace

TFM_SeeRiYongJiaJU::TFM_SeeRiYongJiaJU() : PictureCardLesson(cards::kDailyArticleCards, variant())
{
}
