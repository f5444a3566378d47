// The paged and single-page card lessons: each member is its card table and
// the ways in which it differs from the others.
#include "lesson_frame/lesson_registry.h"
#include "lessons/cards/cards.h"
#include "lessons/cards/picture_card_lesson.h"
#include "lessons/cards/single_page_card_lesson.h"

namespace cards {

namespace {

struct PagedCardMember {
    const CardFamily& cards;
    PagedCardVariant variant;
};

// Built by a call: GCC 12 zeroes array elements whose nested designated
// initialisers leave vector members to their defaults.
PagedCardMember Paged(const CardFamily& cards, PagedCardVariant variant)
{
    return {cards, std::move(variant)};
}

// clang-format off
const PagedCardMember kPagedCardMembers[] = {
    Paged(kAnimalCards, {.startSound = StartSound::Last, .renames = {{"img5", "Img5"}}}),
    Paged(kFruitCards, {.maximise = false, .pictureClicks = {2, 5, 9}}),
    Paged(kVegetableCards, {.loader = Loader::EmptySlots,
      .cardStop = frame::StopRule::Always,
      .renames = {{"img1", "imga1"}, {"img2", "imga2"}, {"img3", "imga3"}, {"img4", "imga4"}, {"img5", "imga5"}}}),
    Paged(kVehicleCards, {.loader = Loader::EmptySlots, .labelsSizeToText = true}),
    Paged(kApplianceCards, {}),
    Paged(kDailyArticleCards, {.startSound = StartSound::Last, .loader = Loader::EmptySlots}),
    Paged(kSymbolCards, {.startSound = StartSound::Last,
      .loader = Loader::EmptySlots,
      .renames = {{"btn_a1", "bt_a1"}, {"btn_a2", "bt_a2"}, {"LB_a1", "lb_a1"}, {"imgb1", "img6"},
                  {"imgb2", "img7"}, {"imgb3", "img8"}, {"imgb4", "img9"}, {"imgb5", "img10"}}}),
    Paged(kFlagCards, {.loader = Loader::PictureOnly, .layout = CardLayout::EightFlags}),
    Paged(kFlowerCards, {.loader = Loader::EmptySlots}),
    Paged(kSoundCards, {.cardStop = frame::StopRule::Always, .pageButtonsStopFirst = true, .bottomBarHeight = 118}),
    Paged(kEnglishFruitCards, {.startSound = StartSound::Last, .loader = Loader::EmptySlots, .captionPixelSize = 24}),
    Paged(kEnglishAnimalCards, {.startSound = StartSound::Last,
      .renames = {{"img5", "Img5"}},
      .captionPixelSize = 24,
      .twoLineLabels = {"LB_b1", "LB_b4"}}),
};
// clang-format on

struct SinglePageMember {
    const SingleCardTable& cards;
    SinglePageVariant variant;
};

SinglePageMember Single(const SingleCardTable& cards, SinglePageVariant variant)
{
    return {cards, variant};
}

// clang-format off
const SinglePageMember kSinglePageMembers[] = {
    Single(kColourCards, {.layout = SingleLayout::Colours, .stop = frame::StopRule::Always, .labelsInCardColour = true}),
    Single(kShapeCards, {.layout = SingleLayout::Shapes}),
    Single(kShipCards, {.layout = SingleLayout::Ships}),
};
// clang-format on

}  // namespace

void RegisterPagedCardLessons()
{
    for (const PagedCardMember& member : kPagedCardMembers)
        frame::RegisterLesson(member.cards.className,
                              [&member] { return new PictureCardLesson(member.cards, member.variant); });
    for (const SinglePageMember& member : kSinglePageMembers)
        frame::RegisterLesson(member.cards.className,
                              [&member] { return new SinglePageCardLesson(member.cards, member.variant); });
}

}  // namespace cards
