// The clock and fruit pyramid lessons' constant tables: which button plays
// which sound, what each recording says and what the pictures show. The
// screens bind their buttons from them and the content declarations draw and
// speak from the same entries.
#pragma once

#include <array>
#include <string>

namespace cards {

// One hour button of the clock; entry k is the hour k + 1 (HourIndex k).
struct HourEntry {
    const char* button;  // the button's name in the layout
    const char* sound;   // "001" to "012"
    const char* say;     // the hour as the recording says it
};

inline constexpr int kHours = 12;
extern const std::array<HourEntry, kHours> kHourTable;

// Size of every clock face picture.
inline constexpr int kClockFaceWidth = 388;
inline constexpr int kClockFaceHeight = 358;
// The raw GIF resource of a face, as the screen writes it ("SZt003" for
// HourIndex 2); empty outside 0 to 11.
std::string ClockFaceName(int hourIndex);
// The plain dial the layout shows before a face is loaded.
inline constexpr const char* kClockDialPicture = "SZDIAL";

// One speaking button of the pyramid.
struct PyramidWord {
    const char* button;  // the button's name in the layout
    const char* sound;   // "a001".."a010" for the numbers, "b001".."b010" for the fruit
    const char* say;     // the English word the recording says
};

// One row of the pyramid, from the top: row r holds r pieces of its fruit.
struct PyramidRow {
    PyramidWord number;
    PyramidWord fruit;
    const char* emoji;  // the fruit as the picture shows it
};

inline constexpr int kPyramidRows = 10;
extern const std::array<PyramidRow, kPyramidRows> kPyramidTable;

// The pyramid picture of the layout, and its size.
inline constexpr const char* kPyramidPicture = "JINZITA";
inline constexpr int kPyramidWidth = 360;
inline constexpr int kPyramidHeight = 455;

}  // namespace cards
