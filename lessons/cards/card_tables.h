// The picture-card lessons' constant tables: each card's name (its sound and
// the end of its picture's name), its caption and the motif of its picture.
// The screens fill their slots from them and the content declarations draw
// and speak from the same entries.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace cards {

// A name of this text marks a slot without a card.
inline constexpr const char* kEmptySlotMark = "x";

struct CardEntry {
    const char* name;             // three-digit card number "001", or kEmptySlotMark
    const char* caption;          // the caption label's text, exactly as shown
    const char* motif = nullptr;  // the picture's emoji or drawing name (the symbol itself for the symbols);
                                  // nullptr: the twin's
    const char* say = nullptr;    // what the recording says; nullptr: the caption
    int height = 0;               // picture height where the family's pictures differ (flags); 0: square
};

// One paged card lesson's cards, page by page and slot by slot.
struct CardFamily {
    const char* className;  // the lesson screen class
    const char* prefix;     // picture family prefix as the screen writes it ("jdt")
    int slotsPerPage;       // K of the card numbers: 10, or 8 for the flags
    std::span<const CardEntry> cards;
    bool english = false;  // the cards are spoken in English
    int pictureWidth = 140;
    const CardFamily* twin = nullptr;  // the lesson whose card k shows the same thing
    bool motifIsText = false;          // the motif is a text to draw (the symbols), not a picture
    const char* recipe = "card";       // how the generator draws the pictures

    int pages() const { return static_cast<int>(cards.size()) / slotsPerPage; }
    int lastPageIndex() const { return pages() - 1; }
    const CardEntry& at(int slot, int page) const { return cards[static_cast<size_t>(page * slotsPerPage + slot)]; }
    // The motif a card's picture shows (its twin's where it names none).
    const char* motif(size_t index) const;
    // The resource name of a card's picture ("JDT011").
    std::string pictureName(const CardEntry& card) const;
};

bool IsEmptySlot(const CardEntry& card);

extern const CardFamily kAnimalCards;
extern const CardFamily kFruitCards;
extern const CardFamily kVegetableCards;
extern const CardFamily kVehicleCards;
extern const CardFamily kApplianceCards;
extern const CardFamily kDailyArticleCards;
extern const CardFamily kSymbolCards;
extern const CardFamily kFlagCards;
extern const CardFamily kFlowerCards;
extern const CardFamily kSoundCards;
extern const CardFamily kEnglishFruitCards;
extern const CardFamily kEnglishAnimalCards;

// The twelve paged lessons in menu order.
std::span<const CardFamily* const> PagedCardFamilies();

// One card of a single-page lesson.
struct SingleCard {
    const char* clickWidget;  // the widget a kid clicks
    const char* label;        // the caption label under it
    const char* caption;
    const char* sound;  // "001" to "010"
    uint32_t colour;    // the colour a colour card names; a shape's fill
    const char* motif;  // emoji or drawing of a ship, recipe parameter of a shape
};

struct SingleCardTable {
    const char* className;
    std::span<const SingleCard, 10> cards;
    const char* picturePrefix;  // pictures stored with the layout, by card number; empty: none
    const char* background;     // the lesson area's background picture
};

extern const SingleCardTable kColourCards;
extern const SingleCardTable kShapeCards;
extern const SingleCardTable kShipCards;

// The balloon board of the colour lesson: where each card lies on the lesson
// area (the click widgets lie there, the background draws the balloons there).
struct CardCell {
    int left, top, width, height;
};
CardCell ColourCardCell(int card);
// Where the card's colour name lies: the caption label under its balloon.
CardCell ColourCaptionCell(int card);

}  // namespace cards
