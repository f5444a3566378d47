// Pictures and sounds of the paged and single-page card lessons, declared
// from the same card tables the screens show.
#include "lessons/cards/card_tables.h"
#include "lessons/cards/cards.h"
#include "resources/menu_catalogue.h"

#include <cstdio>

namespace cards {

namespace {

// The sound lesson's cards play the things' own sounds instead of a voice
// imitating them: the recording each card plays, by card name.
struct CardRecording {
    const char* card;
    const char* recording;
};
// clang-format off
constexpr CardRecording kSoundCardRecordings[] = {
    {"001", "dog"}, {"002", "cat"}, {"003", "tiger"}, {"004", "horse"}, {"005", "frog"},
    {"006", "cicada"}, {"007", "goat"}, {"008", "pig"}, {"009", "cow"}, {"010", "cuckoo"},
    {"011", "rooster"}, {"012", "duck"}, {"013", "train"}, {"014", "wolf"}, {"015", "firecrackers"},
    {"016", "snoring"}, {"017", "clapping"}, {"018", "car_horn"}, {"019", "telephone"}, {"020", "baby_cry"},
};
// clang-format on

// The recording a card plays; empty: its voice.
std::string recordingOf(const CardFamily& family, const CardEntry& card)
{
    if (&family == &kSoundCards)
        for (const CardRecording& r : kSoundCardRecordings)
            if (std::string(r.card) == card.name)
                return r.recording;
    return {};
}

// The lesson's folder literal; its start sound names the lesson, the page
// sounds say the page step.
std::string declareLesson(content::Manifest& m, const char* className, bool pages)
{
    const catalogue::MenuEntry* entry = catalogue::FindLessonEntry(className);
    m.screens.push_back(className);
    m.sound(entry->folder, "st", entry->windowCaption);
    if (pages) {
        m.sound(entry->folder, "n", "下一页");
        m.sound(entry->folder, "l", "上一页");
    }
    return entry->folder;
}

void declarePagedFamily(content::Manifest& m, const CardFamily& family)
{
    const std::string folder = declareLesson(m, family.className, true);
    for (size_t i = 0; i < family.cards.size(); ++i) {
        const CardEntry& card = family.cards[i];
        if (IsEmptySlot(card))
            continue;
        content::Picture& p = m.picture(family.pictureName(card), family.pictureWidth,
                                        card.height ? card.height : family.pictureWidth, family.recipe);
        if (family.motifIsText) {
            p.text = family.motif(i);
        } else {
            p.showing(family.motif(i));
            p.text = card.caption;
        }
        m.sound(folder, card.name, card.say ? card.say : card.caption,
                family.english ? content::Voice::English : content::Voice::Chinese);
        m.sounds.back().recording = recordingOf(family, card);
    }
}

// "红 色" is said "红色".
std::string withoutBlanks(const char* caption)
{
    std::string said;
    for (const char* c = caption; *c; ++c)
        if (*c != ' ')
            said += *c;
    return said;
}

void declareSingleTable(content::Manifest& m, const SingleCardTable& table, int pictureSize, const char* recipe)
{
    const std::string folder = declareLesson(m, table.className, false);
    for (const SingleCard& card : table.cards) {
        m.sound(folder, card.sound, withoutBlanks(card.caption));
        if (!*table.picturePrefix)
            continue;
        content::Picture& p =
            m.picture(std::string(table.picturePrefix) + card.sound, pictureSize, pictureSize, recipe);
        p.text = card.caption;
        if (std::string(recipe) == "shape") {
            p.param = card.motif;
            p.colour = card.colour;
            p.background = 0xFFFFFF;
        } else {
            p.showing(card.motif);
        }
    }
}

// The colour lesson's background: each card's balloon at its place, in its
// colour, and a plate under its name that the name, in the same colour,
// stands out from ("left,top,width,height,rrggbb" of the balloon, then of
// the plate, with the name's colour; ";" after each card).
void declareBalloonBoard(content::Manifest& m)
{
    constexpr int kPlateWidth = 124, kPlateHeight = 42;
    content::Picture& board = m.picture(kColourCards.background, 784, 455, "balloons");
    board.background = 0xBFE6F7;
    for (int k = 0; k < static_cast<int>(kColourCards.cards.size()); ++k) {
        const CardCell cell = ColourCardCell(k), name = ColourCaptionCell(k);
        const auto colour = static_cast<unsigned>(kColourCards.cards[static_cast<size_t>(k)].colour);
        char item[96];
        std::snprintf(item, sizeof item, "%d,%d,%d,%d,%06X,%d,%d,%d,%d,%06X;", cell.left, cell.top, cell.width,
                      cell.height, colour, name.left + (name.width - kPlateWidth) / 2,
                      name.top + (name.height - kPlateHeight) / 2, kPlateWidth, kPlateHeight, colour);
        board.param += item;
    }
}

}  // namespace

void addPagedCardContent(content::Manifest& m)
{
    for (const CardFamily* family : PagedCardFamilies())
        declarePagedFamily(m, *family);
    declareSingleTable(m, kColourCards, 0, "");
    declareBalloonBoard(m);
    declareSingleTable(m, kShapeCards, 130, "shape");
    declareSingleTable(m, kShipCards, 140, "card");
}

}  // namespace cards
