// The board find quiz: the kid picks one of ten tasks, then finds that
// task's three tiles among 30 tiles dealt at random on a 5 by 6 board. Both
// lessons are this one screen, driven by their QuizTable.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lessons/boardquiz/boardquiz_tables.h"

#include <array>
#include <functional>
#include <string>

namespace boardquiz {

class BoardFindQuiz : public frame::LessonScreen {
    Q_OBJECT
public:
    // Builds the lesson's widgets into the screen (its layout's setupUi).
    using LayoutSetup = std::function<void(QWidget*)>;

    BoardFindQuiz(const QuizTable& table, const LayoutSetup& setupLayout);

    const QuizTable& Table() const { return table_; }

    int CurrentTask = 0;
    std::array<std::string, kSlots + 1> SlotTile;  // [1..30]: tile number dealt there, as text
    std::array<bool, kSlots + 1> SlotUsed{};       // [1..30]: clicked since the last deal
    int LastSlot = 0;                              // slot of the latest board click, 0 before any
    int FoundCount = 0;                            // tiles of the current task found so far

    // The click handlers of the task buttons and of the board cells.
    void TaskClick(int task);
    void CellClick(int slot);

    // Widget names of the layout.
    static std::string CellButtonName(int slot);   // "btn_a1" .. "btn_e6"
    static std::string CellPictureName(int slot);  // "Image1" .. "Image30"
    static std::string TaskPictureName(int task);  // "Image31" .. "Image40"
    static std::string MarkerName(int task);       // "img_f1" .. "img_f10"

protected:
    void FormCreate() override;

private:
    void ClearSlotUsed();
    // A fresh deal; a tile picture that fails ends it at that slot.
    void DealBoard();
    void CheckTaskAnswer(int task);
    void PlayTaskPrompt();
    void PlayRightSound();
    void PlayCompleteSound();
    void ShowTaskMarker();
    void ResetFoundMarks();
    void ShowFoundMark(int n);
    void LoadTaskPictures();

    template <class T>
    T* Child(const std::string& name) const;

    const QuizTable& table_;
    std::array<platform::TImage*, kSlots + 1> cells_{};
    std::array<platform::TImage*, kTasks> taskPictures_{};
    std::array<platform::TImage*, kTasks> markers_{};
    std::array<QWidget*, 3> marks_{};
};

}  // namespace boardquiz
