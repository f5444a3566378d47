#include "lessons/boardquiz/boardquiz_tables.h"
#include "platform/strings.h"

namespace boardquiz {

namespace {
std::string threeDigits(const char* prefix, int n)
{
    return prefix + platform::ThreeDigits(n);
}
}  // namespace

int TaskOfTile(const QuizTable& table, int tile)
{
    const std::string text = std::to_string(tile);
    for (int k = 0; k < kTasks; ++k)
        for (const char* t : table.tasks[static_cast<size_t>(k)].tiles)
            if (text == t)
                return k;
    return -1;
}

std::string PromptSound(const QuizTable& table, int task)
{
    return table.promptPrefix + std::string(table.promptNames[static_cast<size_t>(task)]);
}

std::string RightSound(const QuizTable& table)
{
    return table.feedbackPrefix + std::string(table.feedbackNames[1]);
}

std::string CompleteSound(const QuizTable& table)
{
    return table.feedbackPrefix + std::string(table.feedbackNames[0]);
}

std::string TilePicture(const QuizTable& table, int tile)
{
    return table.tilePrefix + std::to_string(table.tileTable[static_cast<size_t>(tile)]);
}

std::string MarkerPicture(const QuizTable& table, int task)
{
    return table.markerPrefix + std::to_string(task + 1);
}

std::string SilhouettePicture(const QuizTable& table, int task)
{
    return threeDigits(table.silhouettePrefix, task + 1);
}

std::string ColouredPicture(const QuizTable& table, int task)
{
    return threeDigits(table.colouredPrefix, task + 1);
}

std::string SwatchPicture(const QuizTable& table, int task)
{
    return table.swatchPrefix + std::to_string(task + 1);
}

}  // namespace boardquiz
