#include "lessons/games/game_vocabulary.h"

#include "platform/platform.h"
#include "platform/random.h"
#include "platform/strings.h"
#include "platform/widgets.h"

#include <stdexcept>

namespace games {

const char* AnimalKey(std::span<const char* const> keys, int count, const std::string& text)
{
    for (int n = 1; n <= count && n < static_cast<int>(keys.size()); ++n)
        if (text == std::to_string(n))
            return keys[static_cast<size_t>(n)];
    throw std::out_of_range("no animal \"" + text + "\"");
}

std::vector<int> ShuffleBottomRow(int count)
{
    platform::Randomize();
    platform::TStrings drawn;
    std::vector<int> positions;
    for (int slot = 0; slot < count; ++slot) {
        int x = platform::Random(count + 1);
        while (drawn.IndexOf(std::to_string(x)) >= 0 || x < 1)
            x = platform::Random(count + 1);
        drawn.Add(std::to_string(x));
        positions.push_back(x);
    }
    return positions;
}

void SelectionMarker::Show(int slot)
{
    if (slot < 0 || slot >= static_cast<int>(markers_.size()))
        return;
    for (size_t i = 0; i < markers_.size(); ++i)
        markers_[i]->setVisible(static_cast<int>(i) == slot);
}

void AnswerMark::Mark(int slot, bool right)
{
    for (size_t i = 0; i < labels_.size(); ++i) {
        labels_[i]->setText(static_cast<int>(i) == slot ? QString::fromUtf8(right ? kRightMark : kWrongMark)
                                                        : QStringLiteral(" "));
        // Drawn at once: the feedback pauses that follow block the window,
        // and the kid should see the mark while the sounds play.
        labels_[i]->repaint();
    }
}

void AnswerMark::Clear()
{
    for (platform::TLabel* label : labels_)
        label->setText(QStringLiteral(" "));
}

void FeedbackPause()
{
    platform::Sleep(1000);
}

void AnswerFeedback(bool right, const std::string& itemSound, const FeedbackSounds& sounds,
                    const std::function<void(const std::string&)>& play)
{
    if (right ? sounds.itemBeforeRight : sounds.itemBeforeWrong) {
        play(itemSound);
        FeedbackPause();
    }
    if (right) {
        play(sounds.yes);
        FeedbackPause();
        play(sounds.applause);
    } else {
        play(sounds.no);
    }
}

}  // namespace games
