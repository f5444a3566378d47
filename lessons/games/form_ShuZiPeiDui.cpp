#include "lessons/games/form_ShuZiPeiDui.h"

#include "ui_games_shuzipeidui.h"

namespace {
void setupLayout(QWidget* screen)
{
    Ui::TFM_ShuZiPeiDui().setupUi(screen);
}
}  // namespace

TFM_ShuZiPeiDui::TFM_ShuZiPeiDui() : PairMatchQuiz(games::NumeralMatchTables(), setupLayout) {}
