// The constant tables of the imagine-the-animal quiz "发散思维": the 25
// animals with their picture and sound keys, and what the content generator
// draws and speaks for each (the whole animal, the telling part shown as its
// close-up, its call).
#pragma once

#include <array>
#include <string>

namespace games {

constexpr int kImagineAnimals = 25;  // animals 1..25, handled as the texts "1".."25"
constexpr int kImagineShown = 10;    // pictures per group

// Indexed by animal 1..25 (entry 0 unused). "FS" + key names the animal's
// whole picture, and the key is also its sound: "b001".."b025".
extern const std::array<const char*, kImagineAnimals + 1> AnimalKeyTable;
// "FS" + key names the animal's close-up picture: "a001".."a025".
extern const std::array<const char*, kImagineAnimals + 1> ClueKeyTable;

struct ImagineAnimal {
    const char* name;   // 老虎
    const char* emoji;  // drawn as the animal
    const char* call;   // what its sound says: its call, or its name where it has none
    // The close-up: the square of the animal's emoji, as fractions of it,
    // that shows the telling part (left, top, side).
    double left, top, side;
};
// Indexed by animal 1..25 (entry 0 unused).
extern const std::array<ImagineAnimal, kImagineAnimals + 1> kImagineAnimalTable;

}  // namespace games
