// What the poems and riddles tests share: the recitations' sound grid as the
// screen must play it, and a fixture that opens either lesson on the
// recording platform with stand-in pictures.
#pragma once

#include "lesson_frame/lesson_registry.h"
#include "lesson_frame/lesson_screen.h"
#include "lessons/soundboards/soundboards.h"
#include "tests/support/lesson_fixture.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace poems_test {

// The title buttons by slot: down the left column, then down the right.
inline constexpr std::array<const char*, 8> kButtonsBySlot = {"btn_a1", "btn_b1", "btn_c1", "btn_d1",
                                                              "btn_a2", "btn_b2", "btn_c2", "btn_d2"};

// The recitation of each page's buttons, row by row: a1 a2 b1 b2 c1 c2 d1 d2.
// clang-format off
inline constexpr const char* kSoundGrid[9][8] = {
    {"001", "002", "004", "005", "027", "008", "010", "031"},
    {"066", "014", "024", "003", "019", "048", "022", "023"},
    {"025", "026", "028", "029", "011", "032", "034", "035"},
    {"037", "038", "040", "041", "043", "044", "046", "047"},
    {"049", "050", "052", "053", "055", "056", "058", "059"},
    {"061", "062", "064", "065", "067", "068", "070", "071"},
    {"017", "039", "006", "042", "009", "045", "012", "020"},
    {"015", "051", "018", "054", "021", "057", "016", "060"},
    {"007", "063", "030", "013", "033", "069", "036", "072"},
};
// clang-format on

// The grid's entry for a slot (0 to 7 down the left column first).
inline std::string ExpectedSound(int page, int slot)
{
    const int row = slot % 4, column = slot / 4;
    return kSoundGrid[page][row * 2 + column];
}

// One lesson screen on the recording platform, its media folders in a
// temporary program folder.
class LessonFixture : public testing_support::LessonFixtureBase<> {
public:
    LessonFixture()
    {
        soundboards::RegisterPoemAndRiddleLessons();
        pictures.addFamily("CMY", 1, 30, 150, 150);
    }

    bool click(const std::string& name) { return testing_support::Click(screen.get(), name); }
    bool enabled(const std::string& name) const
    {
        QWidget* w = testing_support::Find(screen.get(), name);
        return w && w->isEnabled();
    }
};

}  // namespace poems_test
