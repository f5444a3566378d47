#include "lessons/boardquiz/board_find_quiz.h"

#include "lesson_frame/layout_widget.h"

#include "lesson_frame/guarded.h"
#include "lesson_frame/random_draws.h"
#include "platform/random.h"

#include <stdexcept>

namespace boardquiz {

BoardFindQuiz::BoardFindQuiz(const QuizTable& table, const LayoutSetup& setupLayout)
    : LessonScreen(frame::ScreenSettings{table.className, true}), table_(table)
{
    setupLayout(this);
    for (int s = 1; s <= kSlots; ++s) {
        cells_[static_cast<size_t>(s)] = Child<platform::TImage>(CellPictureName(s));
        frame::OnClick(Child<platform::TSpeedButton>(CellButtonName(s)), [this, s] { CellClick(s); });
    }
    for (int k = 0; k < kTasks; ++k) {
        taskPictures_[static_cast<size_t>(k)] = Child<platform::TImage>(TaskPictureName(k));
        markers_[static_cast<size_t>(k)] = Child<platform::TImage>(MarkerName(k));
        frame::OnClick(Child<platform::TSpeedButton>(table_.tasks[static_cast<size_t>(k)].button),
                       [this, k] { TaskClick(k); });
    }
    for (size_t n = 0; n < marks_.size(); ++n)
        marks_[n] = table_.marks == FoundMarks::Pictures ? Child<platform::TImage>(table_.markWidgets[n])
                                                         : Child<QWidget>(table_.markWidgets[n]);
    frame::OnClick(Child<platform::TSpeedButton>("btn_backlasmenu"), [this] { btn_backlasmenuClick(); });
}

template <class T>
T* BoardFindQuiz::Child(const std::string& name) const
{
    return frame::LayoutWidget<T>(const_cast<BoardFindQuiz*>(this), name);
}

std::string BoardFindQuiz::CellButtonName(int slot)
{
    const char row = static_cast<char>('a' + (slot - 1) / kColumns);
    return std::string("btn_") + row + std::to_string((slot - 1) % kColumns + 1);
}

std::string BoardFindQuiz::CellPictureName(int slot)
{
    return "Image" + std::to_string(slot);
}

std::string BoardFindQuiz::TaskPictureName(int task)
{
    return "Image" + std::to_string(kSlots + 1 + task);
}

std::string BoardFindQuiz::MarkerName(int task)
{
    return "img_f" + std::to_string(task + 1);
}

void BoardFindQuiz::FormCreate()
{
    CurrentTask = 0;
    FoundCount = 0;
    LastSlot = 0;
    SetMediaFolder();
    ClearSlotUsed();
    DealBoard();
    CurrentSoundAlias.clear();
    PlayStartSound();
    ResetFoundMarks();
    LoadTaskPictures();
    ShowTaskMarker();
}

void BoardFindQuiz::TaskClick(int task)
{
    CurrentTask = task;
    FoundCount = 0;
    ClearSlotUsed();
    DealBoard();
    PlayTaskPrompt();
    ResetFoundMarks();
    ShowTaskMarker();
}

void BoardFindQuiz::CellClick(int slot)
{
    LastSlot = slot;
    if (CurrentTask >= 0 && CurrentTask < kTasks)
        CheckTaskAnswer(CurrentTask);
    SlotUsed[static_cast<size_t>(slot)] = true;
}

void BoardFindQuiz::ClearSlotUsed()
{
    SlotUsed.fill(false);
}

void BoardFindQuiz::DealBoard()
{
    frame::Guarded([this] {
        platform::Randomize();
        platform::TStrings pool = frame::NumberPool(kSlots);
        for (int slot = 1; slot <= kSlots; ++slot) {
            const std::string tile = frame::DrawWithoutReplacement(pool);
            LoadNamedPicture(cells_[static_cast<size_t>(slot)], TilePicture(table_, std::stoi(tile)));
            SlotTile[static_cast<size_t>(slot)] = tile;
        }
    });
}

void BoardFindQuiz::CheckTaskAnswer(int task)
{
    const size_t s = static_cast<size_t>(LastSlot);
    if (CurrentTask != task || SlotUsed[s])
        return;
    bool right = false;
    for (const char* tile : table_.tasks[static_cast<size_t>(task)].tiles)
        right = right || SlotTile[s] == tile;
    if (!right)
        return;
    ++FoundCount;
    if (FoundCount == kTilesPerTask) {
        PlayCompleteSound();
        ShowFoundMark(kTilesPerTask);
    } else {
        PlayRightSound();
        ShowFoundMark(FoundCount);
    }
}

void BoardFindQuiz::PlayTaskPrompt()
{
    PlayLessonSound(PromptSound(table_, CurrentTask));
}

void BoardFindQuiz::PlayRightSound()
{
    PlayLessonSound(RightSound(table_));
}

void BoardFindQuiz::PlayCompleteSound()
{
    StopIfCurrent();
    FoundCount = 0;
    PlayLessonSound(CompleteSound(table_));
}

void BoardFindQuiz::ShowTaskMarker()
{
    if (CurrentTask < 0 || CurrentTask >= kTasks)
        return;
    frame::Guarded([this] {
        platform::TImage* marker = markers_[static_cast<size_t>(CurrentTask)];
        marker->setVisible(true);
        for (int k = 0; k < kTasks; ++k)
            if (k != CurrentTask)
                markers_[static_cast<size_t>(k)]->setVisible(false);
        LoadNamedPicture(marker, MarkerPicture(table_, CurrentTask));
        marker->resize(marker->picture().size());
    });
}

// A mark picture that fails to load leaves that mark as it was; the click's
// other steps (the used flag above all) still take effect.
void BoardFindQuiz::ResetFoundMarks()
{
    for (QWidget* mark : marks_) {
        if (table_.marks == FoundMarks::Ticks)
            mark->setEnabled(false);
        else
            frame::Guarded([&] {
                LoadNamedPicture(static_cast<platform::TImage*>(mark), SilhouettePicture(table_, CurrentTask));
            });
    }
}

void BoardFindQuiz::ShowFoundMark(int n)
{
    QWidget* mark = marks_[static_cast<size_t>(n - 1)];
    if (table_.marks == FoundMarks::Ticks)
        mark->setEnabled(true);
    else
        frame::Guarded(
            [&] { LoadNamedPicture(static_cast<platform::TImage*>(mark), ColouredPicture(table_, CurrentTask)); });
}

void BoardFindQuiz::LoadTaskPictures()
{
    if (!table_.loadsTaskPictures)
        return;
    frame::Guarded([this] {
        for (int k = 0; k < kTasks; ++k)
            LoadNamedPicture(taskPictures_[static_cast<size_t>(k)], ColouredPicture(table_, k));
    });
}

}  // namespace boardquiz
