// The six find-the-rule quizzes, for the menu's launcher: one registration
// per row of the member table, each with its own layout.
#include "lesson_frame/lesson_registry.h"
#include "lessons/games/games.h"
#include "lessons/games/pattern_quiz.h"

#include "ui_games_zhaogulv_shuiguo.h"
#include "ui_games_zhaoguilv.h"
#include "ui_games_zhaoguilv_abab_dongwu.h"
#include "ui_games_zhaoguilv_abab_shuiguo.h"
#include "ui_games_zhaoguilv_dongwu.h"
#include "ui_games_zhaoguilv_shuizi_abab.h"

#include <map>

namespace games {

namespace {

template <class Ui>
void setup(QWidget* screen)
{
    Ui().setupUi(screen);
}

using SetupLayout = void (*)(QWidget*);

// Each member's layout, by class name.
SetupLayout layoutOf(const std::string& className)
{
    static const std::map<std::string, SetupLayout> layouts{
        {"TFM_ZhaoGuiLv", setup<Ui::TFM_ZhaoGuiLv>},
        {"TFM_ZhaoGuLV_Shuiguo", setup<Ui::TFM_ZhaoGuLV_Shuiguo>},
        {"TFM_ZhaoGuilv_DongWu", setup<Ui::TFM_ZhaoGuilv_DongWu>},
        {"TFM_ZhaoGuiLv_ShuiZi_ABAB", setup<Ui::TFM_ZhaoGuiLv_ShuiZi_ABAB>},
        {"TFM_ZhaoGuiLv_ABAB_ShuiGuo", setup<Ui::TFM_ZhaoGuiLv_ABAB_ShuiGuo>},
        {"TFM_ZhaoGuiLV_ABAB_Dongwu", setup<Ui::TFM_ZhaoGuiLV_ABAB_Dongwu>},
    };
    const auto it = layouts.find(className);
    return it == layouts.end() ? nullptr : it->second;
}

}  // namespace

void RegisterPatternQuizLessons()
{
    for (const PatternMember& member : PatternMembers()) {
        const SetupLayout layout = layoutOf(member.className);
        if (!layout)
            continue;
        frame::RegisterLesson(member.className, [&member, layout] {
            return static_cast<frame::LessonScreen*>(new PatternQuiz(member, layout));
        });
    }
}

}  // namespace games
