// What the find-the-rule tests share: the six lessons as the kid sees them,
// written out from their description rather than taken from the program's
// tables; the question a seed must give, drawn by hand; and a fixture that
// opens a lesson on the recording platform and reads the question off it.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "tests/games/quiz_platform.h"
#include "tests/support/lesson_fixture.h"
#include "tests/support/recording_platform.h"
#include "tests/support/reference_random.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

#include <QColor>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace pattern_test {

enum class Rule { ABB, ABAB };
// What a wrong answer leaves in the gap picture.
enum class WrongGap { None, Keep, Hide, Empty, EmptyTile };

struct Lesson {
    std::string className{};
    std::string folder{};  // below the program folder
    Rule rule{};
    bool pictures{};
    std::string prefix{};  // picture family, upper case
    std::vector<std::string> ex1{}, ex2{}, question{};
    std::vector<std::string> gapLabels{};    // by gap position
    std::vector<std::string> gapPictures{};  // by gap position
    std::string instruction{};
    QColor gapColour{};
    std::string openingMark{};
    bool handAtStart = false;
    WrongGap wrongGap = WrongGap::None;
    bool silencesSystemSound = false;  // its stopper also calls PlaySound(nil)
    bool replaysStart = false;         // a click on the instruction plays "st"
    bool startsBeforeBuilding = false;
    int places() const { return rule == Rule::ABB ? 3 : 4; }
};

const std::vector<const Lesson*>& AllLessons();
// A family picture's name: prefix and the value in three digits ("GLABBSGT007").
std::string FamilyPicture(const std::string& prefix, int value);
const Lesson& NumberAbb();
const Lesson& FruitAbb();
const Lesson& AnimalAbb();
const Lesson& NumberAbab();
const Lesson& FruitAbab();
const Lesson& AnimalAbab();

inline const std::array<std::string, 4> kButtons{"btn_b4", "btn_b5", "btn_b6", "btn_b7"};
inline const std::array<std::string, 4> kSquares{"imgb4", "imgb5", "imgb6", "imgb7"};

// A question as it should be shown: values "1".."10", "?" at the gap.
struct Question {
    std::vector<std::string> ex1, ex2, question;
    std::array<std::string, 4> candidates;  // on btn_b4..btn_b7
    std::string answer;
    int gapPosition = 0;  // 0: the gap is place 3, 1: place 4
    int gapPlace() const { return gapPosition == 0 ? 3 : 4; }
    int rightCandidate() const;  // 0..3
};

// The question of a build reseeded with seed, drawn by hand from the rules.
Question ExpectedQuestion(Rule rule, uint32_t seed);
// How many values a build takes from the generator.
int DrawsPerQuestion(Rule rule);
// The first seed at or after `from` whose question has answer `answer`.
uint32_t SeedWithAnswer(Rule rule, const std::string& answer, uint32_t from = 1);

using games_test::kRandomizeLine;

// One lesson screen on the recording platform with fake pictures.
class QuizFixture : public testing_support::LessonFixtureBase<games_test::QuizPlatform> {
public:
    QuizFixture();
    void open(const Lesson& l, uint32_t seed);

    std::string folder() const { return media.programFolder() + lesson->folder; }
    // The stop of the lesson's own stopper.
    std::vector<std::string> stop(const std::string& alias) const;

    bool click(const std::string& name) { return testing_support::Click(screen.get(), name); }
    bool shows(const std::string& name) const;
    // The value a place shows: a label's text, or the number of the family
    // picture an image shows ("" for none, "tile" for the empty tile).
    std::string value(const std::string& name) const;
    // The question on screen, the gap as "?" (a picture gap shows no picture
    // and its label "?").
    Question shown() const;
    // The picture names an image may show, as the screen names them.
    std::string picture(int value) const;

    const Lesson* lesson = nullptr;
};

}  // namespace pattern_test
