// The next- and previous-page buttons of every paging screen: a page index
// between 0 and the last page, the buttons' states, the redraw and the page
// sounds.
#pragma once

#include "lesson_frame/stop_rule.h"

#include <QAbstractButton>

#include <functional>
#include <string>

namespace frame {

class LessonScreen;

struct PageSettings {
    int lastPageIndex = 0;
    std::string nextSound = "n";
    std::string previousSound = "l";
    StopRule stop = StopRule::IfCurrent;  // how the page sounds stop the current one
};

class PageNavigation {
public:
    // onStep runs right after the page index changes, before the buttons'
    // states: where a screen stops its sound or clears its marks.
    PageNavigation(LessonScreen* screen, QAbstractButton* next, QAbstractButton* previous, PageSettings settings,
                   std::function<void()> redraw, std::function<void()> onStep = {});

    int PageIndex = 0;
    int LastPageIndex() const { return settings_.lastPageIndex; }

    // Creation: page 0, the previous-page button disabled.
    void Reset();

    // The whole handlers, each one guarded block: step, redraw, page sound.
    // False when an error ended the block early.
    bool NextPageClick();
    bool PreviousPageClick();

    // Their parts, for screens that do more in their page handlers.
    void StepNext();      // PageIndex + 1 and the button states
    void StepPrevious();  // PageIndex - 1 and the button states
    void Redraw()
    {
        if (redraw_)
            redraw_();
    }
    void PlayNextSound();
    void PlayPreviousSound();

private:
    LessonScreen* screen_;
    QAbstractButton* next_;
    QAbstractButton* previous_;
    PageSettings settings_;
    std::function<void()> redraw_;
    std::function<void()> onStep_;
};

}  // namespace frame
