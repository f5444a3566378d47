#include "lessons/cards/form_SeeJiaYongDianQi.h"

TFM_SeeJiaYongDianQi::TFM_SeeJiaYongDianQi() : PictureCardLesson(cards::kApplianceCards, {})
{
}
