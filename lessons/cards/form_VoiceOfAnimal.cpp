#include "lessons/cards/form_VoiceOfAnimal.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.cardStop = frame::StopRule::Always;
    v.pageButtonsStopFirst = true;
    v.bottomBarHeight = 118;
    return v;
}

}  // namespace

TFM_VoiceOfAnimal::TFM_VoiceOfAnimal() : PictureCardLesson(cards::kSoundCards, variant())
{
}
