// What the answer-checking games share: the animal keys by number text, the
// shuffled bottom row, the selection marker, the right/wrong marks, the pause
// between two feedback sounds and the right/wrong sound sequence.
#pragma once

#include <QWidget>

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace platform {
class TLabel;
}

namespace games {

// The key of animal text "1".."count" in a table indexed by animal (entry 0
// unused). A text that is no animal throws: it cannot name a picture or a sound.
const char* AnimalKey(std::span<const char* const> keys, int count, const std::string& text);

// Deals `count` items into `count` slots in a random order: reseeds, then for
// each slot draws Random(count + 1) until the draw is 1..count and unused.
// Returns the drawn position (1..count) of each slot.
std::vector<int> ShuffleBottomRow(int count = 5);

// A row of marker pictures of which only the selected one shows.
class SelectionMarker {
public:
    explicit SelectionMarker(std::vector<QWidget*> markers = {}) : markers_(std::move(markers)) {}
    // Shows the marker of slot and hides the others; a slot outside the row does nothing.
    void Show(int slot);

private:
    std::vector<QWidget*> markers_;
};

inline const char* const kRightMark = "√";
inline const char* const kWrongMark = "×";

// One large label per answer slot; at most one shows a mark.
class AnswerMark {
public:
    explicit AnswerMark(std::vector<platform::TLabel*> labels = {}) : labels_(std::move(labels)) {}
    // "√" or "×" on slot, the other labels blank.
    void Mark(int slot, bool right);
    // Every label blank.
    void Clear();

private:
    std::vector<platform::TLabel*> labels_;
};

// The blocking 1000 ms wait between two feedback sounds, on the window thread:
// the window does not react meanwhile, and clicks made during it are handled after.
void FeedbackPause();

// The sounds of one game's answers.
struct FeedbackSounds {
    std::string yes = "yes";
    std::string applause = "gz";
    std::string no = "no";
    bool itemBeforeRight = false;  // a right answer first plays the item's own sound and pauses
    bool itemBeforeWrong = false;  // so does a wrong one
};

// Right: [item, pause,] yes, pause, applause. Wrong: [item, pause,] no.
// `play` is the screen's player, which stops the sound before.
void AnswerFeedback(bool right, const std::string& itemSound, const FeedbackSounds& sounds,
                    const std::function<void(const std::string&)>& play);

}  // namespace games
