// Pictures and sounds of the calculator pads and the number-combination
// boards, from their member tables.
#include "platform/colours.h"
#include "lessons/soundboards/calculator_pad_tables.h"
#include "lessons/soundboards/number_combinations_tables.h"
#include "lessons/soundboards/soundboards.h"
#include "lessons/soundboards/spoken_numbers.h"
#include "platform/strings.h"
#include "resources/menu_catalogue.h"

#include <array>
#include <string>
#include <tuple>

namespace soundboards {

namespace {

using content::Format;
using content::Manifest;
using content::Picture;

constexpr uint32_t kBarColour = platform::kMoneyGreen;  // around the key faces
constexpr uint32_t kMarkerBehind = 0xC4EBD2;  // near the lesson area behind a marker or a connector, drawn transparent

void addKey(Manifest& m, const std::string& name, const std::string& sign, uint32_t colour)
{
    Picture& key = m.picture(name, 100, 90, "padkey");
    key.text = sign;
    key.colour = colour;
    key.background = kBarColour;
}

void addPadPictures(Manifest& m)
{
    m.picture("PAD_DISPLAY", 480, 169, "paddisplay").colour = 0xE8F5C8;
    // One plain face for the nine digit keys: each key's button writes its digit.
    addKey(m, "PAD_KEY", "", 0xFFF3B0);
    addKey(m, "PAD_MINUS", "−", 0xFFB74D);
    addKey(m, "PAD_PLUS", "+", 0xFFB74D);
    addKey(m, "PAD_EQUALS", "=", 0x81D4FA);
    addKey(m, "PAD_CLEAR", "C", 0xEF9A9A);
    // One colour of counter per grid: first operand, second operand, result.
    constexpr uint32_t kCounters[] = {0xE53935, 0x1E88E5, 0x43A047};
    for (int g = 1; g <= padboard::kPadGrids; ++g) {
        Picture& counter = m.picture("PAD_COUNTER" + std::to_string(g), 45, 45, "counter");
        counter.colour = kCounters[g - 1];
        counter.background = kBarColour;
    }
}

void addPad(Manifest& m, const padboard::PadMember& pad)
{
    m.screens.push_back(pad.className);
    const std::string folder = catalogue::FindLessonEntry(pad.className)->folder;
    m.sound(folder, "st", pad.startSay);
    for (int i = 0; i < pad.resultSounds; ++i)
        m.sound(folder, padboard::ResultSound(pad, i), kSpokenNumbers[static_cast<size_t>(i)]);
    m.sound(folder, pad.operatorSound, pad.operatorSay);
    m.sound(folder, "dy", "等于");
    m.sound(folder, "qling", "清零");
}

void addBoardPictures(Manifest& m)
{
    for (const auto& [name, width, height] : {std::tuple{"ZUHE_LINK", 80, 7}, {"ZUHE_LINK_WIDE", 105, 9}}) {
        Picture& link = m.picture(name, width, height, "connector");
        link.format = Format::Gif;
        link.colour = 0xFF8F00;
        link.background = kMarkerBehind;
        link.param = "10";
    }
    Picture& marker = m.picture("ZUHE_MARKER", 75, 75, "star");
    marker.colour = 0xFFC107;
    marker.background = kMarkerBehind;
    Picture& key = m.picture("ZUHE_KEY", 160, 75, "button");
    key.colour = 0x90CAF9;
    key.background = kBarColour;
}

void addBoard(Manifest& m, const padboard::BoardMember& board)
{
    m.screens.push_back(board.className);
    m.sound(board.folder, "st",
            std::string("数字组合") + kSpokenNumbers[static_cast<size_t>(board.n)] + "。点一点数字，听一听，" +
                kSpokenNumbers[static_cast<size_t>(board.n)] + "可以分成哪两个数。");
    for (int i = 0; i <= board.n; ++i)
        m.sound(board.folder, platform::ThreeDigits(i), kSpokenNumbers[static_cast<size_t>(i)]);
    m.sound(board.folder, board.ascendingSound, "正序");
    m.sound(board.folder, board.descendingSound, "倒序");
}

}  // namespace

void addPadAndBoardContent(Manifest& m)
{
    addPadPictures(m);
    for (const padboard::PadMember& pad : padboard::kPadMembers)
        addPad(m, pad);
    addBoardPictures(m);
    for (const padboard::BoardMember& board : padboard::kBoardMembers)
        addBoard(m, board);
}

}  // namespace soundboards
