// The number-grid scheme: both arrangements from a member's caption tables,
// step markers that pile up, and the sound by caption or by cell.
#include "lessons/soundboards/number_grid_lesson.h"

#include "lesson_frame/guarded.h"
#include "lesson_frame/layout_widget.h"
#include "ui_soundboards_s20yw.h"
#include "ui_soundboards_shuyibai.h"

#include <QtGlobal>

#include <span>

namespace soundboards {

namespace {

// A caption read as a decimal integer; 0 for anything else.
int parseNumber(const QString& caption)
{
    bool ok = false;
    const int n = caption.trimmed().toInt(&ok, 10);
    return ok ? n : 0;
}

frame::ScreenSettings settingsOf(const NumberGridMember& member)
{
    return frame::ScreenSettings(member.className, member.maximiseOnShow);
}

// Loads one picture into tiles or markers; where it is missing they stay as
// they were, said once on standard error, and the lesson goes on.
void loadOrWarn(std::span<platform::TImage* const> images, const char* picture, const char* className)
{
    int failed = 0;
    for (platform::TImage* image : images)
        if (!frame::Guarded([&] { frame::LessonScreen::LoadNamedPicture(image, picture); }))
            ++failed;
    if (failed > 0)
        qWarning("%s: picture \"%s\" is missing (%d images left as they were)", className, picture, failed);
}

}  // namespace

NumberGridLesson::NumberGridLesson(const NumberGridMember& member) : LessonScreen(settingsOf(member)), member_(member)
{
    if (member_.kind == NumberGridKind::Digits)
        Ui::NumberGridLayout().setupUi(this);
    else
        Ui::EnglishNumberGridLayout().setupUi(this);
    for (int cell = 0; cell < cells(); ++cell) {
        const std::string row(1, static_cast<char>('a' + cell / member_.columns));
        const std::string number = std::to_string(cell + 1);
        buttons_.at(static_cast<size_t>(cell)) =
            frame::LayoutWidget<platform::TSpeedButton>(this, "btn_" + row + std::to_string(cell % member_.columns + 1));
        tiles_.at(static_cast<size_t>(cell)) = frame::LayoutWidget<platform::TImage>(this, "Image" + number);
        markers_.at(static_cast<size_t>(cell)) = frame::LayoutWidget<platform::TImage>(this, "imgb" + number);
        frame::OnClick(buttons_[static_cast<size_t>(cell)], [this, cell] { GridClick(cell); });
    }
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "SpeedButton1"), [this] { ArrangementClick(0); });
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "btn_LastPage"), [this] { ArrangementClick(1); });
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "btn_backlasmenu"), [this] { btn_backlasmenuClick(); });
}

void NumberGridLesson::FormCreate()
{
    // The two members order their creation steps differently.
    if (member_.kind == NumberGridKind::Digits) {
        Arrangement = 0;
        CellIndex = 0;
        SetMediaFolder();
        PlayLessonSound("st");
        Number = 0;
        ShowArrangement();
    } else {
        ShowArrangement();
        CellIndex = 0;
        Arrangement = 0;
        SetMediaFolder();
        PlayLessonSound("st");
    }
}

void NumberGridLesson::GridClick(int cell)
{
    CellIndex = cell;
    if (member_.kind == NumberGridKind::Digits)
        Number = parseNumber(buttons_.at(static_cast<size_t>(cell))->text());
    ShowStepMarker();
    PlayGridNumberSound();
}

void NumberGridLesson::ArrangementClick(int arrangement)
{
    Arrangement = arrangement;
    ShowArrangement();
    HideStepMarkers();
    PlayLessonSound(arrangement == 0 ? kHorizontalSound : kVerticalSound);
}

void NumberGridLesson::ShowArrangement()
{
    const size_t a = static_cast<size_t>(Arrangement);
    for (int cell = 0; cell < cells(); ++cell)
        buttons_[static_cast<size_t>(cell)]->setText(QString::fromUtf8(member_.captions[a][static_cast<size_t>(cell)]));
    loadOrWarn(std::span(tiles_).first(static_cast<size_t>(cells())), member_.tilePicture[a], member_.className);
}

void NumberGridLesson::ShowStepMarker()
{
    platform::TImage* marker = markers_.at(static_cast<size_t>(CellIndex));
    loadOrWarn(std::span(&marker, 1), member_.markerPicture[static_cast<size_t>(Arrangement)], member_.className);
    marker->setVisible(true);
}

void NumberGridLesson::HideStepMarkers()
{
    for (int cell = 0; cell < cells(); ++cell)
        markers_[static_cast<size_t>(cell)]->setVisible(false);
}

void NumberGridLesson::PlayGridNumberSound()
{
    StopIfCurrent();
    const char* name = nullptr;
    if (member_.kind == NumberGridKind::Digits) {
        // Only a caption of 1..20 names a sound.
        if (Number < 1 || Number > 20) {
            qWarning("%s: caption \"%s\" names no number", member_.className,
                     qPrintable(buttons_.at(static_cast<size_t>(CellIndex))->text()));
            return;
        }
        name = kGridSoundTable[static_cast<size_t>(Number)];
    } else {
        name = member_.cellSounds[static_cast<size_t>(Arrangement)][static_cast<size_t>(CellIndex)];
    }
    PlayLessonSound(name);
}

}  // namespace soundboards
