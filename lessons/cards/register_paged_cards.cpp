// The paged and single-page card lessons, for the menu's launcher.
#include "lesson_frame/lesson_registry.h"
#include "lessons/cards/cards.h"
#include "lessons/cards/form_ChangYongFuHao.h"
#include "lessons/cards/form_GuoQi.h"
#include "lessons/cards/form_SeeChuan.h"
#include "lessons/cards/form_SeeFlowers.h"
#include "lessons/cards/form_SeeFruit.h"
#include "lessons/cards/form_SeeFruit_YW.h"
#include "lessons/cards/form_SeeJiaYongDianQi.h"
#include "lessons/cards/form_SeeJiaoTongGongJu.h"
#include "lessons/cards/form_SeeLandAnimal_YW.h"
#include "lessons/cards/form_SeeRiYongJiaJU.h"
#include "lessons/cards/form_SeeShape.h"
#include "lessons/cards/form_SeeShuCai.h"
#include "lessons/cards/form_VoiceOfAnimal.h"
#include "lessons/cards/form_seecolor.h"
#include "lessons/cards/from_SeeLandAnimal.h"

namespace cards {

void RegisterPagedCardLessons()
{
    using frame::RegisterLessonClass;
    RegisterLessonClass<TFM_SeeColor>("TFM_SeeColor");
    RegisterLessonClass<TFM_SeeShape>("TFM_SeeShape");
    RegisterLessonClass<TFM_SeeLandAnimal>("TFM_SeeLandAnimal");
    RegisterLessonClass<TFM_SeeFruit>("TFM_SeeFruit");
    RegisterLessonClass<TFM_SeeShuCai>("TFM_SeeShuCai");
    RegisterLessonClass<TFM_SeeJiaoTongGongJu>("TFM_SeeJiaoTongGongJu");
    RegisterLessonClass<TFM_SeeChuan>("TFM_SeeChuan");
    RegisterLessonClass<TFM_SeeJiaYongDianQi>("TFM_SeeJiaYongDianQi");
    RegisterLessonClass<TFM_SeeRiYongJiaJU>("TFM_SeeRiYongJiaJU");
    RegisterLessonClass<TFM_ChangYongFuHao>("TFM_ChangYongFuHao");
    RegisterLessonClass<TFM_GuoQi>("TFM_GuoQi");
    RegisterLessonClass<TFM_SeeFlowers>("TFM_SeeFlowers");
    RegisterLessonClass<TFM_VoiceOfAnimal>("TFM_VoiceOfAnimal");
    RegisterLessonClass<TFM_SeeFruit_YW>("TFM_SeeFruit_YW");
    RegisterLessonClass<TFM_SeeLandAnimal_YW>("TFM_SeeLandAnimal_YW");
}

}  // namespace cards
