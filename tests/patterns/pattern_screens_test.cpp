// The find-the-rule screens as a kid meets them: the state and sounds at
// creation, the look the layouts give (captions, colours, sizes), a visit
// through the menu's launcher, and the screens rendered with the program's
// own pictures before and after a right answer.
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "lessons/games/games.h"
#include "resources/menu_catalogue.h"
#include "platform/widgets.h"
#include "tests/patterns/pattern_harness.h"
#include "tests/support/launch_driver.h"

#include <QDir>

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
        std::unique_ptr<frame::LessonScreen> screen((*frame::FindLesson(l->className))());
        screen->Create();
        screen->show();
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
