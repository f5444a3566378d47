// The sound grids, the body parts and the number grids, for the menu's
// launcher: each member row of the two schemes under its class name.
#include "lesson_frame/lesson_registry.h"
#include "lessons/soundboards/form_Wuguan.h"
#include "lessons/soundboards/number_grid_lesson.h"
#include "lessons/soundboards/sound_grid_lesson.h"
#include "lessons/soundboards/soundboards.h"

namespace soundboards {

void RegisterSoundGridLessons()
{
    for (const SoundGridMember& member : SoundGridMembers())
        frame::RegisterLesson(member.className, [&member] { return new SoundGridLesson(member); });
    frame::RegisterLessonClass<TFM_WuGuan>("TFM_WuGuan");
    for (const NumberGridMember& member : NumberGridMembers())
        frame::RegisterLesson(member.className, [&member] { return new NumberGridLesson(member); });
}

}  // namespace soundboards
