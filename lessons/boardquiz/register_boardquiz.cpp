// The board find quizzes the menu can open.
#include "lesson_frame/lesson_registry.h"
#include "lessons/boardquiz/form_ZhaoXingZhuang.h"
#include "lessons/boardquiz/form_ZhaoYanSe.h"

namespace frame {

void RegisterBoardQuizLessons()
{
    RegisterLessonClass<TFM_ZhaoYanSe>("TFM_ZhaoYanSe");
    RegisterLessonClass<TFM_ZhaoXingZhuang>("TFM_ZhaoXingZhuang");
}

}  // namespace frame
