// Both quizzes opened from the menu's launcher, and, with the program's own
// pictures, their boards rendered offscreen and checked against the colours
// the lessons promise.
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "lessons/boardquiz/board_find_quiz.h"
#include "lessons/boardquiz/boardquiz.h"
#include "platform/widgets.h"
#include "tests/support/launch_driver.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <QDir>
#include <cstdlib>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

struct Visit {
    const char* className;
    const char* folder;
};
const Visit kVisits[] = {{"TFM_ZhaoYanSe", "zhaoyanse/"}, {"TFM_ZhaoXingZhuang", "zhaoxz/"}};

// The colour a widget shows at a point, without alpha.
QRgb ShownAt(QWidget* widget, QPoint at)
{
    return widget->grab().toImage().pixel(at) | 0xFF000000u;
}

// The boards with the embedded pictures: a grab of each screen is saved for
// a look, and the cells show the colours their tiles stand for.
TEST(BoardQuizRender, BoardsShowTheirTilesInTheirColours)
{
    boardquiz::RegisterLessons();
    RecordingPlatform rec;
    MediaFixture media(rec);
    for (const Visit& visit : kVisits) {
        std::unique_ptr<frame::LessonScreen> screen((*frame::FindLesson(visit.className))());
        screen->Create();
        screen->show();
        auto& quiz = dynamic_cast<boardquiz::BoardFindQuiz&>(*screen);
        SaveShot(screen.get(), std::string("boardquiz_") + visit.className);
        const boardquiz::QuizTable& table = quiz.Table();
        for (int s = 1; s <= boardquiz::kSlots; ++s) {
            auto* cell = FindAs<platform::TImage>(screen.get(), boardquiz::BoardFindQuiz::CellPictureName(s));
            ASSERT_TRUE(cell->hasPicture()) << visit.className << " slot " << s;
            const int tile = std::stoi(quiz.SlotTile[static_cast<size_t>(s)]);
            const uint32_t colour = table.tasks[static_cast<size_t>(boardquiz::TaskOfTile(table, tile))].colour;
            EXPECT_EQ(ShownAt(cell, {40, 40}), QColor(QRgb(colour)).rgb()) << visit.className << " tile " << tile;
            EXPECT_EQ(cell->picture().size(), QSize(table.tileSize, table.tileSize));
        }
        for (int k = 0; k < boardquiz::kTasks; ++k) {
            const QColor colour(QRgb(table.tasks[static_cast<size_t>(k)].colour));
            const platform::Picture marker = platform::loadPictureResource(boardquiz::MarkerPicture(table, k));
            EXPECT_EQ(marker.size(), QSize(50, 61));
            // The marker's transparent colour is what it lies on.
            const QColor behind = *table.swatchPrefix ? colour : QColor(QRgb(boardquiz::kBoardColour));
            EXPECT_EQ(QColor(marker.image().pixel(0, 60)).rgb(), behind.rgb()) << visit.className << " task " << k;
            auto* task = FindAs<platform::TImage>(screen.get(), boardquiz::BoardFindQuiz::TaskPictureName(k));
            const QColor shown(ShownAt(task, {45, 40}));
            // The swatches are JPEG: near the colour, not exact.
            EXPECT_LE(std::abs(shown.red() - colour.red()) + std::abs(shown.green() - colour.green()) +
                          std::abs(shown.blue() - colour.blue()),
                      12)
                << visit.className << " task " << k;
            if (table.marks == boardquiz::FoundMarks::Pictures) {
                const platform::Picture grey = platform::loadPictureResource(boardquiz::SilhouettePicture(table, k));
                EXPECT_EQ(QColor(grey.image().pixel(40, 40)).rgb(), QColor(128, 128, 128).rgb()) << "task " << k;
                EXPECT_EQ(QColor(grey.image().pixel(0, 79)).rgb(), QColor(QRgb(boardquiz::kBoardColour)).rgb());
            }
        }
        // One find, for a look at a lit mark.
        for (int s = 1; s <= boardquiz::kSlots; ++s)
            if (boardquiz::TaskOfTile(table, std::stoi(quiz.SlotTile[static_cast<size_t>(s)])) == 0) {
                Click(screen.get(), boardquiz::BoardFindQuiz::CellButtonName(s));
                break;
            }
        SaveShot(screen.get(), std::string("boardquiz_") + visit.className + "_found");
    }
}

}  // namespace
