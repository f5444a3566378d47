#include "lessons/cards/form_SeeJiaoTongGongJu.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.loader = cards::Loader::EmptySlots;
    v.labelsSizeToText = true;
    return v;
}

}  // namespace

TFM_SeeJiaoTongGongJu::TFM_SeeJiaoTongGongJu() : PictureCardLesson(cards::kVehicleCards, variant())
{
}
