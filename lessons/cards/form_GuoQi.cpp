#include "lessons/cards/form_GuoQi.h"

namespace {

cards::PagedCardVariant variant()
{
    cards::PagedCardVariant v;
    v.loader = cards::Loader::PictureOnly;
    v.layout = cards::CardLayout::EightFlags;
    return v;
}

}  // namespace

TFM_GuoQi::TFM_GuoQi() : PictureCardLesson(cards::kFlagCards, variant())
{
}
