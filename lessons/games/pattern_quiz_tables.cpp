// The find-the-rule quizzes: the ABB and ABAB placement tables and the six
// members as rows.
#include "lessons/games/pattern_quiz_tables.h"

namespace games {

namespace {

using G = PatternGroup;

std::vector<std::string> numbered(const std::string& prefix, int first, int last)
{
    std::vector<std::string> names;
    for (int i = first; i <= last; ++i)
        names.push_back(prefix + std::to_string(i));
    return names;
}

// The examples and the question of the picture members.
const std::vector<std::string> kAbbPictureQuestion{"imgb1", "imgb2", "imgb3"};
const std::vector<std::string> kAbabPictureQuestion{"imgb1", "imgb2", "imgb3", "imgb3_1"};

std::vector<PatternMember> build()
{
    std::vector<PatternMember> members;
    members.push_back({
        .className = "TFM_ZhaoGuiLv",
        .rule = PatternRule::ABB,
        .instruction = "请从箭头的右边选择一个数字放到箭头指向的左边，保持和上面的图片同样的ABB的规律",
        .example1 = numbered("lb", 1, 3),
        .example2 = numbered("lb", 4, 6),
        .question = numbered("lb", 7, 9),
        .gapLabels = {"lb9"},
        .thumbs = {"img_ok"},
        .reset = {.hideSquares = true, .questionMark = true},
        .stopBeforeNextGroup = false,
        .silencesSystemSound = true,
    });
    members.push_back({
        .className = "TFM_ZhaoGuLV_Shuiguo",
        .rule = PatternRule::ABB,
        .pictures = true,
        .picturePrefix = "glabbsgt",
        .instruction = "请从箭头的右边选择一种水果放到箭头指向的左边，保持和上面的图片同样的ABB的规律",
        .example1 = numbered("img", 1, 3),
        .example2 = numbered("img", 4, 6),
        .question = kAbbPictureQuestion,
        .gapLabels = {"Lb2"},
        .gapPictures = {"imgb3"},
        .thumbs = {"img_ok"},
        .wrongGapPicture = WrongGapPicture::Keep,
        .reset = {.hideGapPicture = true, .questionMark = true},
    });
    members.push_back({
        .className = "TFM_ZhaoGuilv_DongWu",
        .rule = PatternRule::ABB,
        .pictures = true,
        .picturePrefix = "glabbdwt",
        .instruction = "请从箭头的右边选择一种动物放到箭头指向的左边，保持和上面的图片同样的ABB的规律",
        .example1 = numbered("img", 1, 3),
        .example2 = numbered("img", 4, 6),
        .question = kAbbPictureQuestion,
        .gapLabels = {"lb2"},
        .gapPictures = {"imgb3"},
        .thumbs = {"img_ok"},
        .wrongGapPicture = WrongGapPicture::Hide,
        .resetBeforeWrong = true,
        .reset = {.hideGapPicture = true, .questionMark = true},
    });
    members.push_back({
        .className = "TFM_ZhaoGuiLv_ShuiZi_ABAB",
        .rule = PatternRule::ABAB,
        .instruction = "请从箭头的右边选择一个数字放到箭头指向的左边，保持和上面的图片同样的ABAB的规律",
        .example1 = numbered("lb", 1, 4),
        .example2 = numbered("lb", 5, 8),
        .question = numbered("lb", 9, 12),
        .gapLabels = {"lb11", "lb12"},
        .thumbs = {"img_ok", "img_ok2"},
        .reset = {.hideSquares = true},
    });
    members.push_back({
        .className = "TFM_ZhaoGuiLv_ABAB_ShuiGuo",
        .rule = PatternRule::ABAB,
        .pictures = true,
        .picturePrefix = "glababsgt",
        .instruction = "请从箭头的右边选择一种水果放到箭头指向的左边，保持和上面的图片同样的ABAB的规律",
        .example1 = numbered("img", 1, 4),
        .example2 = numbered("img", 5, 8),
        .question = kAbabPictureQuestion,
        .gapLabels = {"lb11", "lb12"},
        .gapPictures = {"imgb3", "imgb3_1"},
        .thumbs = {"img_ok", "img_ok2"},
        .wrongGapPicture = WrongGapPicture::Empty,
        .reset = {.clearKeys = true},
        .start = PatternStart::ResetBuildThenStart,
    });
    members.push_back({
        .className = "TFM_ZhaoGuiLV_ABAB_Dongwu",
        .rule = PatternRule::ABAB,
        .pictures = true,
        .picturePrefix = "glababdwt",
        .instruction = "请从箭头的右边选择一种动物放到箭头指向的左边，保持和上面的图片同样的ABAB的规律",
        .example1 = numbered("img", 1, 4),
        .example2 = numbered("img", 5, 8),
        .question = kAbabPictureQuestion,
        .gapLabels = {"lb11", "lb12"},
        .gapPictures = {"imgb3", "imgb3_1"},
        .thumbs = {"img_ok", "img_ok2"},
        .wrongGapPicture = WrongGapPicture::EmptyTile,
        .reset = {.clearKeys = true},
        .start = PatternStart::ResetStartThenBuild,
        .instructionReplaysStart = true,
    });
    return members;
}

}  // namespace

// k = 10 .. 1. ABB: A at place 1, B at places 2 and 3; the question's B at
// place 2 is the answer, the gap is place 3.
// clang-format off
const PatternSteps kAbbSteps{{
    {.group = G::Example1, .places = {{{1, 0}}}},
    {.group = G::Example1, .places = {{{2, 3}}}},
    {.group = G::Example2, .places = {{{1, 0}}}},
    {.group = G::Example2, .places = {{{2, 3}}}},
    {.group = G::Question, .places = {{{1, 0}}}},
    {.group = G::Question, .places = {{{2, 0}}}, .answer = true},
    {.group = G::Candidates},
    {.group = G::Candidates},
    {.group = G::Candidates},
    {.group = G::Nothing},
}};
// clang-format on

// ABAB: P at places 1 and 3, Q at 2 and 4. The question reads P Q ? Q
// (GapPosition 0) or Q P Q ? (GapPosition 1); P is the answer.
// clang-format off
const PatternSteps kAbabSteps{{
    {.group = G::Example1, .places = {{{1, 3}, {1, 3}}}},
    {.group = G::Example1, .places = {{{2, 4}, {2, 4}}}},
    {.group = G::Example2, .places = {{{1, 3}, {1, 3}}}},
    {.group = G::Example2, .places = {{{2, 4}, {2, 4}}}},
    {.group = G::Question, .places = {{{1, 0}, {2, 0}}}, .drawsGap = true, .answer = true},
    {.group = G::Question, .places = {{{2, 4}, {1, 3}}}},
    {.group = G::Candidates},
    {.group = G::Candidates},
    {.group = G::Candidates},
    {.group = G::Nothing},
}};
// clang-format on

const PatternSteps& StepsOf(PatternRule rule)
{
    return rule == PatternRule::ABB ? kAbbSteps : kAbabSteps;
}

const std::array<const char*, kPatternValues + 1> kPictureKeyTable{"",    "001", "002", "003", "004", "005",
                                                                   "006", "007", "008", "009", "010"};

const std::array<const char*, kPatternCandidates> kCandidateButtons{"btn_b4", "btn_b5", "btn_b6", "btn_b7"};
const std::array<const char*, kPatternCandidates> kCandidatePictures{"imgb4", "imgb5", "imgb6", "imgb7"};

const char* const kPatternEmptyTile = "glababdwt123";
const char* const kPatternArrow = "guilv_arrow";
const char* const kPatternThumb = "guilv_thumb";
const char* const kPatternHand = "guilv_hand";
const char* const kPatternSquare = "guilv_square";

const std::vector<PatternMember>& PatternMembers()
{
    static const std::vector<PatternMember> members = build();
    return members;
}

const PatternMember* FindPatternMember(const std::string& className)
{
    for (const PatternMember& m : PatternMembers())
        if (m.className == className)
            return &m;
    return nullptr;
}

std::string PatternPicture(const PatternMember& member, int value)
{
    if (value < 1 || value > kPatternValues)
        return {};
    return member.picturePrefix + kPictureKeyTable[static_cast<size_t>(value)];
}

}  // namespace games
