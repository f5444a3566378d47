#include "lessons/cards/form_SeeLandAnimal_YW.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.startSound = cards::StartSound::Last;
    v.renames = {{"img5", "Img5"}};
    v.captionPixelSize = 24;
    v.twoLineLabels = {"LB_b1", "LB_b4"};
    return v;
}

}  // namespace

TFM_SeeLandAnimal_YW::TFM_SeeLandAnimal_YW() : PictureCardLesson(cards::kEnglishAnimalCards, variant())
{
}
