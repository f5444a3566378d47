#include "lessons/soundboards/number_combinations_lesson.h"

namespace soundboards::padboard {

namespace {

frame::ScreenSettings SettingsOf(const BoardMember& board)
{
    frame::ScreenSettings settings(board.className, board.maximiseOnShow);
    settings.folder = board.folder;
    return settings;
}

}  // namespace

NumberCombinationsLesson::NumberCombinationsLesson(const BoardMember& board, const LayoutSetup& setupLayout)
    : PadBoardLesson(SettingsOf(board), setupLayout), board_(board)
{
    for (int cell = 0; cell < board_.cells(); ++cell) {
        const int row = cell / 2;
        const std::string name = cell % 2 == 0 ? LeftButtonName(board_, row) : RightButtonName(board_, row);
        buttons_[static_cast<size_t>(cell)] = Child<platform::TSpeedButton>(name);
        markers_[static_cast<size_t>(cell)] = Child<platform::TImage>(board_.markers[static_cast<size_t>(cell)]);
        frame::OnClick(buttons_[static_cast<size_t>(cell)], [this, cell] { NumberClick(cell); });
    }
    frame::OnClick(Child<platform::TSpeedButton>(board_.ascendingKey), [this] { AscendingClick(); });
    frame::OnClick(Child<platform::TSpeedButton>(board_.descendingKey), [this] { DescendingClick(); });
}

void NumberCombinationsLesson::FormCreate()
{
    OrderMode = 0;
    NumberIndex = 0;
    CombinationCell = 0;
    SetMediaFolder();
    PlayStartSound();
    if (board_.markerAtCreation)
        ShowCombinationMarker();
}

void NumberCombinationsLesson::FormClose()
{
    if (board_.stopsSoundOnClose)
        StopLessonSound();
}

void NumberCombinationsLesson::NumberClick(int cell)
{
    NumberIndex = ShownNumber(board_, cell, /*descending=*/false);
    CombinationCell = cell;
    PlayCombinationNumber();
    ShowCombinationMarker();
}

void NumberCombinationsLesson::AscendingClick()
{
    OrderMode = 0;
    SetCaptions(/*descending=*/false);
    PlayLessonSound(board_.ascendingSound);
}

void NumberCombinationsLesson::DescendingClick()
{
    OrderMode = 1;
    SetCaptions(/*descending=*/true);
    PlayLessonSound(board_.descendingSound);
}

// A failing sound leaves the click's marker step to run.
void NumberCombinationsLesson::PlayCombinationNumber()
{
    frame::Guarded([this] {
        StopLessonSound();
        PlayLessonSound(NumberSound(board_, NumberIndex, OrderMode == 1));
    });
}

void NumberCombinationsLesson::ShowCombinationMarker()
{
    for (int cell = 0; cell < board_.cells(); ++cell)
        markers_[static_cast<size_t>(cell)]->setVisible(cell == CombinationCell);
}

void NumberCombinationsLesson::SetCaptions(bool descending)
{
    for (int cell = 0; cell < board_.cells(); ++cell)
        buttons_[static_cast<size_t>(cell)]->setText(QString::number(ShownNumber(board_, cell, descending)));
}

}  // namespace soundboards::padboard
