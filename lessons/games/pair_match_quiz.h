// The pair-match quiz: pick an item in the top row, then its partner in the
// shuffled bottom row; the choice is marked right or wrong and answered with
// sounds. The letter match, the numeral match and find the food are this one
// screen driven by their own tables.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lesson_frame/page_navigation.h"
#include "lessons/games/game_vocabulary.h"
#include "lessons/games/pair_match_tables.h"

#include <array>

namespace games {

class PairMatchQuiz : public frame::LessonScreen {
    Q_OBJECT
public:
    // setupLayout builds the lesson's own layout on the screen.
    PairMatchQuiz(const PairMatchTables& tables, void (*setupLayout)(QWidget*));

    int SelectedTopSlot = 0;    // top slot whose partner the kid looks for
    int ClickedBottomSlot = 0;  // bottom slot of the latest bottom click
    int PageIndex() const { return pages_.PageIndex; }
    // For each bottom slot, the position (0..4) among the page's items it shows.
    const std::array<int, kPairSlots>& BottomPositions() const { return positions_; }
    const PairMatchTables& Tables() const { return tables_; }

    // Plays a sound with this lesson's stop rule; an empty name only stops.
    void PlayQuizSound(const std::string& name);

protected:
    void FormCreate() override;

private:
    struct Row {
        std::array<QWidget*, kPairSlots> captions{};           // buttons or labels
        std::array<platform::TImage*, kPairSlots> pictures{};  // item tiles, where items have pictures
        std::array<platform::TSpeedButton*, kPairSlots> buttons{};
    };
    struct Layout {
        Row top, bottom;
        std::vector<QWidget*> markers;
        std::vector<platform::TLabel*> marks;
        platform::TSpeedButton* next = nullptr;
        platform::TSpeedButton* previous = nullptr;
        platform::TSpeedButton* back = nullptr;
    };
    static Layout buildLayout(QWidget* screen, const PairMatchTables& tables, void (*setupLayout)(QWidget*));

    void TopClick(int slot);
    void BottomClick(int slot);
    void ShowMatchPage();
    void CheckMatch();
    void LoadFixedTiles();

    const PairMatchTables& tables_;
    Layout ui_;
    SelectionMarker marker_;
    AnswerMark marks_;
    frame::PageNavigation pages_;
    std::array<int, kPairSlots> positions_{};
};

}  // namespace games
