// The paged picture-card lessons, written once: pages of up to ten cards in
// two rows, each with its caption; a card speaks when clicked, the page
// buttons step through the pages. Each member gives its card table and the
// ways in which it differs from the others.
#pragma once

#include "lesson_frame/layout_widget.h"
#include "lesson_frame/lesson_screen.h"
#include "lesson_frame/page_navigation.h"
#include "lessons/cards/card_tables.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace cards {

// When creation plays "st": before page 0 is drawn, or once it is.
enum class StartSound { First, Last };

// How a page's pictures are loaded.
enum class Loader {
    Plain,        // every slot loads its card
    EmptySlots,   // a slot named "x" hides its picture and card button
    PictureOnly,  // as EmptySlots, but only the picture (it takes the click)
};

// The screen layout: ten cards with buttons over them, or eight flags.
enum class CardLayout { TenCards, EightFlags };

// A widget of the layout that goes by another name in one member.
struct Rename {
    const char* from;
    const char* to;
};

struct PagedCardVariant {
    StartSound startSound = StartSound::First;
    Loader loader = Loader::Plain;
    bool maximise = true;
    frame::StopRule cardStop = frame::StopRule::IfCurrent;  // the card player's first step
    bool pageButtonsStopFirst = false;                      // page buttons stop the sound before anything else
    CardLayout layout = CardLayout::TenCards;
    std::vector<Rename> renames = {};
    std::vector<int> pictureClicks = {};  // slots whose picture also plays the card
    int captionPixelSize = 29;
    std::vector<const char*> twoLineLabels = {};  // labels tall and wide enough for two lines of a long name
    bool labelsSizeToText = false;                // labels (but LB_b1) start at their left edge and fit their text
    int bottomBarHeight = 107;
};

class PictureCardLesson : public frame::LessonScreen {
    Q_OBJECT
public:
    PictureCardLesson(const CardFamily& family, PagedCardVariant variant);

    int PageIndex() const { return pages_.PageIndex; }
    int CardIndex = 0;  // slot of the last card click

    // The handlers the layout binds.
    void CardClick(int slot);
    void btn_nextpageClick();
    void btn_lastpageClick();

    // Loads the pictures of page PageIndex (one guarded block).
    void ShowCardPictures();
    // Plays card CardIndex of page PageIndex (one guarded block).
    void PlayCardSound();

protected:
    void FormCreate() override;

private:
    struct Slot {
        platform::TImage* picture;
        platform::TSpeedButton* button;  // nullptr where the picture takes the click
        platform::TLabel* label;
    };
    struct Widgets {
        std::vector<Slot> cardSlots;
        platform::TSpeedButton* next;
        platform::TSpeedButton* previous;
    };
    static Widgets SetUpLayout(PictureCardLesson* self, const PagedCardVariant& variant);
    void ShowPage();

    const CardFamily& family_;
    PagedCardVariant variant_;
    Widgets widgets_;
    frame::PageNavigation pages_;
};

using frame::LayoutWidget;

// Binds a click on a picture or a button to a handler.
template <class F>
void BindCardClick(QWidget* widget, F handler)
{
    if (auto* image = qobject_cast<platform::TImage*>(widget))
        frame::OnClick(image, handler);
    else if (auto* button = qobject_cast<platform::TSpeedButton*>(widget))
        frame::OnClick(button, handler);
}

}  // namespace cards
