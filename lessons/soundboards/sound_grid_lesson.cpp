// The sound-grid scheme: binds a member's buttons and labels from its table
// row, writes its captions at creation and plays each button's sound.
#include "lessons/soundboards/sound_grid_lesson.h"

#include "lesson_frame/layout_widget.h"
#include "ui_soundboards_abc.h"
#include "ui_soundboards_pinyin_shengmu.h"
#include "ui_soundboards_pinyin_yunmu.h"
#include "ui_soundboards_shuzidaxiao.h"

#include <QMouseEvent>

namespace soundboards {

namespace {

template <class Ui>
void setUp(QWidget* screen)
{
    Ui ui;
    ui.setupUi(screen);
}

void setUpLayout(QWidget* screen, GridLayout layout)
{
    switch (layout) {
    case GridLayout::PinyinInitials:
        setUp<Ui::PinyinInitialsLayout>(screen);
        break;
    case GridLayout::PinyinFinals:
        setUp<Ui::PinyinFinalsLayout>(screen);
        break;
    case GridLayout::Alphabet:
        setUp<Ui::AlphabetLayout>(screen);
        break;
    case GridLayout::NumeralForms:
        setUp<Ui::NumeralFormsLayout>(screen);
        break;
    }
}

frame::ScreenSettings settingsOf(const SoundGridMember& member)
{
    frame::ScreenSettings s(member.className, member.maximiseOnShow);
    s.outerWidth = member.outerWidth;
    return s;
}

}  // namespace

SoundGridLesson::SoundGridLesson(const SoundGridMember& member) : LessonScreen(settingsOf(member)), member_(member)
{
    setUpLayout(this, member_.layout);
    for (const GridButton& button : member_.buttons)
        frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, button.widget),
                       [this, &button] { ButtonClick(button); });
    for (const GridLabel& label : member_.labels) {
        auto* l = frame::LayoutWidget<platform::TLabel>(this, label.widget);
        l->installEventFilter(this);
        labelButtons_.emplace_back(l, frame::LayoutWidget<platform::TSpeedButton>(this, label.button));
    }
    frame::OnClick(frame::LayoutWidget<platform::TSpeedButton>(this, "btn_backlasmenu"),
                   [this] { btn_backlasmenuClick(); });
}

void SoundGridLesson::FormCreate()
{
    ItemIndex = 0;
    PageIndex = 0;
    CurrentSoundAlias.clear();
    MediaFolder.clear();
    SetMediaFolder();
    SetCaptions();
    for (const GridLabel& label : member_.labels)
        if (label.shownAtCreation)
            frame::LayoutWidget<QWidget>(this, label.widget)->setVisible(true);
    PlayStartSound();
}

void SoundGridLesson::SetCaptions()
{
    for (const GridButton& button : member_.buttons)
        if (button.caption)
            frame::LayoutWidget<platform::TSpeedButton>(this, button.widget)
                ->setText(QString::fromUtf8(button.caption));
}

void SoundGridLesson::ButtonClick(const GridButton& button)
{
    if (member_.sound != GridSound::PerButton)
        ItemIndex = button.index;
    ShowLowercaseLabel(button);
    PlayLessonSound(GridButtonSound(member_, button, ItemIndex, PageIndex));
}

void SoundGridLesson::ShowLowercaseLabel(const GridButton& button)
{
    for (const GridLabel& label : member_.labels)
        if (!label.shownAtCreation && std::string(label.button) == button.widget)
            frame::LayoutWidget<QWidget>(this, label.widget)->setVisible(true);
}

// A label lies over its button's face: a click on it is the button's click.
bool SoundGridLesson::eventFilter(QObject* watched, QEvent* event)
{
    for (const auto& [label, button] : labelButtons_) {
        if (watched != label)
            continue;
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            return true;
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()))
                button->Click();
            return true;
        }
    }
    return LessonScreen::eventFilter(watched, event);
}

}  // namespace soundboards
