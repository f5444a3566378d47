#include "lessons/cards/single_page_card_lesson.h"

#include "lesson_frame/guarded.h"
#include "lessons/cards/picture_card_lesson.h"
#include "ui_cards_colour.h"
#include "ui_cards_shape.h"
#include "ui_cards_ship.h"

namespace cards {

namespace {

void setUpLayout(QWidget* screen, SingleLayout layout)
{
    switch (layout) {
    case SingleLayout::Colours: {
        Ui::ColourCardLayout ui;
        ui.setupUi(screen);
        break;
    }
    case SingleLayout::Shapes: {
        Ui::ShapeCardLayout ui;
        ui.setupUi(screen);
        break;
    }
    case SingleLayout::Ships: {
        Ui::ShipCardLayout ui;
        ui.setupUi(screen);
        break;
    }
    }
}

// The image a card's picture is stored in: the click widget itself, or the
// picture under a ship's button.
platform::TImage* pictureOf(QWidget* screen, const SingleCard& card, int index)
{
    if (auto* image = qobject_cast<platform::TImage*>(LayoutWidget<QWidget>(screen, card.clickWidget)))
        return image;
    static const char* const ships[] = {"img1",  "img2",  "img3",  "img4",  "img5",
                                        "imgb1", "imgb2", "imgb3", "imgb4", "imgb5"};
    return LayoutWidget<platform::TImage>(screen, ships[index]);
}

}  // namespace

SinglePageCardLesson::SinglePageCardLesson(const SingleCardTable& table, SinglePageVariant variant)
    : LessonScreen(frame::ScreenSettings(table.className, true, true)), table_(table), variant_(variant)
{
    setUpLayout(this, variant_.layout);
    for (int k = 0; k < static_cast<int>(table_.cards.size()); ++k) {
        const SingleCard& card = table_.cards[static_cast<size_t>(k)];
        if (*table_.picturePrefix)
            pictureOf(this, card, k)->setPictureName(QString::fromUtf8(table_.picturePrefix) + card.sound);
        BindCardClick(LayoutWidget<QWidget>(this, card.clickWidget), [this, k] { CardClick(k); });
    }
    frame::OnClick(LayoutWidget<platform::TSpeedButton>(this, "btn_backlasmenu"), [this] { BackClick(); });
}

void SinglePageCardLesson::FormCreate()
{
    CardIndex = 0;
    CurrentSoundAlias.clear();
    SetMediaFolder();
    PlayLessonSound("st", variant_.stop);
    for (const SingleCard& card : table_.cards) {
        auto* label = LayoutWidget<platform::TLabel>(this, card.label);
        label->setText(QString::fromUtf8(card.caption));
        if (variant_.labelsInCardColour)
            label->setTextColor(QColor::fromRgb(card.colour));
    }
}

void SinglePageCardLesson::CardClick(int card)
{
    CardIndex = card;
    PlayCardSound();
}

void SinglePageCardLesson::PlayCardSound()
{
    frame::Guarded([this] { PlayLessonSound(table_.cards[static_cast<size_t>(CardIndex)].sound, variant_.stop); });
}

void SinglePageCardLesson::BackClick()
{
    if (variant_.stop == frame::StopRule::Always || !CurrentSoundAlias.empty())
        StopLessonSound();
    Close();
}

}  // namespace cards
