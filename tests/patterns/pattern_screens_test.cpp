// The find-the-rule screens as a kid meets them: the state and sounds at
// creation, the look the layouts give (captions, colours, sizes), a visit
// through the menu's launcher, and the screens rendered with the program's
// own pictures before and after a right answer.
#include "lesson_frame/lesson_registry.h"
#include "lessons/games/games.h"
#include "resources/menu_catalogue.h"
#include "platform/widgets.h"
#include "tests/patterns/pattern_harness.h"

using namespace pattern_test;
using testing_support::FindAs;
using testing_support::Steps;

namespace {

class Creation : public ::testing::TestWithParam<const Lesson*>, public QuizFixture {};

TEST_P(Creation, BuildsTheFirstQuestionAndPlaysTheInstruction)
{
    const Lesson& l = *GetParam();
    rec.logSeeds = true;
    open(l, 21);
    const std::vector<std::string> seed{kRandomizeLine};
    // The animal ABAB lesson speaks before it draws; the others draw first.
    EXPECT_EQ(rec.log, l.startsBeforeBuilding ? Steps({play("st"), seed}) : Steps({seed, play("st")}));
    EXPECT_EQ(screen->CurrentSoundAlias, "st");
    EXPECT_EQ(screen->MediaFolder, folder());
    EXPECT_EQ(screen->windowTitle().toStdString(), catalogue::FindLessonEntry(l.className)->windowCaption);
    // The open state; the animal ABB layout shows its red hand from the start.
    EXPECT_EQ(text(l.gapLabels[static_cast<size_t>(shown().gapPosition)]), l.openingMark);
    EXPECT_TRUE(shows("img_jian"));
    EXPECT_FALSE(shows("img_ok"));
    EXPECT_FALSE(shows("img_ok2"));
    EXPECT_EQ(shows("img_jian2"), l.handAtStart);
    for (const std::string& square : kSquares)
        EXPECT_EQ(shows(square), l.pictures) << square;
    // The ABB picture lessons' gap picture is there but empty.
    if (l.pictures && l.rule == Rule::ABB) {
        EXPECT_TRUE(shows(l.gapPictures[0]));
        EXPECT_EQ(value(l.gapPictures[0]), "");
    }
    // Shown at its fixed size, not maximised.
    EXPECT_FALSE(screen->isMaximized());
    EXPECT_EQ(screen->size(), platform::TForm::clientSizeFor(800, 600));
}

TEST_P(Creation, LayoutHasTheInstructionButtonsAndColours)
{
    const Lesson& l = *GetParam();
    open(l, 21);
    EXPECT_EQ(text("Label1"), l.instruction);
    auto* instruction = FindAs<platform::TLabel>(screen.get(), "Label1");
    ASSERT_NE(instruction, nullptr);
    EXPECT_EQ(instruction->pixelSize(), 16);
    EXPECT_EQ(instruction->textColor(), platform::clTeal);
    EXPECT_EQ(text("btn_once"), "下一组");
    EXPECT_EQ(text("btn_backlasmenu"), "上级菜单");
    for (const std::string& name : l.gapLabels) {
        auto* gap = FindAs<platform::TLabel>(screen.get(), name);
        ASSERT_NE(gap, nullptr) << name;
        EXPECT_EQ(gap->textColor(), l.gapColour) << name;
        EXPECT_EQ(gap->pixelSize(), 64) << name;
        EXPECT_TRUE(gap->font().bold()) << name;
    }
    if (l.pictures)
        return;
    // Numbers: purple 64-pixel values (regular in the ABB examples), blue bold candidates.
    for (const auto* group : {&l.ex1, &l.ex2, &l.question})
        for (const std::string& name : *group) {
            auto* label = FindAs<platform::TLabel>(screen.get(), name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->textColor(), QColor(128, 0, 128)) << name;
            EXPECT_EQ(label->pixelSize(), 64) << name;
            EXPECT_EQ(label->font().bold(), l.rule == Rule::ABAB || group == &l.question) << name;
        }
    for (const std::string& name : kButtons) {
        auto* button = FindAs<platform::TSpeedButton>(screen.get(), name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->textColor(), QColor(0, 0, 255)) << name;
        EXPECT_EQ(button->pixelSize(), l.rule == Rule::ABB ? 96 : 64) << name;
        EXPECT_TRUE(button->font().bold()) << name;
    }
}

// Where a widget stands on the screen.
QRect Place(QWidget* screen, const std::string& name)
{
    QWidget* w = testing_support::Find(screen, name);
    if (!w) {
        ADD_FAILURE() << "no widget " << name;
        return {};
    }
    return QRect(w->mapTo(screen, QPoint(0, 0)), w->size());
}

// Whether a picture of the same place lies under a button.
bool OverAPicture(QWidget* screen, const std::string& button)
{
    const QRect at = Place(screen, button);
    for (auto* image : screen->findChildren<platform::TImage*>())
        if (QRect(image->mapTo(screen, QPoint(0, 0)), image->size()) == at)
            return true;
    return false;
}

TEST_P(Creation, EachPartStandsWhereTheKidLooksForIt)
{
    const Lesson& l = *GetParam();
    open(l, 21);
    QWidget* s = screen.get();
    const auto at = [s](const std::string& name) { return Place(s, name); };
    // The bottom bar: at the bottom, "下一组" on the left, the back button on
    // the right, each over its picture; the red hand between them, at the
    // right of "下一组"; the instruction along the bar's top edge.
    const QRect bar = at("Panel2");
    EXPECT_EQ(bar.bottom(), s->height() - 1);
    EXPECT_GE(bar.height(), 103);
    EXPECT_LE(bar.height(), 107);
    const QRect back = at("btn_backlasmenu"), once = at("btn_once"), hand = at("img_jian2"), instruction = at("Label1");
    EXPECT_EQ(back.size(), QSize(160, 75));
    EXPECT_NEAR(back.left() - bar.left(), 600, 10);
    EXPECT_TRUE(bar.contains(once) && bar.contains(back) && bar.contains(hand) && bar.contains(instruction));
    EXPECT_LT(once.right(), bar.center().x());
    EXPECT_TRUE(OverAPicture(s, "btn_once"));
    EXPECT_TRUE(OverAPicture(s, "btn_backlasmenu"));
    EXPECT_GE(hand.left(), once.right());
    EXPECT_LT(hand.right(), back.left());
    EXPECT_TRUE(once.top() <= hand.center().y() && hand.center().y() <= once.bottom());
    EXPECT_LT(instruction.top() - bar.top(), 8);
    EXPECT_LT(instruction.bottom(), once.top());
    // A kid's click at the middle of a button (or of the instruction) reaches
    // it: nothing lies over it.
    for (const char* name : {"btn_b4", "btn_b5", "btn_b6", "btn_b7", "btn_once", "btn_backlasmenu", "Label1"})
        EXPECT_EQ(s->childAt(at(name).center()), testing_support::Find(s, name)) << name;
    // The examples along the top, group 1 left of group 2, each read left to
    // right; the question below them on the left.
    const auto row = [&](const std::vector<std::string>& names) {
        std::vector<QRect> places;
        for (const std::string& name : names)
            places.push_back(at(name));
        for (size_t i = 1; i < places.size(); ++i) {
            EXPECT_GT(places[i].left(), places[i - 1].right()) << names[i];
            EXPECT_EQ(places[i].top(), places[0].top()) << names[i];
        }
        return places;
    };
    const std::vector<QRect> ex1 = row(l.ex1), ex2 = row(l.ex2), question = row(l.question);
    EXPECT_GT(ex2.front().left(), ex1.back().right());
    EXPECT_GT(question.front().top(), ex1.front().bottom());
    EXPECT_EQ(question.front().left(), ex1.front().left());
    // The candidates in a 2 by 2 grid at the right, each over its picture or square.
    const QRect b4 = at("btn_b4"), b5 = at("btn_b5"), b6 = at("btn_b6"), b7 = at("btn_b7");
    EXPECT_TRUE(b4.top() == b5.top() && b6.top() == b7.top() && b6.top() > b4.bottom());
    EXPECT_TRUE(b4.left() == b6.left() && b5.left() == b7.left() && b5.left() > b4.right());
    for (size_t j = 0; j < 4; ++j)
        EXPECT_EQ(at(kSquares[j]), at(kButtons[j])) << kSquares[j];
    // The arrow between the question and the candidates.
    const QRect arrow = at("img_jian");
    EXPECT_GT(arrow.left(), question.back().right());
    EXPECT_LT(arrow.right(), b4.left());
    EXPECT_TRUE(arrow.top() < question.front().center().y() && question.front().center().y() < arrow.bottom());
    // Over each gap its label (a picture gap's label lies on the picture) and
    // just above it its thumbs-up.
    for (size_t gap = 0; gap < l.gapLabels.size(); ++gap) {
        const QRect place = question[l.question.size() - l.gapLabels.size() + gap];
        EXPECT_EQ(at(l.gapLabels[gap]), place) << l.gapLabels[gap];
        if (l.pictures) {
            EXPECT_EQ(at(l.gapPictures[gap]), place) << l.gapPictures[gap];
        }
        const QRect thumb = at(gap == 0 ? "img_ok" : "img_ok2");
        EXPECT_NEAR(thumb.center().x(), place.center().x(), 2) << gap;
        EXPECT_LE(thumb.bottom(), place.top()) << gap;
        EXPECT_GT(thumb.top(), ex1.front().bottom()) << gap;
    }
}

INSTANTIATE_TEST_SUITE_P(AllSix, Creation, ::testing::ValuesIn(AllLessons()),
                         [](const auto& info) { return info.param->className; });

// The screens with the program's own pictures, saved for a look.
TEST(PatternRender, ScreensShowTheirPicturesBeforeAndAfterARightAnswer)
{
    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media{rec};
    games::RegisterLessons();
    for (const Lesson* l : AllLessons()) {
        rec.counter = 2026;
        const std::unique_ptr<frame::LessonScreen> screen = testing_support::OpenShown(l->className);
        ASSERT_NE(screen, nullptr) << l->className;
        for (const char* image : {"img_bg", "img_jian", "Image1", "Image2"}) {
            auto* img = FindAs<platform::TImage>(screen.get(), image);
            ASSERT_NE(img, nullptr) << image;
            EXPECT_TRUE(img->hasPicture()) << l->className << " " << image;
        }
        if (l->pictures)
            for (const auto* group : {&l->ex1, &l->ex2, &l->question})
                for (const std::string& name : *group) {
                    const bool gap = name == l->question[2] || (l->rule == Rule::ABAB && name == l->question[3]);
                    auto* img = FindAs<platform::TImage>(screen.get(), name);
                    ASSERT_NE(img, nullptr) << name;
                    if (!gap) {
                        EXPECT_TRUE(img->hasPicture()) << l->className << " " << name;
                    }
                }
        testing_support::SaveShot(screen.get(), l->className);
        const Question q = ExpectedQuestion(l->rule, 2026);
        ASSERT_TRUE(testing_support::Click(screen.get(), kButtons[static_cast<size_t>(q.rightCandidate())]));
        testing_support::SaveShot(screen.get(), l->className + "_right");
        ASSERT_TRUE(testing_support::Click(screen.get(), kButtons[static_cast<size_t>((q.rightCandidate() + 1) % 4)]));
        testing_support::SaveShot(screen.get(), l->className + "_wrong");
    }
}

}  // namespace
