// The body-parts lesson's table: each part's code with its Chinese button,
// English button, picture and marker (the Chinese buttons' names do not
// follow the codes).
#include "lessons/soundboards/sound_grids_tables.h"

namespace soundboards {

// clang-format off
const std::array<BodyPart, 6> kBodyParts = {{
    {.code = 1, .chineseButton = "btn_4", .chinese = "头发", .englishButton = "SpeedButton1", .english = "Hair",
     .picture = "Image5", .marker = "img1", .drawing = "hair"},
    {.code = 2, .chineseButton = "btn_2", .chinese = "耳朵", .englishButton = "SpeedButton2", .english = "Ear",
     .picture = "Image6", .marker = "img3", .drawing = "ear"},
    {.code = 3, .chineseButton = "btn_3", .chinese = "鼻子", .englishButton = "SpeedButton3", .english = "Nose",
     .picture = "Image3", .marker = "img4", .drawing = "nose"},
    {.code = 4, .chineseButton = "btn_1", .chinese = "眉毛", .englishButton = "SpeedButton4", .english = "Eyebrow",
     .picture = "Image7", .marker = "img2", .drawing = "eyebrow"},
    {.code = 5, .chineseButton = "btn_5", .chinese = "眼睛", .englishButton = "SpeedButton5", .english = "Eye",
     .picture = "Image4", .marker = "img5", .drawing = "eye"},
    {.code = 6, .chineseButton = "btn_6", .chinese = "嘴巴", .englishButton = "SpeedButton6", .english = "Mouth",
     .picture = "Image8", .marker = "img6", .drawing = "mouth"},
}};
// clang-format on

}  // namespace soundboards
