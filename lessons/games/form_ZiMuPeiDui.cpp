#include "lessons/games/form_ZiMuPeiDui.h"

#include "ui_games_zimupeidui.h"

namespace {
void setupLayout(QWidget* screen)
{
    Ui::TFM_ZiMuPeiDui().setupUi(screen);
}
}  // namespace

TFM_ZiMuPeiDui::TFM_ZiMuPeiDui() : PairMatchQuiz(games::LetterMatchTables(), setupLayout) {}
