// The find-the-rule quiz: a rule shown twice as an example and once with a
// gap; the kid picks the candidate that belongs in the gap. The six members
// (ABB and ABAB, with numbers, fruit and animals) are this one screen driven
// by their rows of the member table.
#pragma once

#include "lesson_frame/lesson_screen.h"
#include "lessons/games/game_vocabulary.h"
#include "lessons/games/pattern_quiz_tables.h"
#include "platform/strings.h"

#include <array>
#include <string>

namespace games {

class PatternQuiz : public frame::LessonScreen {
    Q_OBJECT
public:
    // setupLayout builds the member's own layout on the screen.
    PatternQuiz(const PatternMember& member, void (*setupLayout)(QWidget*));

    int GapPosition = 0;                                       // ABAB: 0 puts the gap at place 3, 1 at place 4
    std::array<std::string, 2> AnswerKey;                      // picture members: the answer by GapPosition
    std::array<std::string, kPatternCandidates> CandidateKey;  // picture members: the value on btn_b4..btn_b7
    const PatternMember& Member() const { return member_; }

    // Draws a new question (reseeding first) and shows it.
    void BuildPatternQuestion();
    // Takes back the marks of the last answer.
    void ResetPatternQuestion();

protected:
    void FormCreate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Layout {
        std::vector<QWidget*> example1, example2, question;
        std::vector<platform::TLabel*> gapLabels;
        std::vector<platform::TImage*> gapPictures;
        std::vector<QWidget*> thumbs;
        std::array<platform::TSpeedButton*, kPatternCandidates> buttons{};
        std::array<platform::TImage*, kPatternCandidates> candidatePictures{};
        QWidget* arrow = nullptr;    // img_jian
        QWidget* redHand = nullptr;  // img_jian2
        platform::TLabel* instruction = nullptr;
        platform::TSpeedButton* nextGroup = nullptr;
        platform::TSpeedButton* back = nullptr;
    };
    static Layout buildLayout(QWidget* screen, const PatternMember& member, void (*setupLayout)(QWidget*));

    // Puts a value on the place (1-based) of a group.
    void place(PatternGroup group, int place, const std::string& value);
    void openGap();
    void dealCandidates(platform::TStrings candidates);
    void CheckCandidate(int candidate);
    void showRight(int candidate);
    void showWrong();
    // "下一组": [stop,] reset, build, then "n_g" once the new question is drawn.
    void NextGroupClick();
    void Label1Click();
    void BackClick();

    // The member's player and stopper (the number ABB one also silences the system sound player).
    void PlayQuizSound(const std::string& name);
    void StopQuizSound();
    void StopQuizSoundIfCurrent();  // only when a sound is current

    const PatternMember& member_;
    Layout ui_;
    SelectionMarker squares_;
};

}  // namespace games
