#include "lessons/cards/form_seecolor.h"

namespace {

cards::SinglePageVariant variant()
{
    cards::SinglePageVariant v;
    v.layout = cards::SingleLayout::Colours;
    v.stop = frame::StopRule::Always;
    v.labelsInCardColour = true;
    return v;
}

}  // namespace

TFM_SeeColor::TFM_SeeColor() : SinglePageCardLesson(cards::kColourCards, variant())
{
}
