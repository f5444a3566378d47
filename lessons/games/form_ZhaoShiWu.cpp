#include "lessons/games/form_ZhaoShiWu.h"

#include "ui_games_zhaoshiwu.h"

namespace {
void setupLayout(QWidget* screen)
{
    Ui::TFM_ZhaoShiWu().setupUi(screen);
}
}  // namespace

TFM_ZhaoShiWu::TFM_ZhaoShiWu() : PairMatchQuiz(games::FindFoodTables(), setupLayout) {}
