// The games lessons the menu can open.
#include "lesson_frame/lesson_registry.h"
#include "lessons/games/form_ShuZiPeiDui.h"
#include "lessons/games/games.h"
#include "lessons/games/form_ZhaoShiWu.h"
#include "lessons/games/form_ZiMuPeiDui.h"

namespace frame {

void RegisterGameLessons()
{
    RegisterLessonClass<TFM_ZiMuPeiDui>("TFM_ZiMuPeiDui");
    RegisterLessonClass<TFM_ShuZiPeiDui>("TFM_ShuZiPeiDui");
    RegisterLessonClass<TFM_ZhaoShiWu>("TFM_ZhaoShiWu");
    games::RegisterPatternQuizLessons();
    games::RegisterImagineAndRescueLessons();
}

}  // namespace frame
