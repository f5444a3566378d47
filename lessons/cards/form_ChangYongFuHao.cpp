#include "lessons/cards/form_ChangYongFuHao.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.startSound = cards::StartSound::Last;
    v.loader = cards::Loader::EmptySlots;
    v.renames = {{"btn_a1", "bt_a1"}, {"btn_a2", "bt_a2"}, {"LB_a1", "lb_a1"}, {"imgb1", "img6"},
                 {"imgb2", "img7"},   {"imgb3", "img8"},   {"imgb4", "img9"},  {"imgb5", "img10"}};
    return v;
}

}  // namespace

TFM_ChangYongFuHao::TFM_ChangYongFuHao() : PictureCardLesson(cards::kSymbolCards, variant())
{
}
