#include "lessons/boardquiz/form_ZhaoYanSe.h"

#include "ui_boardquiz_zhaoyanse.h"

TFM_ZhaoYanSe::TFM_ZhaoYanSe()
    : BoardFindQuiz(boardquiz::kZhaoYanSe, [](QWidget* screen) { Ui::TFM_ZhaoYanSe().setupUi(screen); })
{
}
