// Registers imagine-the-animal and the rescue game with the launcher.
#include "lesson_frame/lesson_registry.h"
#include "lessons/games/form_FaSanSiwei.h"
#include "lessons/games/form_password.h"
#include "lessons/games/games.h"

namespace games {

void RegisterImagineAndRescueLessons()
{
    frame::RegisterLessonClass<TFM_FaSanSiwei>("TFM_FaSanSiwei");
    frame::RegisterLessonClass<TFM_Password>("TFM_Password");
}

}  // namespace games
