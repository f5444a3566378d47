// The main window: the six-page lesson menu, the page buttons, the exit
// question, and the launcher that runs one lesson visit at a time.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lesson_frame/page_navigation.h"
#include "resources/menu_catalogue.h"

#include <QStringList>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QMenuBar;
class QMenu;

namespace Ui {
class TMainForm;
}

class TMainForm : public frame::LessonScreen {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    int SelectedSlot = 0;
    int PageIndex() const { return pages_.PageIndex; }

    // Draws menu page PageIndex: captions, icons, the free slots of page 5.
    void ShowMenuPage();
    // Opens the lesson at (PageIndex, SelectedSlot); returns after its visit.
    void OpenLesson();
    // One visit: create, show modally, then always stop, play "lm", destroy.
    void RunLesson(const catalogue::MenuEntry& entry);

    // The embedded pictures of the window's first frame (its layout's and
    // page 0's icons), in the order the window first shows them.
    static std::vector<std::string> FirstFramePictures();
    // The font families the first frame's text is drawn in.
    static QStringList FirstFrameFamilies();

    // Widgets of one menu slot.
    struct MenuSlotWidgets {
        platform::TSpeedButton* button;
        platform::TImage* frame;
        platform::TImage* icon;
        platform::TLabel* caption;
    };
    const MenuSlotWidgets& Slot(int k) const { return slots_[static_cast<size_t>(k)]; }
    Ui::TMainForm* Widgets() const { return ui_.get(); }
    QMenuBar* MainMenu1 = nullptr;
    QMenu* help = nullptr;

    // Handlers bound by the layout.
    void SlotClick(int k);
    void btn_NextPageClick() { pages_.NextPageClick(); }
    void btn_lastpageClick() { pages_.PreviousPageClick(); }
    // The close button "关闭": stop, "re", the exit question.
    void btn_backlasmenuClick();

protected:
    void FormCreate() override;
    void FormClose() override;

private:
    std::unique_ptr<Ui::TMainForm> ui_;
    std::array<MenuSlotWidgets, catalogue::kMenuSlots> slots_{};
    frame::PageNavigation pages_;
};
