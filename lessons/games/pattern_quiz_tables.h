// The constant tables of the six find-the-rule quizzes (ABB and ABAB, with
// numbers, fruit and animals): where each draw of a question goes, which
// widgets hold the places, gaps and candidates, and the handful of things
// the six members do differently. The screens and the content declarations
// both read them.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace games {

constexpr int kPatternValues = 10;     // a question draws from the values "1".."10"
constexpr int kPatternCandidates = 4;  // btn_b4..btn_b7

enum class PatternRule { ABB, ABAB };

// Where one draw of a question puts its value.
enum class PatternGroup { Example1, Example2, Question, Candidates, Nothing };

// The places (1-based, 0 = unused) one draw fills.
using PatternPlaces = std::array<int, 2>;

struct PatternStep {
    PatternGroup group = PatternGroup::Nothing;
    std::array<PatternPlaces, 2> places{};  // by GapPosition (ABB questions always have GapPosition 0)
    bool drawsGap = false;                  // GapPosition := Random(2) right after this step's draw
    bool answer = false;                    // the value is the answer, first of the candidates
};

// The ten draws of a question, for k = 10, 9, ... 1.
using PatternSteps = std::array<PatternStep, kPatternValues>;
extern const PatternSteps kAbbSteps;
extern const PatternSteps kAbabSteps;
const PatternSteps& StepsOf(PatternRule rule);

// PictureKeyTable[value]: "001".."010" for the values 1..10 (index 0 unused).
extern const std::array<const char*, kPatternValues + 1> kPictureKeyTable;

// What a wrong answer does to the gap picture.
enum class WrongGapPicture {
    None,       // number members have no gap picture
    Keep,       // left as it was (a right answer's picture stays under the "×")
    Hide,       // hidden (by the reset that comes first)
    Empty,      // emptied
    EmptyTile,  // shows the empty tile
};

// How the screen starts.
enum class PatternStart {
    BuildThenStart,       // build, then "st"
    ResetBuildThenStart,  // reset, build, then "st"
    ResetStartThenBuild,  // reset, "st", then build
};

// What ResetPatternQuestion takes back besides the arrow, the thumbs-up and the red hand.
struct PatternReset {
    bool hideSquares = false;     // the orange squares imgb4..imgb7
    bool hideGapPicture = false;  // the gap picture
    bool questionMark = false;    // the gap label shows "?" again
    bool clearKeys = false;       // AnswerKeys and CandidateKeys emptied
};

struct PatternMember {
    std::string className{};
    PatternRule rule = PatternRule::ABB;
    bool pictures = false;        // values show as pictures (prefix + key), else as label captions
    std::string picturePrefix{};  // lower case, as the screen names its pictures
    std::string instruction{};    // Label1's caption, also what "st" says

    // Widget names, places left to right.
    std::vector<std::string> example1{}, example2{}, question{};
    std::vector<std::string> gapLabels{};    // by GapPosition
    std::vector<std::string> gapPictures{};  // by GapPosition; empty for the number members
    std::vector<std::string> thumbs{};       // the thumbs-up above each gap, by GapPosition

    WrongGapPicture wrongGapPicture = WrongGapPicture::None;
    bool resetBeforeWrong = false;  // a wrong answer first takes back the last one
    PatternReset reset;
    PatternStart start = PatternStart::BuildThenStart;
    bool stopBeforeNextGroup = true;       // "下一组" stops the sound itself (else the player's stop does)
    bool silencesSystemSound = false;      // the stopper also silences the system sound player
    bool instructionReplaysStart = false;  // a click on Label1 plays "st" again
};

// The six members, in menu order.
const std::vector<PatternMember>& PatternMembers();
// The member of a class, or nullptr.
const PatternMember* FindPatternMember(const std::string& className);

// The picture of a value (1..10) for a picture member: prefix + key.
std::string PatternPicture(const PatternMember& member, int value);

// The candidate buttons and the pictures (or orange squares) under them.
extern const std::array<const char*, kPatternCandidates> kCandidateButtons;
extern const std::array<const char*, kPatternCandidates> kCandidatePictures;

// Fixed names of the layouts and the empty tile of the animal ABAB member.
extern const char* const kPatternEmptyTile;
extern const char* const kPatternArrow;
extern const char* const kPatternThumb;
extern const char* const kPatternHand;
extern const char* const kPatternSquare;

}  // namespace games
