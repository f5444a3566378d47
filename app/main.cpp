// Program entry: the single-instance guard, then the main window and the
// message loop until it closes.
#include "app/Main_Form.h"
#include "app/lesson_families.h"
#include "app/sound_safety.h"
#include "platform/picture_cache.h"
#include "platform/single_instance.h"
#include "platform/widgets.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    platform::prepareFontsInBackground();
    return platform::RunSingleInstance([&app] {
        platform::prefetchPictures(TMainForm::FirstFramePictures());
        app::PrepareSounds();
        frame::RegisterAllLessons();
        auto* MainForm = new TMainForm;
        MainForm->Create();
        MainForm->show();
        const int code = app.exec();
        delete MainForm;
        return code;
    });
}
