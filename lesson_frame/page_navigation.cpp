#include "lesson_frame/page_navigation.h"

#include "lesson_frame/guarded.h"
#include "lesson_frame/lesson_screen.h"

namespace frame {

PageNavigation::PageNavigation(LessonScreen* screen, QAbstractButton* next, QAbstractButton* previous,
                               PageSettings settings, std::function<void()> redraw, std::function<void()> onStep)
    : screen_(screen),
      next_(next),
      previous_(previous),
      settings_(std::move(settings)),
      redraw_(std::move(redraw)),
      onStep_(std::move(onStep))
{}

void PageNavigation::Reset()
{
    PageIndex = 0;
    previous_->setEnabled(false);
}

void PageNavigation::StepNext()
{
    PageIndex = PageIndex + 1;
    if (onStep_)
        onStep_();
    // At the limit the other button is enabled too: the two-page screens
    // need it, and on the others it is enabled already.
    if (PageIndex == settings_.lastPageIndex)
        next_->setEnabled(false);
    previous_->setEnabled(true);
}

void PageNavigation::StepPrevious()
{
    PageIndex = PageIndex - 1;
    if (onStep_)
        onStep_();
    next_->setEnabled(true);
    previous_->setEnabled(PageIndex != 0);
}

void PageNavigation::PlayNextSound()
{
    screen_->PlayLessonSound(settings_.nextSound, settings_.stop);
}

void PageNavigation::PlayPreviousSound()
{
    screen_->PlayLessonSound(settings_.previousSound, settings_.stop);
}

bool PageNavigation::NextPageClick()
{
    return Guarded([this] {
        StepNext();
        Redraw();
        PlayNextSound();
    });
}

bool PageNavigation::PreviousPageClick()
{
    return Guarded([this] {
        StepPrevious();
        Redraw();
        PlayPreviousSound();
    });
}

}  // namespace frame
