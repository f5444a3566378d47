// The constant tables of the sound grids (pinyin initials and finals, the
// alphabet, the numeral forms), the body parts and the two number grids:
// what each button shows and plays, and the pictures they use. The screens
// and the content declarations both read them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace soundboards {

// ---- Sound grids ----------------------------------------------------------

enum class GridLayout { PinyinInitials, PinyinFinals, Alphabet, NumeralForms };

// How a grid's buttons get their sounds.
enum class GridSound {
    PerButton,     // each button plays its own name (the pinyin screens)
    LetterTable,   // LetterSoundTable[letter index]
    NumeralTable,  // NumeralSoundTable[number index][page index]
};

struct GridButton {
    const char* widget;   // "btn_b"
    const char* caption;  // written at creation; nullptr: the layout's own caption stays
    int index;            // button number, letter index or number index
    const char* sound;    // the button's own sound (PerButton), else nullptr
    const char* say;      // what its recording says (the voice's text)
};

// A label that lies over a button: a click on it is the button's click.
struct GridLabel {
    const char* widget;
    const char* button;
    bool shownAtCreation;  // else hidden until its button is clicked
};

struct SoundGridMember {
    const char* className;
    GridLayout layout;
    GridSound sound;
    bool maximiseOnShow;
    int outerWidth;
    std::span<const GridButton> buttons;
    std::span<const GridLabel> labels;
    bool english;       // the buttons are spoken in English
    const char* start;  // what its start sound says
};

// The four members, in menu order.
std::span<const SoundGridMember> SoundGridMembers();

// LetterSoundTable: "001".."026" by letter index 0 (A) to 25 (Z).
extern const std::array<const char*, 26> kLetterSoundTable;
// NumeralSoundTable: ten tables of one page, [number index][page index].
extern const std::array<std::array<const char*, 1>, 10> kNumeralSoundTable;

// What a button of the member plays: its own sound (PerButton), else the
// member's table entry for the letter or number index (and the page).
std::string GridButtonSound(const SoundGridMember& member, const GridButton& button, int itemIndex, int pageIndex);

// ---- Body parts -------------------------------------------------------------

struct BodyPart {
    int code;  // 1..6
    const char* chineseButton;
    const char* chinese;
    const char* englishButton;
    const char* english;
    const char* picture;  // the part's clickable picture
    const char* marker;   // its marker on the face
    const char* drawing;  // recipe parameter of the part's picture
};

// By code, 1 first.
extern const std::array<BodyPart, 6> kBodyParts;

// ---- Number grids -------------------------------------------------------------

enum class NumberGridKind {
    Digits,  // the sound is parsed from the caption
    Words,   // the sound is looked up by cell in the arrangement's table
};

struct NumberGridMember {
    const char* className;
    NumberGridKind kind;
    bool maximiseOnShow;
    int rows;
    int columns;
    // [arrangement][cell]: 0 horizontal, 1 vertical.
    std::array<std::array<const char*, 20>, 2> captions;
    // [arrangement][cell]; used by Words only.
    std::array<std::array<const char*, 20>, 2> cellSounds;
    std::array<const char*, 2> tilePicture;  // by arrangement, as the screen names it
    std::array<const char*, 2> markerPicture;
    bool english;
    const char* start;
};

std::span<const NumberGridMember> NumberGridMembers();

// GridSoundTable of the digits: [number 1..20] ("001".."020"; entry 0 unused).
extern const std::array<const char*, 21> kGridSoundTable;

// "hp" after 横向排列, "zp" after 纵向排列.
inline constexpr const char* kHorizontalSound = "hp";
inline constexpr const char* kVerticalSound = "zp";

}  // namespace soundboards
