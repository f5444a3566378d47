#include "lessons/boardquiz/form_ZhaoXingZhuang.h"

#include "ui_boardquiz_zhaoxingzhuang.h"

TFM_ZhaoXingZhuang::TFM_ZhaoXingZhuang()
    : BoardFindQuiz(boardquiz::kZhaoXingZhuang, [](QWidget* screen) { Ui::TFM_ZhaoXingZhuang().setupUi(screen); })
{
}
