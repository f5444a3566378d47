#include "lessons/cards/form_SeeChuan.h"

namespace {

cards::SinglePageVariant variant()
{
    cards::SinglePageVariant v;
    v.layout = cards::SingleLayout::Ships;
    return v;
}

}  // namespace

TFM_SeeChuan::TFM_SeeChuan() : SinglePageCardLesson(cards::kShipCards, variant())
{
}
