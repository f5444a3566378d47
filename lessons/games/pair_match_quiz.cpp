#include "lessons/games/pair_match_quiz.h"

#include "lesson_frame/layout_widget.h"
#include "lesson_frame/guarded.h"

#include <QLabel>

namespace games {

namespace {

std::string numbered(const std::string& prefix, size_t i)
{
    return prefix + std::to_string(i + 1);
}

void setCaption(QWidget* w, const std::string& text)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(QString::fromStdString(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(QString::fromStdString(text));
}

std::string captionOf(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().toStdString();
    return {};
}

}  // namespace

PairMatchQuiz::Layout PairMatchQuiz::buildLayout(QWidget* screen, const PairMatchTables& t,
                                                 void (*setupLayout)(QWidget*))
{
    setupLayout(screen);
    Layout l;
    for (size_t i = 0; i < kPairSlots; ++i) {
        l.top.buttons[i] = frame::LayoutWidget<platform::TSpeedButton>(screen, numbered("btn_a", i));
        l.bottom.buttons[i] = frame::LayoutWidget<platform::TSpeedButton>(screen, numbered("btn_b", i));
        l.top.captions[i] = frame::LayoutWidget<QWidget>(screen, numbered(t.topCaptions, i));
        l.bottom.captions[i] = frame::LayoutWidget<QWidget>(screen, numbered(t.bottomCaptions, i));
        if (!t.topPictures.empty())
            l.top.pictures[i] = frame::LayoutWidget<platform::TImage>(screen, numbered(t.topPictures, i));
        if (!t.bottomPictures.empty())
            l.bottom.pictures[i] = frame::LayoutWidget<platform::TImage>(screen, numbered(t.bottomPictures, i));
        l.markers.push_back(frame::LayoutWidget<QWidget>(screen, numbered(t.markers, i)));
        l.marks.push_back(frame::LayoutWidget<platform::TLabel>(screen, numbered("lb", i)));
    }
    l.next = frame::LayoutWidget<platform::TSpeedButton>(screen, "btn_nextpage");
    l.previous = frame::LayoutWidget<platform::TSpeedButton>(screen, "btn_lastpage");
    l.back = frame::LayoutWidget<platform::TSpeedButton>(screen, "btn_backlasmenu");
    return l;
}

PairMatchQuiz::PairMatchQuiz(const PairMatchTables& tables, void (*setupLayout)(QWidget*))
    : LessonScreen(frame::ScreenSettings(tables.className, true)),
      tables_(tables),
      ui_(buildLayout(this, tables, setupLayout)),
      marker_(ui_.markers),
      marks_(ui_.marks),
      pages_(
          this, ui_.next, ui_.previous,
          frame::PageSettings{tables.pages() - 1, tables.nextPageSound, tables.previousPageSound, tables.stopBefore},
          [this] { ShowMatchPage(); },
          [this] {
              marks_.Clear();
              SelectedTopSlot = 0;
              marker_.Show(SelectedTopSlot);
          })
{
    for (int k = 0; k < kPairSlots; ++k) {
        frame::OnClick(ui_.top.buttons[static_cast<size_t>(k)], [this, k] { TopClick(k); });
        frame::OnClick(ui_.bottom.buttons[static_cast<size_t>(k)], [this, k] { BottomClick(k); });
    }
    frame::OnClick(ui_.next, [this] { pages_.NextPageClick(); });
    frame::OnClick(ui_.previous, [this] { pages_.PreviousPageClick(); });
    frame::OnClick(ui_.back, [this] { btn_backlasmenuClick(); });
}

void PairMatchQuiz::PlayQuizSound(const std::string& name)
{
    if (name.empty()) {
        StopIfCurrent();
        return;
    }
    PlayLessonSound(name, tables_.stopBefore);
}

void PairMatchQuiz::FormCreate()
{
    ClickedBottomSlot = 0;
    SelectedTopSlot = 0;
    positions_ = {};
    CurrentSoundAlias.clear();
    SetMediaFolder();
    PlayQuizSound("st");
    marker_.Show(SelectedTopSlot);
    LoadFixedTiles();
    marks_.Clear();
    pages_.Reset();
    ShowMatchPage();
}

void PairMatchQuiz::LoadFixedTiles()
{
    for (const auto& [prefix, picture] : tables_.fixedTiles)
        for (size_t i = 0; i < kPairSlots; ++i)
            LoadNamedPicture(frame::LayoutWidget<platform::TImage>(this, numbered(prefix, i)), picture);
}

void PairMatchQuiz::ShowMatchPage()
{
    // A missing picture ends the redraw there; the page sound still plays.
    frame::Guarded([this] {
        const auto page = static_cast<size_t>(pages_.PageIndex);
        for (size_t s = 0; s < kPairSlots; ++s) {
            const MatchItem& item = tables_.top[page][s];
            setCaption(ui_.top.captions[s], item.caption);
            if (ui_.top.pictures[s])
                LoadNamedPicture(ui_.top.pictures[s], item.picture);
        }
        const std::vector<int> drawn = ShuffleBottomRow(kPairSlots);
        for (size_t k = 0; k < kPairSlots; ++k) {
            positions_[k] = drawn[k] - 1;
            const MatchItem& item = tables_.bottom[page][static_cast<size_t>(positions_[k])];
            // The food's picture comes before its caption: a picture that
            // fails to load leaves the caption as it was.
            if (ui_.bottom.pictures[k])
                LoadNamedPicture(ui_.bottom.pictures[k], item.picture);
            setCaption(ui_.bottom.captions[k], item.caption);
        }
    });
}

void PairMatchQuiz::TopClick(int slot)
{
    SelectedTopSlot = slot;
    marker_.Show(SelectedTopSlot);
    if (tables_.topClickClearsMarks)
        marks_.Clear();
    PlayQuizSound(tables_.top[static_cast<size_t>(pages_.PageIndex)][static_cast<size_t>(slot)].sound);
}

void PairMatchQuiz::BottomClick(int slot)
{
    ClickedBottomSlot = slot;
    CheckMatch();
}

void PairMatchQuiz::CheckMatch()
{
    frame::Guarded([this] {
        const auto k = static_cast<size_t>(ClickedBottomSlot);
        const bool right = tables_.check(tables_, pages_.PageIndex, SelectedTopSlot,
                                         captionOf(ui_.top.captions[static_cast<size_t>(SelectedTopSlot)]),
                                         captionOf(ui_.bottom.captions[k]));
        marks_.Mark(ClickedBottomSlot, right);
        const MatchItem& clicked =
            tables_.bottom[static_cast<size_t>(pages_.PageIndex)][static_cast<size_t>(positions_[k])];
        const FeedbackSounds sounds{tables_.yesSound, tables_.applauseSound, tables_.noSound, tables_.itemSoundFirst,
                                    tables_.itemSoundFirst};
        AnswerFeedback(right, clicked.sound, sounds, [this](const std::string& name) { PlayQuizSound(name); });
    });
}

}  // namespace games
