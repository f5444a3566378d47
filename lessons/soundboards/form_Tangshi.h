// The Tang poems lesson (唐诗精选): nine pages of eight title buttons; a
// click recites the poem and shows its title and lines in the reading box.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lesson_frame/page_navigation.h"

#include <array>

class TFM_tangshi : public frame::LessonScreen {
    Q_OBJECT
public:
    TFM_tangshi();

    int PoemSlot = 0;  // the title button clicked last, down the left column first
    int PageIndex() const { return pages_.PageIndex; }

protected:
    void FormCreate() override;

private:
    struct Widgets {
        std::array<platform::TSpeedButton*, 8> poems{};  // by PoemSlot
        platform::TSpeedButton* next = nullptr;
        platform::TSpeedButton* previous = nullptr;
        platform::TSpeedButton* back = nullptr;
        platform::TLabel* title = nullptr;
        platform::TMemo* memo = nullptr;
    };
    static Widgets buildLayout(QWidget* screen);

    void PoemClick(int slot);
    void ShowPoemCaptions();
    void PlayPoemRecitation();
    void ShowPoemText(const QString& title);

    Widgets ui_;
    frame::PageNavigation pages_;
};
