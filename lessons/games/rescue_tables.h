// The constant tables of the rescue-code typing game "解救动物": the ten
// animals with their picture and sound keys, the on-screen keyboard (each
// key's widget, caption, sound and key picture), and the names of the
// pictures the screen shows.
#pragma once

#include <array>
#include <string>

namespace games {

constexpr int kRescueAnimals = 10;  // animals 1..10, handled as the texts "1".."10"
constexpr int kRescueCodeLength = 6;

// Indexed 1..30 (entry 0 unused): "001".."030"; the game uses 1..10.
extern const std::array<const char*, 31> RescueKeyTable;

struct RescueAnimal {
    const char* name;   // 小猫
    const char* emoji;  // drawn as the animal
    const char* trap;   // what holds it: "bars" (a cage) or "net"
};
// Indexed by animal 1..10 (entry 0 unused).
extern const std::array<RescueAnimal, kRescueAnimals + 1> kRescueAnimalTable;

// One character key of the on-screen keyboard.
struct RescueKey {
    const char* button;   // the key's widget
    const char* caption;  // the character it types
    const char* sound;    // what it says
    const char* face;     // the key picture under it
};
// The 36 character keys in key order: 1..9, 0, then the letter rows.
extern const std::array<RescueKey, 36> kRescueKeys;

// Pictures of the screen.
inline constexpr const char* kRescueFreedPrefix = "PSWT";          // + key: the animal free
inline constexpr const char* kRescueKeyFace = "PSWTback";          // a character key
inline constexpr const char* kRescueBackFace = "PSWTback_H";       // "后退"
inline constexpr const char* kRescueEnterFace = "PSWTback_enter";  // "确定"
inline constexpr const char* kRescueStartBubble = "PSWT_START";    // the start button, bearing 开始
inline constexpr const char* kRescueHand = "PSWT_HAND";            // the small red hand

}  // namespace games
