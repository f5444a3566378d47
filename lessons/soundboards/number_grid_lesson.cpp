// The number-grid scheme: both arrangements from a member's caption tables,
// step markers that pile up, and the sound by caption or by cell.
#include "lessons/soundboards/number_grid_lesson.h"

#include "lesson_frame/guarded.h"
#include "lesson_frame/layout_widget.h"
#include "ui_soundboards_s20yw.h"
#include "ui_soundboards_shuyibai.h"

#include <span>
#include <stdexcept>

namespace soundboards {

namespace {

// A caption read as a decimal integer, one of the grid's numbers 1 to 20.
// Anything else ends the click there; its handler drops the error.
int parseNumber(const QString& caption)
{
    bool ok = false;
    const int n = caption.trimmed().toInt(&ok, 10);
    if (!ok || n < 1 || n > 20)
        throw std::invalid_argument("caption \"" + caption.toStdString() + "\" is none of the numbers 1 to 20");
    return n;
}

frame::ScreenSettings settingsOf(const NumberGridMember& member)
{
    return frame::ScreenSettings(member.className, member.maximiseOnShow);
}

// Loads one picture into tiles or markers. Where it is missing they stay as
// they were and the lesson goes on; the dropped error leaves its one warning.
void loadInto(std::span<platform::TImage* const> images, const char* picture)
{
    frame::Guarded([&] {
        for (platform::TImage* image : images)
            frame::LessonScreen::LoadNamedPicture(image, picture);
    });
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
        buttons_.at(static_cast<size_t>(cell)) = frame::LayoutWidget<platform::TSpeedButton>(
            this, "btn_" + row + std::to_string(cell % member_.columns + 1));
        tiles_.at(static_cast<size_t>(cell)) = frame::LayoutWidget<platform::TImage>(this, "Image" + number);
        markers_.at(static_cast<size_t>(cell)) = frame::LayoutWidget<platform::TImage>(this, "imgb" + number);
        frame::OnClick(buttons_[static_cast<size_t>(cell)], [this, cell] { GridClick(cell); });
    }
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "SpeedButton1"), [this] { ArrangementClick(0); });
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "btn_LastPage"), [this] { ArrangementClick(1); });
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "btn_backlasmenu"),
                   [this] { btn_backlasmenuClick(); });
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
    loadInto(std::span(tiles_).first(static_cast<size_t>(cells())), member_.tilePicture[a]);
}

void NumberGridLesson::ShowStepMarker()
{
    platform::TImage* marker = markers_.at(static_cast<size_t>(CellIndex));
    loadInto(std::span(&marker, 1), member_.markerPicture[static_cast<size_t>(Arrangement)]);
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
    if (member_.kind == NumberGridKind::Digits)
        PlayLessonSound(kGridSoundTable.at(static_cast<size_t>(Number)));
    else
        PlayLessonSound(member_.cellSounds[static_cast<size_t>(Arrangement)].at(static_cast<size_t>(CellIndex)));
}

}  // namespace soundboards
