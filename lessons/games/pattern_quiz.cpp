// The find-the-rule screen: a question drawn by the member's placement
// table, the candidate check and its feedback, the reset, "下一组", and the
// member's own player and stopper.
#include "lessons/games/pattern_quiz.h"

#include "lesson_frame/layout_widget.h"

#include "lesson_frame/random_draws.h"
#include "platform/platform.h"
#include "platform/random.h"

#include <QEvent>
#include <QMouseEvent>

#include <stdexcept>

namespace games {

namespace {

template <class T>
std::vector<T*> namedChildren(QWidget* screen, const std::vector<std::string>& names)
{
    std::vector<T*> widgets;
    for (const std::string& name : names)
        widgets.push_back(frame::LayoutWidget<T>(screen, name));
    return widgets;
}

// The place of the value that the question shows as the answer (the one the
// gap repeats), by GapPosition.
int answerPlace(PatternRule rule, int gapPosition)
{
    for (const PatternStep& step : StepsOf(rule))
        if (step.answer)
            return step.places[static_cast<size_t>(gapPosition)][0];
    return 0;
}

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace

PatternQuiz::Layout PatternQuiz::buildLayout(QWidget* screen, const PatternMember& m, void (*setupLayout)(QWidget*))
{
    setupLayout(screen);
    Layout l;
    const auto places = [&](const std::vector<std::string>& names) {
        std::vector<QWidget*> widgets;
        for (const std::string& name : names)
            widgets.push_back(m.pictures ? static_cast<QWidget*>(frame::LayoutWidget<platform::TImage>(screen, name))
                                         : frame::LayoutWidget<platform::TLabel>(screen, name));
        return widgets;
    };
    l.example1 = places(m.example1);
    l.example2 = places(m.example2);
    l.question = places(m.question);
    l.gapLabels = namedChildren<platform::TLabel>(screen, m.gapLabels);
    l.gapPictures = namedChildren<platform::TImage>(screen, m.gapPictures);
    l.thumbs = namedChildren<QWidget>(screen, m.thumbs);
    for (size_t i = 0; i < kPatternCandidates; ++i) {
        l.buttons[i] = frame::LayoutWidget<platform::TSpeedButton>(screen, kCandidateButtons[i]);
        l.candidatePictures[i] = frame::LayoutWidget<platform::TImage>(screen, kCandidatePictures[i]);
    }
    l.arrow = frame::LayoutWidget<QWidget>(screen, "img_jian");
    l.redHand = frame::LayoutWidget<QWidget>(screen, "img_jian2");
    l.instruction = frame::LayoutWidget<platform::TLabel>(screen, "Label1");
    l.nextGroup = frame::LayoutWidget<platform::TSpeedButton>(screen, "btn_once");
    l.back = frame::LayoutWidget<platform::TSpeedButton>(screen, "btn_backlasmenu");
    return l;
}

PatternQuiz::PatternQuiz(const PatternMember& member, void (*setupLayout)(QWidget*))
    : LessonScreen(frame::ScreenSettings(member.className)),
      member_(member),
      ui_(buildLayout(this, member, setupLayout)),
      squares_(member.pictures ? std::vector<QWidget*>{}
                               : std::vector<QWidget*>(ui_.candidatePictures.begin(), ui_.candidatePictures.end()))
{
    for (int j = 0; j < kPatternCandidates; ++j)
        frame::OnClick(ui_.buttons[static_cast<size_t>(j)], [this, j] { CheckCandidate(j); });
    frame::OnClick(ui_.nextGroup, [this] { NextGroupClick(); });
    frame::OnClick(ui_.back, [this] { BackClick(); });
    if (member_.instructionReplaysStart)
        ui_.instruction->installEventFilter(this);
}

void PatternQuiz::FormCreate()
{
    SetMediaFolder();
    switch (member_.start) {
    case PatternStart::BuildThenStart:
        BuildPatternQuestion();
        PlayQuizSound("st");
        break;
    case PatternStart::ResetBuildThenStart:
        ResetPatternQuestion();
        BuildPatternQuestion();
        PlayQuizSound("st");
        break;
    case PatternStart::ResetStartThenBuild:
        ResetPatternQuestion();
        PlayQuizSound("st");
        BuildPatternQuestion();
        break;
    }
}

void PatternQuiz::PlayQuizSound(const std::string& name)
{
    StopQuizSoundIfCurrent();
    PlayLessonSound(name);
}

void PatternQuiz::StopQuizSoundIfCurrent()
{
    if (!CurrentSoundAlias.empty())
        StopQuizSound();
}

void PatternQuiz::StopQuizSound()
{
    StopLessonSound();
    if (member_.silencesSystemSound)
        platform::current().playSoundNone();
}

void PatternQuiz::place(PatternGroup group, int place, const std::string& value)
{
    const std::vector<QWidget*>& widgets = group == PatternGroup::Example1   ? ui_.example1
                                           : group == PatternGroup::Example2 ? ui_.example2
                                                                             : ui_.question;
    QWidget* w = widgets.at(static_cast<size_t>(place - 1));
    if (member_.pictures)
        LoadNamedPicture(static_cast<platform::TImage*>(w), PatternPicture(member_, std::stoi(value)));
    else
        static_cast<platform::TLabel*>(w)->setText(text(value));
}

void PatternQuiz::openGap()
{
    const auto gap = static_cast<size_t>(GapPosition);
    ui_.gapLabels.at(gap)->setText(QStringLiteral("?"));
    if (member_.pictures) {
        ui_.gapLabels.at(1 - gap)->setText(QString());
        ui_.gapPictures.at(gap)->clearPicture();
    }
}

void PatternQuiz::BuildPatternQuestion()
{
    frame::Guarded([this] {
        platform::Randomize();
        if (member_.pictures && !member_.reset.clearKeys) {
            AnswerKey = {};
            CandidateKey = {};
        }
        ui_.thumbs.at(0)->hide();
        const platform::TStrings pool = frame::NumberPool(kPatternValues);
        platform::TStrings values = pool;
        platform::TStrings candidates;
        for (const PatternStep& step : StepsOf(member_.rule)) {
            const std::string v = frame::DrawWithoutReplacement(values);
            if (step.drawsGap)
                GapPosition = platform::Random(2);
            for (int p : step.places[static_cast<size_t>(GapPosition)])
                if (p > 0)
                    place(step.group, p, v);
            if (step.drawsGap)
                openGap();
            if (step.answer && member_.pictures)
                AnswerKey[static_cast<size_t>(GapPosition)] = v;
            if (step.answer || step.group == PatternGroup::Candidates)
                candidates.Add(v);
        }
        dealCandidates(candidates);
    });
}

void PatternQuiz::dealCandidates(platform::TStrings candidates)
{
    for (size_t j = 0; j < kPatternCandidates; ++j) {
        const std::string c = frame::DrawWithoutReplacement(candidates);
        if (member_.pictures) {
            LoadNamedPicture(ui_.candidatePictures[j], PatternPicture(member_, std::stoi(c)));
            CandidateKey[j] = c;
        } else {
            ui_.buttons[j]->setText(text(c));
        }
    }
}

void PatternQuiz::ResetPatternQuestion()
{
    ui_.arrow->show();
    ui_.redHand->hide();
    for (QWidget* thumb : ui_.thumbs)
        thumb->hide();
    if (member_.reset.hideSquares)
        for (platform::TImage* square : ui_.candidatePictures)
            square->hide();
    if (member_.reset.hideGapPicture)
        ui_.gapPictures.at(0)->hide();
    if (member_.reset.questionMark)
        ui_.gapLabels.at(0)->setText(QStringLiteral("?"));
    if (member_.reset.clearKeys) {
        AnswerKey = {};
        CandidateKey = {};
    }
}

void PatternQuiz::CheckCandidate(int candidate)
{
    frame::Guarded([this, candidate] {
        const auto j = static_cast<size_t>(candidate);
        if (!member_.pictures)
            squares_.Show(candidate);
        bool right = false;
        if (member_.pictures) {
            // A candidate whose picture never loaded holds no key and is never right.
            const std::string& key = CandidateKey[j];
            right = !key.empty() && key == AnswerKey[static_cast<size_t>(GapPosition)];
        } else {
            const QWidget* answer = ui_.question.at(static_cast<size_t>(answerPlace(member_.rule, GapPosition) - 1));
            right = ui_.buttons[j]->text() == static_cast<const platform::TLabel*>(answer)->text();
        }
        if (right)
            showRight(candidate);
        else
            showWrong();
        // Drawn now: the pause between the sounds blocks the window.
        repaint();
        AnswerFeedback(right, std::string(), FeedbackSounds{},
                       [this](const std::string& name) { PlayQuizSound(name); });
    });
}

void PatternQuiz::showRight(int candidate)
{
    const auto gap = static_cast<size_t>(GapPosition);
    const auto j = static_cast<size_t>(candidate);
    if (member_.pictures) {
        platform::TImage* gapPicture = ui_.gapPictures.at(gap);
        LoadNamedPicture(gapPicture, PatternPicture(member_, std::stoi(CandidateKey[j])));
        gapPicture->show();
        ui_.gapLabels.at(gap)->setText(QString());
    } else {
        ui_.gapLabels.at(gap)->setText(ui_.buttons[j]->text());
    }
    ui_.thumbs.at(gap)->show();
    ui_.arrow->hide();
    ui_.redHand->show();
}

void PatternQuiz::showWrong()
{
    if (member_.resetBeforeWrong)
        ResetPatternQuestion();
    const auto gap = static_cast<size_t>(GapPosition);
    ui_.thumbs.at(gap)->hide();
    ui_.redHand->hide();
    ui_.gapLabels.at(gap)->setText(QString::fromUtf8(kWrongMark));
    ui_.arrow->show();
    switch (member_.wrongGapPicture) {
    case WrongGapPicture::Empty:
        ui_.gapPictures.at(gap)->clearPicture();
        break;
    case WrongGapPicture::EmptyTile:
        LoadNamedPicture(ui_.gapPictures.at(gap), kPatternEmptyTile);
        break;
    case WrongGapPicture::None:
    case WrongGapPicture::Keep:
    case WrongGapPicture::Hide:  // hidden by the reset above
        break;
    }
}

void PatternQuiz::NextGroupClick()
{
    if (member_.stopBeforeNextGroup)
        StopQuizSoundIfCurrent();
    ResetPatternQuestion();
    BuildPatternQuestion();
    // The kid sees the new question before "n_g" is heard.
    repaint();
    PlayQuizSound("n_g");
}

void PatternQuiz::Label1Click()
{
    PlayQuizSound("st");
}

void PatternQuiz::BackClick()
{
    StopQuizSoundIfCurrent();
    Close();
}

bool PatternQuiz::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_.instruction && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && ui_.instruction->rect().contains(mouse->position().toPoint())) {
            frame::ScreenScope scope(member_.className);
            frame::Guarded([this] { Label1Click(); });
        }
        return true;
    }
    return LessonScreen::eventFilter(watched, event);
}

}  // namespace games
