// Pictures and sounds of the board find quizzes, from the quizzes' own tables.
#include "lessons/boardquiz/boardquiz.h"
#include "lessons/boardquiz/boardquiz_tables.h"
#include "resources/content.h"
#include "resources/menu_catalogue.h"

namespace boardquiz {

namespace {

using namespace content;

// A shape in its colour on the board colour, or a solid tile of the colour.
void declareFigure(Manifest& m, const std::string& name, int size, uint32_t colour, const char* shape)
{
    if (*shape) {
        Picture& p = m.picture(name, size, size, "shape");
        p.param = shape;
        p.colour = colour;
        p.background = boardquiz::kBoardColour;
    } else {
        m.picture(name, size, size, "solid").colour = colour;
    }
}

void addQuiz(Manifest& m, const QuizTable& table)
{
    m.screens.push_back(table.className);
    const std::string folder = catalogue::FindLessonEntry(table.className)->folder;

    for (int tile = 1; tile <= boardquiz::kSlots; ++tile) {
        const boardquiz::Task& task = table.tasks[static_cast<size_t>(boardquiz::TaskOfTile(table, tile))];
        declareFigure(m, boardquiz::TilePicture(table, tile), table.tileSize, task.colour, task.shape);
    }
    for (int k = 0; k < boardquiz::kTasks; ++k) {
        const boardquiz::Task& task = table.tasks[static_cast<size_t>(k)];
        // The marker's background is the colour it is drawn transparent in.
        const uint32_t behind = *table.swatchPrefix ? task.colour : boardquiz::kBoardColour;
        m.picture(boardquiz::MarkerPicture(table, k), 50, 61, "magnifier").colour = behind;
        if (*table.swatchPrefix) {
            Picture& swatch = m.picture(boardquiz::SwatchPicture(table, k), 90, 80, "solid");
            swatch.format = Format::Jpeg;
            swatch.colour = task.colour;
        }
        if (table.marks == boardquiz::FoundMarks::Pictures)
            declareFigure(m, boardquiz::SilhouettePicture(table, k), 80, 0x808080, task.shape);
        if (*table.colouredPrefix)
            declareFigure(m, boardquiz::ColouredPicture(table, k), 80, task.colour, task.shape);
        m.sound(folder, boardquiz::PromptSound(table, k), std::string("请你") + task.spoken);
    }
    m.sound(folder, "st", table.startSay);
    m.sound(folder, boardquiz::RightSound(table), table.rightSay);
    m.sound(folder, boardquiz::CompleteSound(table), table.completeSay, Voice::Cheer);
}

}  // namespace

void addContent(content::Manifest& m)
{
    addQuiz(m, kZhaoYanSe);
    addQuiz(m, kZhaoXingZhuang);
}

}  // namespace boardquiz
