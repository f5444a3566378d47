// Program entry: the single-instance guard, then the main window and the
// message loop until it closes.
#include "app/Main_Form.h"
#include "app/lesson_families.h"
#include "app/sound_safety.h"
#include "platform/audio_device.h"
#include "platform/picture_cache.h"
#include "platform/single_instance.h"
#include "platform/widgets.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The font configuration and the first frame's pictures are read on
    // threads of their own while the application object connects to the
    // display.
    platform::prepareFontsInBackground();
    platform::prefetchPictures(TMainForm::FirstFramePictures());
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    platform::prepareTextInBackground(TMainForm::FirstFrameFamilies());
    return platform::RunSingleInstance([&app] {
        frame::RegisterAllLessons();
        auto* MainForm = new TMainForm;
        // The sound card's libraries load once the menu is on screen; the
        // welcome sound waits for them.
        platform::openAudioAfterFirstFrame(MainForm);
        app::PrepareSounds();
        MainForm->Create();
        MainForm->show();
        const int code = app.exec();
        delete MainForm;
        return code;
    });
}
