#include "lessons/cards/form_SeeShuCai.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.loader = cards::Loader::EmptySlots;
    v.cardStop = frame::StopRule::Always;
    v.renames = {{"img1", "imga1"}, {"img2", "imga2"}, {"img3", "imga3"}, {"img4", "imga4"}, {"img5", "imga5"}};
    return v;
}

}  // namespace

TFM_SeeShuCai::TFM_SeeShuCai() : PictureCardLesson(cards::kVegetableCards, variant())
{
}
