// The pair-match quizzes: each member is its tables and its layout.
#include "lesson_frame/lesson_registry.h"
#include "lessons/games/games.h"
#include "lessons/games/pair_match_quiz.h"

#include "ui_games_shuzipeidui.h"
#include "ui_games_zhaoshiwu.h"
#include "ui_games_zimupeidui.h"

namespace games {

namespace {

struct PairMatchMember {
    const PairMatchTables& (*tables)();
    void (*setupLayout)(QWidget* screen);
};

// clang-format off
const PairMatchMember kPairMatchMembers[] = {
    {.tables = LetterMatchTables, .setupLayout = [](QWidget* s) { Ui::TFM_ZiMuPeiDui().setupUi(s); }},
    {.tables = NumeralMatchTables, .setupLayout = [](QWidget* s) { Ui::TFM_ShuZiPeiDui().setupUi(s); }},
    {.tables = FindFoodTables, .setupLayout = [](QWidget* s) { Ui::TFM_ZhaoShiWu().setupUi(s); }},
};
// clang-format on

}  // namespace

void RegisterPairMatchLessons()
{
    for (const PairMatchMember& member : kPairMatchMembers)
        frame::RegisterLesson(member.tables().className,
                              [&member] { return new PairMatchQuiz(member.tables(), member.setupLayout); });
}

void RegisterLessons()
{
    RegisterPairMatchLessons();
    RegisterPatternQuizLessons();
    RegisterImagineAndRescueLessons();
}

}  // namespace games
