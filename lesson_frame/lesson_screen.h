// The frame every screen carries: its media folder, its one current sound,
// the sound player and stopper, the start sound, the back button's step, the
// show step and the guard against moving and resizing.
#pragma once

#include "lesson_frame/guarded.h"
#include "lesson_frame/stop_rule.h"
#include "platform/widgets.h"

#include <string>

namespace frame {

struct ScreenSettings {
    ScreenSettings() = default;
    explicit ScreenSettings(std::string cls, bool maximise = false, bool onTop = true)
        : className(std::move(cls)), maximiseOnShow(maximise), stayOnTop(onTop)
    {}

    std::string className;        // the lesson class; caption and folder come from the menu catalogue
    bool maximiseOnShow = false;  // FormShow maximises the window
    bool stayOnTop = true;        // lessons stay on top, the main window does not
    int outerWidth = 800;         // window size as the layouts give it
    int outerHeight = 600;
    std::string caption;  // overrides the catalogue's window caption when not empty
    std::string folder;   // overrides the catalogue's media folder literal when not empty
};

class LessonScreen : public platform::TForm {
    Q_OBJECT
public:
    explicit LessonScreen(ScreenSettings settings, QWidget* parent = nullptr);

    // The creation step, run once the object is fully built and the
    // launcher's form variable already refers to it.
    void Create()
    {
        ScreenScope scope(settings_.className);
        FormCreate();
    }

    std::string MediaFolder;
    std::string CurrentSoundAlias;

    // Plays a sound of this screen's media folder, stopping the current one
    // first; the seven steps are the only way any screen makes a sound.
    void PlayLessonSound(const std::string& name, StopRule rule = StopRule::IfCurrent);
    void StopLessonSound();
    // Stops the current sound only when there is one.
    void StopIfCurrent()
    {
        if (!CurrentSoundAlias.empty())
            StopLessonSound();
    }
    void PlayStartSound() { PlayLessonSound("st"); }

    // MediaFolder := program folder + the screen's folder literal.
    void SetMediaFolder();
    // The screen's folder literal ("pinyin\\yunmu\\").
    const std::string& FolderLiteral() const { return folder_; }
    const ScreenSettings& Settings() const { return settings_; }

    // The back button: stop the current sound (if any) and close the screen.
    void btn_backlasmenuClick();

    // Loads a named picture resource into an image; throws EResNotFound.
    static void LoadNamedPicture(platform::TImage* image, const std::string& name);

protected:
    // Frame part of creation: MediaFolder, then the start sound. Lessons
    // override it with their own order of steps.
    virtual void FormCreate();
    // Maximises where the lesson asks for it.
    void FormShow() override;
    // Moves, sizes and drags (0xF000 to 0xF012) do nothing; the rest passes on.
    void WMSysCommand(int& command) override;

private:
    ScreenSettings settings_;
    std::string folder_;
};

}  // namespace frame

namespace frame {

// The class name of the screen a widget sits on, for warnings.
std::string ScreenNameOf(const QWidget* widget);

// Binds a widget's click to a handler. An error that a handler lets pass on
// is dropped here (with its warning line), so it never unwinds through the
// event loop.
template <class Widget, class F>
void OnClick(Widget* widget, F handler)
{
    QObject::connect(widget, &Widget::clicked, widget, [widget, handler]() mutable {
        ScreenScope scope(ScreenNameOf(widget));
        Guarded(handler);
    });
}

}  // namespace frame
