// The board find quizzes: each member is its quiz table and its layout.
#include "lesson_frame/lesson_registry.h"
#include "lessons/boardquiz/board_find_quiz.h"
#include "lessons/boardquiz/boardquiz.h"

#include "ui_boardquiz_zhaoxingzhuang.h"
#include "ui_boardquiz_zhaoyanse.h"

namespace boardquiz {

namespace {

struct BoardQuizMember {
    const QuizTable& table;
    void (*setupLayout)(QWidget* screen);
};

// clang-format off
const BoardQuizMember kBoardQuizMembers[] = {
    {.table = kZhaoYanSe, .setupLayout = [](QWidget* s) { Ui::TFM_ZhaoYanSe().setupUi(s); }},
    {.table = kZhaoXingZhuang, .setupLayout = [](QWidget* s) { Ui::TFM_ZhaoXingZhuang().setupUi(s); }},
};
// clang-format on

}  // namespace

void RegisterLessons()
{
    for (const BoardQuizMember& member : kBoardQuizMembers)
        frame::RegisterLesson(member.table.className,
                              [&member] { return new BoardFindQuiz(member.table, member.setupLayout); });
}

}  // namespace boardquiz
