// A board find quiz under test: the lesson's expected names and tiles written
// out independently of its tables, fake pictures that tell every tile and
// mark apart, and helpers that read the board and the marks off the screen.
#pragma once

#include "lessons/boardquiz/board_find_quiz.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace boardquiz_testing {

struct Lesson {
    const char* className;
    const char* folder;        // media folder as a relative path
    const char* promptFormat;  // printf format of the prompt of task k (k + 1)
    const char* right;
    const char* complete;
    const char* tilePrefix;
    const char* markerPrefix;
    bool ticks;                                // found marks are the labels lb1..lb3
    std::array<std::array<int, 3>, 10> tiles;  // the tiles each task accepts
    std::array<const char*, 10> buttons;
};

extern const Lesson kColour;
extern const Lesson kShape;

// The 30 tiles a deal from seed puts on slots 1..30 (index 0 unused),
// computed from the generator rule alone.
std::array<int, 31> ExpectedDeal(uint32_t seed);

// Fake picture colours, distinct per tile and per task.
QColor TileColour(int tile);
QColor SilhouetteColour(int task);
QColor ColouredColour(int task);

class QuizFixture {
public:
    explicit QuizFixture(const Lesson& lesson);

    // Creates the screen through its registration and shows it.
    void Open();
    boardquiz::BoardFindQuiz& Quiz() { return *screen_; }
    QWidget* Screen() { return screen_.get(); }

    std::string Folder() const { return media.programFolder() + lesson.folder; }
    std::string Prompt(int task) const;

    // The tile whose picture cell s shows (0 for none or an unknown picture).
    int TileShownAt(int slot);
    // The slot that shows tile t, or 0.
    int SlotOf(int tile);
    // The board as tiles shown, slots 1..30.
    std::array<int, 31> Board();
    // "ooo" .. "xxx": which found marks show found (x) for the current task;
    // '?' for a mark showing anything else.
    std::string Marks();
    // Indices of the visible task markers.
    std::vector<int> VisibleMarkers();

    bool Click(const std::string& name) { return testing_support::Click(Screen(), name); }
    bool ClickSlot(int slot) { return Click(boardquiz::BoardFindQuiz::CellButtonName(slot)); }
    bool ClickTask(int task) { return Click(lesson.buttons[static_cast<size_t>(task)]); }

    const Lesson& lesson;
    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media{rec};
    testing_support::FakePictures pictures;

private:
    std::unique_ptr<boardquiz::BoardFindQuiz> screen_;
};

}  // namespace boardquiz_testing
