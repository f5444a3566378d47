// Things known by their sound (闻声识物): two pages of ten whose cards play the
// thing's own sound; every card click and page change stops the sound first.
#pragma once

#include "lessons/cards/picture_card_lesson.h"

class TFM_VoiceOfAnimal : public cards::PictureCardLesson {
public:
    TFM_VoiceOfAnimal();
};
