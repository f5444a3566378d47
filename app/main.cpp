// Program entry: the single-instance guard, then the main window and the
// message loop until it closes.
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "platform/picture_cache.h"
#include "platform/single_instance.h"
#include "platform/widgets.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The first frame's pictures are read while the window system starts;
    // they are decoded once the application object exists.
    platform::prefetchPictures(TMainForm::FirstFramePictures(), false);
    QApplication app(argc, argv);
    platform::allowPictureDecoding();
    platform::installFontSubstitutions();
    platform::prepareFontsInBackground();
    return platform::RunSingleInstance([&app] {
        frame::RegisterAllLessons();
        auto* MainForm = new TMainForm;
        MainForm->Create();
        MainForm->show();
        const int code = app.exec();
        delete MainForm;
        return code;
    });
}
