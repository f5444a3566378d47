#include "lesson_frame/lesson_screen.h"

#include "platform/platform.h"
#include "resources/menu_catalogue.h"

#include <QtGlobal>

#include <exception>

namespace frame {

LessonScreen::LessonScreen(ScreenSettings settings, QWidget* parent) : TForm(parent), settings_(std::move(settings))
{
    const catalogue::MenuEntry* entry = catalogue::FindLessonEntry(settings_.className);
    folder_ = !settings_.folder.empty() ? settings_.folder : entry ? entry->folder : "";
    const std::string caption = !settings_.caption.empty() ? settings_.caption : entry ? entry->windowCaption : "";
    setObjectName(
        QString::fromStdString(settings_.className.size() > 1 ? settings_.className.substr(1) : settings_.className));
    setWindowTitle(QString::fromStdString(caption));
    setOuterSize(settings_.outerWidth, settings_.outerHeight);
    setStayOnTop(settings_.stayOnTop);
    setFont(QFont(QStringLiteral("宋体")));
}

void LessonScreen::SetMediaFolder()
{
    MediaFolder = platform::ExtractFilePath(platform::current().exeName()) + catalogue::FolderPath(folder_.c_str());
}

void LessonScreen::PlayLessonSound(const std::string& name, StopRule rule)
{
    const bool stop = rule == StopRule::Always || (rule == StopRule::IfCurrent && !CurrentSoundAlias.empty()) ||
                      (rule == StopRule::IfNameGiven && !name.empty());
    if (stop)
        StopLessonSound();
    const std::string stem = MediaFolder + name;
    const std::string dat = stem + ".dat", wav = stem + ".wav";
    platform::MoveFileA(dat, wav);
    // Whatever fails in between, the file gets its name back.
    try {
        platform::mciSendStringA("OPEN " + wav + " TYPE mpegvideo ALIAS " + name);
        platform::mciSendStringA("PLAY " + name);
        platform::mciSendStringA("CLOSE ANIMATION");
    } catch (...) {
        ScreenScope scope(settings_.className);
        ReportDropped(std::current_exception());
    }
    platform::MoveFileA(wav, dat);
    CurrentSoundAlias = name;
}

void LessonScreen::StopLessonSound()
{
    platform::mciSendStringA("CLOSE " + CurrentSoundAlias);
    platform::mciSendStringA("CLOSE ANIMATION");
    CurrentSoundAlias.clear();
}

void LessonScreen::btn_backlasmenuClick()
{
    StopIfCurrent();
    Close();
}

void LessonScreen::LoadNamedPicture(platform::TImage* image, const std::string& name)
{
    image->setPicture(platform::loadPictureResource(name));
}

void LessonScreen::FormCreate()
{
    SetMediaFolder();
    PlayStartSound();
}

void LessonScreen::FormShow()
{
    if (settings_.maximiseOnShow)
        SetWindowStateMaximized();
}

void LessonScreen::WMSysCommand(int& command)
{
    const int32_t c = command;
    if (c >= 0xF000 && c < 0xF013) {
        command = 0;
        return;
    }
    TForm::WMSysCommand(command);
}

std::string ScreenNameOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (const auto* screen = qobject_cast<const LessonScreen*>(w))
            return screen->Settings().className;
    return "";
}

}  // namespace frame
