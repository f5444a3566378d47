#include "lessons/cards/form_SeeShape.h"

namespace {

cards::SinglePageVariant variant()
{
    cards::SinglePageVariant v;
    v.layout = cards::SingleLayout::Shapes;
    return v;
}

}  // namespace

TFM_SeeShape::TFM_SeeShape() : SinglePageCardLesson(cards::kShapeCards, variant())
{
}
