// The constant tables of the two board find quizzes (find the colour, find
// the shape): one QuizTable per lesson drives both its screen and its
// content declarations.
#pragma once

#include "platform/colours.h"
#include <array>
#include <cstdint>
#include <string>

namespace boardquiz {

constexpr int kRows = 5;
constexpr int kColumns = 6;
constexpr int kSlots = kRows * kColumns;
constexpr int kTasks = 10;
constexpr int kTilesPerTask = 3;
constexpr uint32_t kBoardColour = platform::kMoneyGreen;  // behind every shape picture

// How a lesson shows its three found marks.
enum class FoundMarks {
    Ticks,     // labels greyed (disabled) until found, then lit (enabled)
    Pictures,  // pictures: the task's grey silhouette until found, then its coloured shape
};

struct Task {
    const char* button;                            // task button widget
    const char* caption;                           // its caption ("" where the buttons carry none)
    std::array<const char*, kTilesPerTask> tiles;  // TaskTiles: the tile numbers it accepts, as text
    uint32_t colour;                               // 0xRRGGBB of its tiles
    const char* shape;                             // the shape its pictures draw; "" for solid colour
    const char* spoken;                            // what its prompt asks for ("找圆形")
};

struct QuizTable {
    const char* className;
    std::array<Task, kTasks> tasks;
    std::array<int, kSlots + 1> tileTable;  // TileTable[t]: picture number of tile t (1..30)
    std::array<const char*, kTasks> promptNames;
    std::array<const char*, 2> feedbackNames;  // [0] completion, [1] right tile
    const char* promptPrefix;                  // put in front of the prompt names
    const char* feedbackPrefix;                // put in front of the feedback names
    const char* tilePrefix;                    // tile pictures: prefix + picture number
    int tileSize;                              // tile pictures are square, this many pixels
    const char* markerPrefix;                  // marker pictures: prefix + k + 1
    FoundMarks marks;
    std::array<const char*, 3> markWidgets;  // found marks 1 to 3, left to right
    const char* silhouettePrefix;            // Pictures: silhouettes, prefix + k + 1 in three digits
    const char* colouredPrefix;              // coloured shapes, prefix + k + 1 in three digits
    bool loadsTaskPictures;                  // coloured shapes go into the task pictures at creation
    const char* swatchPrefix;                // task swatches stored in the layout; "" when none
    const char* startSay;                    // what the start sound says
    const char* rightSay;                    // ... the right-tile sound
    const char* completeSay;                 // ... the completion sound
};

// TileTable of both quizzes: tile t shows picture t.
// clang-format off
inline constexpr std::array<int, kSlots + 1> kIdentityTiles = [] {
    std::array<int, kSlots + 1> table{};
    for (int t = 0; t <= kSlots; ++t)
        table[static_cast<size_t>(t)] = t;
    return table;
}();
// clang-format on

extern const QuizTable kZhaoYanSe;
extern const QuizTable kZhaoXingZhuang;

// The task whose TaskTiles hold tile t (1..30); -1 for none.
int TaskOfTile(const QuizTable& table, int tile);

// Names formed from the tables.
std::string PromptSound(const QuizTable& table, int task);
std::string RightSound(const QuizTable& table);
std::string CompleteSound(const QuizTable& table);
std::string TilePicture(const QuizTable& table, int tile);
std::string MarkerPicture(const QuizTable& table, int task);
std::string SilhouettePicture(const QuizTable& table, int task);
std::string ColouredPicture(const QuizTable& table, int task);
std::string SwatchPicture(const QuizTable& table, int task);

}  // namespace boardquiz
