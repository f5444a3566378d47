// The launcher: one visit to a lesson, its clean-up also when the lesson
// fails, and entries whose lesson is not built.
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A small lesson screen of the test's own.
class ProbeLesson : public frame::LessonScreen {
public:
    static inline int alive = 0;
    static inline int created = 0;

    explicit ProbeLesson(const char* className = "TFM_SeeColor") : LessonScreen(frame::ScreenSettings(className, true))
    {
        ++alive;
        ++created;
        auto* back = new platform::TSpeedButton(this);
        back->setObjectName("btn_backlasmenu");
        back->setGeometry(600, 470, 160, 75);
        frame::OnClick(back, [this] { btn_backlasmenuClick(); });
    }
    ~ProbeLesson() override { --alive; }
};

class FailingCreation : public ProbeLesson {
protected:
    void FormCreate() override
    {
        LessonScreen::FormCreate();
        throw std::runtime_error("broken lesson");
    }
};

class FailingConstruction : public ProbeLesson {
public:
    FailingConstruction() { throw std::runtime_error("cannot build"); }
};

class LauncherTest : public ::testing::Test {
protected:
    LauncherTest()
    {
        pictures.addFamily("MAINFORMT", 1, 51);
        form.Create();
        form.show();
        rec.clear();
    }
    ~LauncherTest() override
    {
        frame::RegisterLesson("TFM_SeeColor", nullptr);
        frame::RegisterLesson("TFM_CaiMiYu", nullptr);
    }
    // Arranges for the open lesson's back button to be clicked once its
    // modal run has started.
    void clickBackWhenOpen(const char* className = "TFM_SeeColor")
    {
        QTimer::singleShot(0, [className] {
            frame::LessonScreen* open = frame::FormVariable(className);
            ASSERT_NE(open, nullptr);
            EXPECT_TRUE(open->isModalRunning());
            // Maximised by its show step, the window keeps its fixed size.
            EXPECT_TRUE(open->windowState() & Qt::WindowMaximized);
            EXPECT_EQ(open->size(), QSize(784, 562));
            EXPECT_TRUE(Click(open, "btn_backlasmenu"));
        });
    }
    std::string mainFolder() const { return media.programFolder() + "mainform/"; }

    RecordingPlatform rec;
    MediaFixture media{rec};
    FakePictures pictures;
    TMainForm form;
};

TEST_F(LauncherTest, VisitRunsModallyAndCleansUp)
{
    frame::RegisterLessonClass<ProbeLesson>("TFM_SeeColor");
    ProbeLesson::created = 0;
    clickBackWhenOpen();
    ASSERT_TRUE(Click(&form, "btn_a1"));
    EXPECT_EQ(rec.log, Steps({PlaySteps(media.programFolder() + "yanse/", "st"), StopSteps("st"), StopSteps("kj"),
                              PlaySteps(mainFolder(), "lm")}));
    EXPECT_EQ(ProbeLesson::created, 1);
    EXPECT_EQ(ProbeLesson::alive, 0);
    EXPECT_EQ(frame::FormVariable("TFM_SeeColor"), nullptr);
    EXPECT_EQ(form.CurrentSoundAlias, "lm");
    EXPECT_EQ(form.PageIndex(), 0);
    EXPECT_EQ(form.SelectedSlot, 0);
}

TEST_F(LauncherTest, SecondVisitIsANewScreen)
{
    frame::RegisterLessonClass<ProbeLesson>("TFM_SeeColor");
    ProbeLesson::created = 0;
    for (int visit = 0; visit < 2; ++visit) {
        clickBackWhenOpen();
        ASSERT_TRUE(Click(&form, "btn_a1"));
    }
    EXPECT_EQ(ProbeLesson::created, 2);
    EXPECT_EQ(ProbeLesson::alive, 0);
    const auto starts = std::count(rec.log.begin(), rec.log.end(), "PLAY st");
    EXPECT_EQ(starts, 2);
    // The second visit's clean-up stops the "lm" of the first.
    EXPECT_EQ(std::vector<std::string>(rec.log.end() - 7, rec.log.end()),
              Steps({StopSteps("lm"), PlaySteps(mainFolder(), "lm")}));
}

TEST_F(LauncherTest, LessonFailingInCreationIsCleanedUpAndMenuStaysUsable)
{
    frame::RegisterLessonClass<FailingCreation>("TFM_SeeColor");
    WarningLog warnings;
    ASSERT_TRUE(Click(&form, "btn_a1"));
    EXPECT_EQ(warnings.lines, std::vector<std::string>{"TFM_SeeColor: broken lesson (ignored)"});
    EXPECT_EQ(rec.log, Steps({PlaySteps(media.programFolder() + "yanse/", "st"), StopSteps("kj"),
                              PlaySteps(mainFolder(), "lm")}));
    EXPECT_EQ(ProbeLesson::alive, 0);
    EXPECT_EQ(frame::FormVariable("TFM_SeeColor"), nullptr);
    rec.clear();
    ASSERT_TRUE(Click(&form, "btn_NextPage"));
    EXPECT_EQ(form.PageIndex(), 1);
    EXPECT_EQ(rec.log, Steps({StopSteps("lm"), PlaySteps(mainFolder(), "n")}));
}

TEST_F(LauncherTest, LessonFailingInConstructionStillPlaysBackToMenu)
{
    frame::RegisterLessonClass<FailingConstruction>("TFM_SeeColor");
    WarningLog warnings;
    ASSERT_TRUE(Click(&form, "btn_a1"));
    EXPECT_EQ(warnings.lines, std::vector<std::string>{"TFM_SeeColor: cannot build (ignored)"});
    EXPECT_EQ(rec.log, Steps({StopSteps("kj"), PlaySteps(mainFolder(), "lm")}));
    EXPECT_EQ(ProbeLesson::alive, 0);
}

TEST_F(LauncherTest, EntryWithoutABuiltLessonDoesNothing)
{
    frame::RegisterLesson("TFM_SeeColor", nullptr);
    ASSERT_TRUE(Click(&form, "btn_a1"));
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(form.CurrentSoundAlias, "kj");
}

TEST_F(LauncherTest, RiddlesEntryOnTheLastPage)
{
    frame::RegisterLesson("TFM_CaiMiYu",
                          [] { return static_cast<frame::LessonScreen*>(new ProbeLesson("TFM_CaiMiYu")); });
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(Click(&form, "btn_NextPage"));
    rec.clear();
    clickBackWhenOpen("TFM_CaiMiYu");
    ASSERT_TRUE(Click(&form, "btn_a1"));
    EXPECT_EQ(rec.log, Steps({PlaySteps(media.programFolder() + "guess/", "st"), StopSteps("st"), StopSteps("n"),
                              PlaySteps(mainFolder(), "lm")}));
    EXPECT_EQ(form.PageIndex(), 5);
}

TEST_F(LauncherTest, SystemCloseOfALessonSkipsItsStopButNotTheCleanUp)
{
    frame::RegisterLessonClass<ProbeLesson>("TFM_SeeColor");
    QTimer::singleShot(0, [] { frame::FormVariable("TFM_SeeColor")->sendSysCommand(platform::SC_CLOSE); });
    ASSERT_TRUE(Click(&form, "btn_a1"));
    EXPECT_EQ(rec.log, Steps({PlaySteps(media.programFolder() + "yanse/", "st"), StopSteps("kj"),
                              PlaySteps(mainFolder(), "lm")}));
    EXPECT_EQ(ProbeLesson::alive, 0);
}

}  // namespace
