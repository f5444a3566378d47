#include "lessons/cards/from_SeeLandAnimal.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.startSound = cards::StartSound::Last;
    v.renames = {{"img5", "Img5"}};
    return v;
}

}  // namespace

TFM_SeeLandAnimal::TFM_SeeLandAnimal() : PictureCardLesson(cards::kAnimalCards, variant())
{
}
