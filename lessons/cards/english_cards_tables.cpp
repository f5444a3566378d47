// The cards of the two English lessons: the fruit and the animals of their
// Chinese twins in the same order, so each card shows its twin's motif.
#include "lessons/cards/card_tables.h"

namespace cards {

namespace {

// clang-format off
const CardEntry kEnglishFruit[] = {
    {"001", "Apple"}, {"002", "Banana"}, {"003", "Grape"}, {"004", "Watermelon"}, {"005", "Strawberry"},
    {"006", "Plum"}, {"007", "Orange"}, {"008", "Peach"}, {"009", "Mango"}, {"010", "Jujube"},
    {"011", "Red bayberry"}, {"012", "Cherry"}, {"013", "Hami melon"}, {"014", "Longan"}, {"015", "Lichee"},
    {"016", "Kiwi fruit"}, {"017", "Pomegranate"}, {"018", "Persimmon"}, {"019", "Pomelo"}, {"020", "Durian"},
    {"021", "Lemon"}, {"022", "Loquat"}, {"023", "Kumquat"}, {"024", "Pear"}, {"025", "Pineapple"},
    {"026", "Olive"}, {"027", "Dragon fruit"}, {"028", "Hawthorn"}, {"029", "Coconut"}, {"030", "Carambola"},
};
// clang-format on

// clang-format off
const CardEntry kEnglishAnimals[] = {
    {"001", "Chicken"}, {"002", "Duck"}, {"003", "Sheep", "🐑"}, {"004", "Cat"}, {"005", "Dog"},
    {"006", "Cattle"}, {"007", "Pig"}, {"008", "Mouse"}, {"009", "Rabbit"}, {"010", "Goose"},
    {"011", "Lion"}, {"012", "Elephant"}, {"013", "Rhinoceros"}, {"014", "Leopard"}, {"015", "Bear"},
    {"016", "Red Panda"}, {"017", "Panda"}, {"018", "Tiger"}, {"019", "Zebra"}, {"020", "Deer"},
    {"021", "Wolf"}, {"022", "Fox"}, {"023", "Horse"}, {"024", "Ant"}, {"025", "Snail"},
    {"026", "Camel"}, {"027", "Kangaroo"}, {"028", "Ostrich"}, {"029", "Mantis"}, {"030", "Cockroach"},
    {"031", "Giraffe"}, {"032", "Pangolin"}, {"033", "Centipede"}, {"034", "Scorpion"}, {"035", "Lizard"},
    {"036", "Chameleon"}, {"037", "Peafowl"}, {"038", "Orangutan"}, {"039", "Gecko"}, {"040", "Dinosaur"},
    {"041", "Monkey"}, {"042", "Squirrel"}, {"043", "Spider"}, {"044", "Locust"}, {"045", "Earthworm"},
    {"046", "Snake"}, {"047", "Fish"}, {"048", "Goldfish"}, {"049", "Dolphin"}, {"050", "Whale"},
    {"051", "Eel"}, {"052", "Loach"}, {"053", "Crab"}, {"054", "Cray"}, {"055", "Tortoise"},
    {"056", "Soft-shelled turtle"}, {"057", "Cayman"}, {"058", "Platypus"}, {"059", "Hippo"}, {"060", "Penguin"},
    {"061", "Shark"}, {"062", "Sea lion"}, {"063", "Sea horse"}, {"064", "Starfish"}, {"065", "Cuttlefish"},
    {"066", "Jellyfish"}, {"067", "Octopus"}, {"068", "Moray"}, {"069", "Coccinella septempunctata"}, {"070", "Scarab"},
    {"071", "Cicada"}, {"072", "Frog"}, {"073", "Longicorn"}, {"074", "Owl"}, {"075", "Crow"},
    {"076", "Swallow"}, {"077", "Sparrow"}, {"078", "butterfly"}, {"079", "Dragonfly"}, {"080", "Caterpillar"},
};
// clang-format on

}  // namespace

const CardFamily kEnglishFruitCards{.className = "TFM_SeeFruit_YW",
                                    .prefix = "shuiguot",
                                    .slotsPerPage = 10,
                                    .cards = kEnglishFruit,
                                    .english = true,
                                    .twin = &kFruitCards};
const CardFamily kEnglishAnimalCards{.className = "TFM_SeeLandAnimal_YW",
                                     .prefix = "dwywt",
                                     .slotsPerPage = 10,
                                     .cards = kEnglishAnimals,
                                     .english = true,
                                     .twin = &kAnimalCards};

}  // namespace cards
