// The riddles screen as a kid meets it: the first page, the page walk with
// the keys' states, every riddle read and shown, the answer step from every
// state of the current sound with its ordered sounds and pause, and a
// missing answer picture.
#include "lessons/soundboards/caimiyu_tables.h"
#include "lessons/soundboards/form_CaiMiYu.h"
#include "platform/widgets.h"
#include "tests/poems/poems_harness.h"

#include <QFontMetrics>

#include <functional>
#include <stdexcept>

using namespace poems_test;
using testing_support::SleepLine;
using testing_support::Steps;
using testing_support::StopSteps;

namespace {

class CaiMiYu : public LessonFixture {
public:
    void openLesson() { open("TFM_CaiMiYu", "guess/"); }
    TFM_CaiMiYu& lesson() const { return dynamic_cast<TFM_CaiMiYu&>(*screen); }
    std::vector<std::string> captions() const
    {
        std::vector<std::string> c;
        for (int k = 1; k <= 5; ++k)
            c.push_back(text("btn_" + std::to_string(k)));
        return c;
    }
    static std::vector<std::string> captionsOf(int page)
    {
        std::vector<std::string> c;
        for (int k = 1; k <= 5; ++k)
            c.push_back("谜语" + std::to_string(page * 5 + k));
        return c;
    }
    // The answer picture's colour, to tell the stand-in pictures apart.
    std::string answerShown() const
    {
        auto* img = testing_support::FindAs<platform::TImage>(screen.get(), "img_da");
        return img && img->hasPicture() ? testing_support::CentreColour(img->picture()) : "none";
    }
    static std::string colourOf(const std::string& picture)
    {
        return testing_support::CentreColour(platform::loadPictureResource(picture));
    }
    // The whole answer step for riddle N after the sound `current`.
    std::vector<std::string> answerSteps(const std::string& current, const std::string& n) const
    {
        return Steps({StopSteps(current), play("da"), {SleepLine(1200)}, StopSteps("da"), play("b" + n)});
    }
};

class CaiMiYuScreen : public ::testing::Test, public CaiMiYu {
protected:
    void SetUp() override
    {
        // Each answer picture a colour of its own.
        for (int n = 1; n <= 30; ++n)
            pictures.add(soundboards::RiddleAnswerPicture(n), 150, 150, QColor::fromHsv(n * 11, 200, 200));
        openLesson();
    }
};

TEST_F(CaiMiYuScreen, OpensOnPageZeroWithTheQuestionPicture)
{
    EXPECT_EQ(rec.log, play("st"));
    EXPECT_EQ(lesson().PageIndex(), 0);
    EXPECT_EQ(lesson().RiddleSlot, 0);
    EXPECT_EQ(captions(), captionsOf(0));
    EXPECT_FALSE(enabled("btn_lastpage"));
    EXPECT_TRUE(enabled("btn_nextpage"));
    EXPECT_EQ(text("lb2"), "");
    EXPECT_EQ(text("Label1"), "谜题：");
    EXPECT_TRUE(shown("Image2"));
    EXPECT_TRUE(shown("Image9"));
    EXPECT_FALSE(shown("img_da"));
    EXPECT_FALSE(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(screen->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(screen->windowTitle().toStdString(), "猜谜语");
}

TEST_F(CaiMiYuScreen, PageWalkThereAndBackClearsTheRiddle)
{
    for (int page = 1; page <= 5; ++page) {
        ASSERT_TRUE(click("btn_3"));
        ASSERT_TRUE(click("Image2"));
        const std::string before = screen->CurrentSoundAlias;
        rec.clear();
        ASSERT_TRUE(click("btn_nextpage")) << page;
        EXPECT_EQ(rec.log, Steps({StopSteps(before), play("n")}));
        EXPECT_EQ(lesson().PageIndex(), page);
        EXPECT_EQ(enabled("btn_nextpage"), page < 5);
        EXPECT_TRUE(enabled("btn_lastpage"));
        EXPECT_EQ(captions(), captionsOf(page));
        EXPECT_EQ(text("lb2"), "");
        EXPECT_TRUE(shown("Image2"));
        EXPECT_FALSE(shown("img_da"));
        EXPECT_EQ(lesson().RiddleSlot, 2);
    }
    EXPECT_FALSE(click("btn_nextpage"));
    for (int page = 4; page >= 0; --page) {
        ASSERT_TRUE(click("btn_1"));
        rec.clear();
        ASSERT_TRUE(click("btn_lastpage")) << page;
        EXPECT_EQ(rec.log, Steps({StopSteps(soundboards::RiddleSound((page + 1) * 5 + 1)), play("l")}));
        EXPECT_TRUE(enabled("btn_nextpage"));
        EXPECT_EQ(enabled("btn_lastpage"), page > 0);
        EXPECT_EQ(captions(), captionsOf(page));
        EXPECT_EQ(text("lb2"), "");
    }
    EXPECT_FALSE(click("btn_lastpage"));
}

TEST_F(CaiMiYuScreen, EveryRiddleIsReadAndShown)
{
    for (int page = 0; page < 6; ++page) {
        if (page > 0) {
            ASSERT_TRUE(click("btn_nextpage"));
        }
        for (int slot = 0; slot < 5; ++slot) {
            const int n = page * 5 + slot + 1;
            const std::string before = screen->CurrentSoundAlias;
            rec.clear();
            ASSERT_TRUE(click("btn_" + std::to_string(slot + 1)));
            EXPECT_EQ(rec.log, Steps({StopSteps(before), play(soundboards::RiddleSound(n))})) << n;
            EXPECT_EQ(text("lb2"), soundboards::RiddleOf(n)->text);
            EXPECT_EQ(lesson().RiddleSlot, slot);
        }
    }
}

// Each riddle's text fits its band: every row's characters (an em high,
// the rows a line spacing apart) lie inside it, none cut off.
TEST_F(CaiMiYuScreen, EveryRiddleTextFitsItsBand)
{
    auto* band = testing_support::FindAs<platform::TLabel>(screen.get(), "lb2");
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->size(), QSize(464, 111));
    for (int page = 0; page < 6; ++page) {
        if (page > 0) {
            ASSERT_TRUE(click("btn_nextpage"));
        }
        for (int slot = 1; slot <= 5; ++slot) {
            ASSERT_TRUE(click("btn_" + std::to_string(slot)));
            const QFontMetrics metrics(band->font());
            const int rows = band->heightForWidth(band->width()) / metrics.lineSpacing();
            EXPECT_GE(rows, 1);
            EXPECT_LE((rows - 1) * metrics.lineSpacing() + band->pixelSize(), band->height()) << text("lb2");
        }
    }
}

TEST_F(CaiMiYuScreen, RiddleThreeAndItsAnswerTwice)
{
    ASSERT_TRUE(click("btn_3"));
    EXPECT_EQ(screen->CurrentSoundAlias, "003");
    rec.clear();
    ASSERT_TRUE(click("Image2"));
    EXPECT_EQ(rec.log, answerSteps("003", "003"));
    EXPECT_TRUE(shown("img_da"));
    EXPECT_FALSE(shown("Image2"));
    EXPECT_EQ(answerShown(), colourOf("CMY003"));
    // The answer word is current now; the small picture answers again.
    rec.clear();
    ASSERT_TRUE(click("Image9"));
    EXPECT_EQ(rec.log, answerSteps("b003", "003"));
    EXPECT_EQ(answerShown(), colourOf("CMY003"));
    // A riddle button brings the question picture back.
    ASSERT_TRUE(click("btn_4"));
    EXPECT_TRUE(shown("Image2"));
    EXPECT_FALSE(shown("img_da"));
}

TEST_F(CaiMiYuScreen, TheLastRiddle)
{
    for (int p = 0; p < 5; ++p)
        ASSERT_TRUE(click("btn_nextpage"));
    EXPECT_EQ(text("btn_5"), "谜语30");
    ASSERT_TRUE(click("btn_5"));
    EXPECT_EQ(screen->CurrentSoundAlias, "030");
    rec.clear();
    ASSERT_TRUE(click("Image9"));
    EXPECT_EQ(rec.log, answerSteps("030", "030"));
    EXPECT_EQ(answerShown(), colourOf("CMY030"));
}

// A missing answer picture after another answer was shown: the earlier
// picture stays in img_da, nothing is heard, one warning line names the
// screen.
TEST_F(CaiMiYuScreen, AMissingAnswerPictureLeavesThePreviousOne)
{
    pictures.remove("CMY004");
    ASSERT_TRUE(click("btn_3"));
    ASSERT_TRUE(click("Image2"));
    ASSERT_EQ(answerShown(), colourOf("CMY003"));
    ASSERT_TRUE(click("btn_4"));
    EXPECT_FALSE(shown("img_da"));
    rec.clear();
    testing_support::WarningLog warnings;
    ASSERT_TRUE(click("Image9"));
    EXPECT_TRUE(rec.log.empty());
    EXPECT_TRUE(shown("img_da"));
    EXPECT_FALSE(shown("Image2"));
    EXPECT_EQ(answerShown(), colourOf("CMY003"));
    EXPECT_EQ(screen->CurrentSoundAlias, "004");
    ASSERT_EQ(warnings.lines.size(), 1u);
    EXPECT_EQ(warnings.lines[0].rfind("TFM_CaiMiYu: ", 0), 0u) << warnings.lines[0];
}

// A platform on which opening one sound fails: its file cannot be renamed.
class FailingOn : public testing_support::RecordingPlatform {
public:
    explicit FailingOn(std::string sound) : file_("/" + std::move(sound) + ".dat") {}
    bool moveFile(const std::string& from, const std::string& to) override
    {
        if (from.size() >= file_.size() && from.compare(from.size() - file_.size(), file_.size(), file_) == 0)
            throw std::runtime_error("cannot rename " + from);
        return RecordingPlatform::moveFile(from, to);
    }

private:
    std::string file_;
};

// An error ends the answer step and the page step where it happens: what
// was done stays done, the rest is skipped, one warning line says so.
TEST_F(CaiMiYuScreen, AnErrorEndsTheAnswerStepWhereItHappens)
{
    ASSERT_TRUE(click("btn_2"));
    testing_support::WarningLog warnings;
    FailingOn failing("da");
    ASSERT_TRUE(click("Image2"));
    // The stop before the lead-in, then nothing: no pause, no answer word.
    EXPECT_EQ(failing.log, StopSteps("002"));
    EXPECT_TRUE(shown("img_da"));
    EXPECT_EQ(answerShown(), colourOf("CMY002"));
    EXPECT_EQ(warnings.lines.size(), 1u);
}

TEST_F(CaiMiYuScreen, AnErrorEndsThePageStepWhereItHappens)
{
    ASSERT_TRUE(click("btn_2"));
    ASSERT_TRUE(click("Image2"));
    testing_support::WarningLog warnings;
    FailingOn failing("n");
    ASSERT_TRUE(click("btn_nextpage"));
    EXPECT_EQ(lesson().PageIndex(), 1);
    EXPECT_TRUE(enabled("btn_lastpage"));
    EXPECT_EQ(captions(), captionsOf(1));
    EXPECT_EQ(failing.log.back(), "CLOSE ANIMATION");  // the stop before the page sound
    // Clearing the text and bringing back the question come after the sound.
    EXPECT_EQ(text("lb2"), soundboards::RiddleOf(2)->text);
    EXPECT_TRUE(shown("img_da"));
    EXPECT_EQ(warnings.lines.size(), 1u);
}

// The answer step from each state of the current sound, reached as a kid
// reaches it (the empty alias only through the field itself).
struct AliasCase {
    const char* name;
    std::function<void(CaiMiYu&)> reach;
    const char* alias;   // the current sound before the answer click
    const char* riddle;  // N the answer says, or nullptr for nothing
};

// clang-format off
const AliasCase kAliasCases[] = {
    {"Empty", [](CaiMiYu& f) { f.screen->StopLessonSound(); }, "", nullptr},
    {"Start", [](CaiMiYu&) {}, "st", nullptr},
    {"NextPage", [](CaiMiYu& f) { ASSERT_TRUE(f.click("btn_nextpage")); }, "n", nullptr},
    {"PreviousPage",
     [](CaiMiYu& f) {
         ASSERT_TRUE(f.click("btn_nextpage"));
         ASSERT_TRUE(f.click("btn_lastpage"));
     },
     "l", nullptr},
    {"Riddle", [](CaiMiYu& f) { ASSERT_TRUE(f.click("btn_2")); }, "002", "002"},
    {"RiddleOfPageTwo",
     [](CaiMiYu& f) {
         ASSERT_TRUE(f.click("btn_nextpage"));
         ASSERT_TRUE(f.click("btn_nextpage"));
         ASSERT_TRUE(f.click("btn_4"));
     },
     "014", "014"},
    {"AnswerWord",
     [](CaiMiYu& f) {
         ASSERT_TRUE(f.click("btn_5"));
         ASSERT_TRUE(f.click("Image2"));
     },
     "b005", "005"},
    // A page step after an answer: nothing is current any more.
    {"PageAfterAnswer",
     [](CaiMiYu& f) {
         ASSERT_TRUE(f.click("btn_5"));
         ASSERT_TRUE(f.click("Image2"));
         ASSERT_TRUE(f.click("btn_nextpage"));
     },
     "n", nullptr},
};
// clang-format on

class AnswerStep : public ::testing::TestWithParam<AliasCase>, public CaiMiYu {};

TEST_P(AnswerStep, FollowsTheCurrentSound)
{
    const AliasCase& c = GetParam();
    openLesson();
    c.reach(*this);
    ASSERT_EQ(screen->CurrentSoundAlias, c.alias);
    for (const char* picture : {"Image2", "Image9"}) {
        const bool questionShown = shown("Image2");
        const std::string alias = screen->CurrentSoundAlias;
        rec.clear();
        if (!shown(picture))
            continue;  // the answer covers the question picture
        ASSERT_TRUE(click(picture));
        if (!c.riddle) {
            EXPECT_TRUE(rec.log.empty()) << picture;
            EXPECT_EQ(shown("Image2"), questionShown) << picture;
            EXPECT_FALSE(shown("img_da")) << picture;
            continue;
        }
        EXPECT_EQ(rec.log, answerSteps(alias, c.riddle)) << picture;
        EXPECT_TRUE(shown("img_da"));
        EXPECT_FALSE(shown("Image2"));
        EXPECT_EQ(answerShown(), colourOf(std::string("CMY") + c.riddle));
        EXPECT_EQ(screen->CurrentSoundAlias, std::string("b") + c.riddle);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryAlias, AnswerStep, ::testing::ValuesIn(kAliasCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Without its answer picture the step ends before the lead-in: the answer
// picture shows (empty), nothing is heard, the riddle stays current.
TEST(CaiMiYuMissingPicture, EndsTheAnswerStepBeforeTheLeadIn)
{
    CaiMiYu f;
    f.pictures.remove("CMY004");
    f.openLesson();
    ASSERT_TRUE(f.click("btn_4"));
    f.rec.clear();
    ASSERT_TRUE(f.click("Image2"));
    EXPECT_TRUE(f.rec.log.empty());
    EXPECT_TRUE(f.shown("img_da"));
    EXPECT_FALSE(f.shown("Image2"));
    EXPECT_EQ(f.answerShown(), "none");
    EXPECT_EQ(f.screen->CurrentSoundAlias, "004");
    // Another riddle's answer still works, and shows its own picture.
    ASSERT_TRUE(f.click("btn_1"));
    ASSERT_TRUE(f.click("Image9"));
    EXPECT_EQ(f.screen->CurrentSoundAlias, "b001");
    EXPECT_NE(f.answerShown(), "none");
}

}  // namespace
