// The calculator pads and the number-combination boards, for the menu's
// launcher: every member row of the two schemes, with its own layout.
#include "lesson_frame/lesson_registry.h"
#include "lessons/soundboards/calculator_pad_lesson.h"
#include "lessons/soundboards/number_combinations_lesson.h"
#include "lessons/soundboards/soundboards.h"

#include "ui_soundboards_chaifeng1.h"
#include "ui_soundboards_chaifeng10.h"
#include "ui_soundboards_chaifeng2.h"
#include "ui_soundboards_chaifeng3.h"
#include "ui_soundboards_chaifeng4.h"
#include "ui_soundboards_chaifeng5.h"
#include "ui_soundboards_chaifeng6.h"
#include "ui_soundboards_chaifeng7.h"
#include "ui_soundboards_chaifeng8.h"
#include "ui_soundboards_chaifeng9.h"
#include "ui_soundboards_jiafa.h"
#include "ui_soundboards_jianfa.h"

#include <stdexcept>
#include <string_view>

namespace soundboards {

namespace {

using padboard::CalculatorPadLesson;
using padboard::NumberCombinationsLesson;

using Setup = void (*)(QWidget*);

template <class Form>
void SetupLayout(QWidget* screen)
{
    Form().setupUi(screen);
}

struct Layout {
    std::string_view className;
    Setup setup;
};

// clang-format off
constexpr Layout kLayouts[] = {
    {"TFM_JianFa", SetupLayout<Ui::TFM_JianFa>},
    {"TFM_JiaFa", SetupLayout<Ui::TFM_JiaFa>},
    {"TFM_ChaiFengYi", SetupLayout<Ui::TFM_ChaiFengYi>},
    {"TFM_ChaiFengEr", SetupLayout<Ui::TFM_ChaiFengEr>},
    {"TFM_ChaiFengSan", SetupLayout<Ui::TFM_ChaiFengSan>},
    {"TFM_ChaiFengSi", SetupLayout<Ui::TFM_ChaiFengSi>},
    {"TFM_ChaiFengWu", SetupLayout<Ui::TFM_ChaiFengWu>},
    {"TFM_ChaiFengLiu", SetupLayout<Ui::TFM_ChaiFengLiu>},
    {"TFM_ChaiFengQI", SetupLayout<Ui::TFM_ChaiFengQI>},
    {"TFM_ChaiFengBa", SetupLayout<Ui::TFM_ChaiFengBa>},
    {"TFM_ChaiFengJiu", SetupLayout<Ui::TFM_ChaiFengJiu>},
    {"TFM_ChaiFeng", SetupLayout<Ui::TFM_ChaiFeng>},
};
// clang-format on

Setup LayoutOf(std::string_view className)
{
    for (const Layout& layout : kLayouts)
        if (layout.className == className)
            return layout.setup;
    throw std::logic_error("no layout for " + std::string(className));
}

}  // namespace

void RegisterPadAndBoardLessons()
{
    for (const padboard::PadMember& pad : padboard::kPadMembers) {
        const Setup setup = LayoutOf(pad.className);
        frame::RegisterLesson(pad.className, [&pad, setup] {
            return static_cast<frame::LessonScreen*>(new CalculatorPadLesson(pad, setup));
        });
    }
    for (const padboard::BoardMember& board : padboard::kBoardMembers) {
        const Setup setup = LayoutOf(board.className);
        frame::RegisterLesson(board.className, [&board, setup] {
            return static_cast<frame::LessonScreen*>(new NumberCombinationsLesson(board, setup));
        });
    }
}

}  // namespace soundboards
