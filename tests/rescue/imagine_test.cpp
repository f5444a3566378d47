// Imagine the animal as a kid meets it: fixed-seed groups against the draw
// written out from the rules, the share of the first picture over many
// groups, the right and wrong answers with their marks and sounds, "下一组"
// clearing the marks before the new pictures, and a picture that is missing.
#include "lessons/games/form_FaSanSiwei.h"
#include "tests/rescue/rescue_fixture.h"
#include "tools/content_gen/picture_writers.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <set>

using namespace rescue_test;
using testing_support::SleepLine;
using testing_support::Steps;
using testing_support::StopSteps;

namespace {

struct Group {
    std::array<int, 10> shown{};
    int clue = 0;
};

// 25 draws empty the pool "1".."25", the first ten are shown; then Random(11)
// picks the clue, 0 and 1 both meaning the first picture.
Group ExpectedGroup(uint32_t seed)
{
    std::vector<int> pool;
    for (int v = 1; v <= 25; ++v)
        pool.push_back(v);
    Group g;
    for (int k = 25; k >= 1; --k) {
        const int r = Draw(seed, k);
        if (25 - k < 10)
            g.shown[static_cast<size_t>(25 - k)] = pool[static_cast<size_t>(r)];
        pool.erase(pool.begin() + r);
    }
    const int r = Draw(seed, 11);
    g.clue = g.shown[static_cast<size_t>(r > 0 ? r - 1 : 0)];
    return g;
}

std::string Key(const char* prefix, int n)
{
    char name[16];
    std::snprintf(name, sizeof name, "%s%03d", prefix, n);
    return name;
}

class Imagine : public ::testing::Test, public ScreenFixture {
protected:
    Imagine() : ScreenFixture("fasansiwei/")
    {
        for (int n = 1; n <= 25; ++n) {
            pictures.add(Key("FSB", n), 110, 105, AnimalColour(n));
            pictures.add(Key("FSA", n), 100, 100, ClueColour(n));
        }
    }
    TFM_FaSanSiwei& quiz() { return static_cast<TFM_FaSanSiwei&>(*screen); }
    void openWith(uint32_t seed)
    {
        rec.counter = seed;
        open("TFM_FaSanSiwei");
    }
    std::string picture(int i) const { return "Image" + std::to_string(i + 1); }
    std::array<std::string, 10> marks() const
    {
        std::array<std::string, 10> m;
        for (int i = 0; i < 10; ++i)
            m[static_cast<size_t>(i)] = text("lb" + std::to_string(i + 1));
        return m;
    }
    static std::array<std::string, 10> markedAt(int i, const char* mark)
    {
        std::array<std::string, 10> m;
        m.fill(" ");
        m[static_cast<size_t>(i)] = mark;
        return m;
    }
    // The group shown on screen, read back from the pictures.
    void expectShows(const Group& g)
    {
        for (int i = 0; i < 10; ++i) {
            const int n = g.shown[static_cast<size_t>(i)];
            EXPECT_EQ(quiz().ShownAnimal[static_cast<size_t>(i)], std::to_string(n)) << "picture " << i;
            EXPECT_EQ(colourOf(picture(i)), AnimalColour(n).name().toStdString()) << "picture " << i;
        }
        EXPECT_EQ(quiz().ClueAnimal, std::to_string(g.clue));
        EXPECT_EQ(colourOf("img000"), ClueColour(g.clue).name().toStdString());
    }
    int rightPicture(const Group& g) const
    {
        return static_cast<int>(std::find(g.shown.begin(), g.shown.end(), g.clue) - g.shown.begin());
    }
};

const uint32_t kSeeds[] = {0u, 1u, 0x12345678u, 0x9E3779B9u, 0xFFFFFFFFu, 2026u};

TEST_F(Imagine, StartShowsTheDrawnGroupWithoutMarksAndPlaysTheInstruction)
{
    for (uint32_t seed : kSeeds) {
        SCOPED_TRACE(seed);
        rec.clear();
        openWith(seed);
        expectShows(ExpectedGroup(seed));
        EXPECT_EQ(rec.log, play("st"));
        EXPECT_EQ(quiz().ClickedPicture, 0);
        std::array<std::string, 10> none;
        EXPECT_EQ(marks(), none) << "the marks are empty";
    }
    EXPECT_EQ(screen->windowTitle().toStdString(), "发散思维");
    EXPECT_FALSE(screen->Settings().maximiseOnShow);
}

TEST_F(Imagine, EachGroupIsDrawnAfterAFreshSeedBeforeItsSound)
{
    rec.logSeeds = true;
    openWith(5);
    EXPECT_EQ(rec.log, Steps({{"Randomize"}, play("st")}));
    rec.clear();
    ASSERT_TRUE(click("SpeedButton1"));
    EXPECT_EQ(rec.log, Steps({{"Randomize"}, StopSteps("st"), play("n_g")}));
}

TEST_F(Imagine, EveryGroupShowsTenAnimalsAndTheFirstPictureIsTheAnswerTwiceAsOften)
{
    openWith(1);
    constexpr int kGroups = 2200;
    std::array<int, 10> answerAt{};
    for (int g = 0; g < kGroups; ++g) {
        const uint32_t seed = static_cast<uint32_t>(g) * 2654435761u + 17u;
        rec.counter = seed;
        ASSERT_TRUE(click("SpeedButton1"));
        const std::set<std::string> distinct(quiz().ShownAnimal.begin(), quiz().ShownAnimal.end());
        ASSERT_EQ(distinct.size(), 10u) << "seed " << seed;
        const auto at = std::find(quiz().ShownAnimal.begin(), quiz().ShownAnimal.end(), quiz().ClueAnimal);
        ASSERT_NE(at, quiz().ShownAnimal.end()) << "the clue is one of the ten, seed " << seed;
        ++answerAt[static_cast<size_t>(at - quiz().ShownAnimal.begin())];
        if (g % 97 == 0)
            expectShows(ExpectedGroup(seed));
    }
    // 2/11 for Image1, 1/11 for each other: about 400 and 200 of 2200.
    EXPECT_GT(answerAt[0], 340);
    EXPECT_LT(answerAt[0], 460);
    for (int i = 1; i < 10; ++i) {
        EXPECT_GT(answerAt[static_cast<size_t>(i)], 150) << "picture " << i;
        EXPECT_LT(answerAt[static_cast<size_t>(i)], 250) << "picture " << i;
    }
}

TEST_F(Imagine, RightAnswerMarksItPlaysTheAnimalThenPraiseAndRepeats)
{
    openWith(0x12345678u);
    const Group g = ExpectedGroup(0x12345678u);
    const int right = rightPicture(g);
    const std::string own = Key("b", g.clue);
    std::string before = "st";
    for (int time = 0; time < 2; ++time) {
        rec.clear();
        ASSERT_TRUE(click(picture(right)));
        EXPECT_EQ(rec.log, Steps({StopSteps(before),
                                  play(own),
                                  {SleepLine(1000)},
                                  StopSteps(own),
                                  play("y"),
                                  {SleepLine(1000)},
                                  StopSteps("y"),
                                  play("gz")}));
        EXPECT_EQ(marks(), markedAt(right, "√"));
        EXPECT_EQ(quiz().ClickedPicture, right);
        before = "gz";
    }
}

TEST_F(Imagine, WrongAnswerMarksItAndSaysNoAndAMarkMovesWithTheNextClick)
{
    openWith(2026u);
    const Group g = ExpectedGroup(2026u);
    const int right = rightPicture(g);
    const int wrong = (right + 3) % 10;
    rec.clear();
    ASSERT_TRUE(click(picture(wrong)));
    EXPECT_EQ(rec.log, Steps({StopSteps("st"), play("no")}));
    EXPECT_EQ(marks(), markedAt(wrong, "×"));
    ASSERT_TRUE(click(picture(right)));
    EXPECT_EQ(marks(), markedAt(right, "√"));
    ASSERT_TRUE(click(picture(wrong)));
    EXPECT_EQ(marks(), markedAt(wrong, "×"));
}

TEST_F(Imagine, NextGroupClearsTheMarksBeforeTheNewPicturesAndSaysNextGroup)
{
    openWith(1);
    const int right = rightPicture(ExpectedGroup(1));
    ASSERT_TRUE(click(picture(right)));
    // Every picture of the new group is asked for while the marks are already empty.
    std::vector<std::string> marksAtLoad;
    platform::setResourceSource([&](const QString&, platform::ResourceKind kind) -> std::optional<QByteArray> {
        const std::array<std::string, 10> now = marks();
        marksAtLoad.push_back(
            std::all_of(now.begin(), now.end(), [](const std::string& m) { return m.empty(); }) ? "clear" : "marked");
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(Qt::gray);
        return kind == platform::ResourceKind::Picture ? std::optional(gen::encodeBmp24(img)) : std::nullopt;
    });
    rec.counter = 99;
    rec.clear();
    ASSERT_TRUE(click("SpeedButton1"));
    platform::setResourceSource({});
    EXPECT_EQ(marksAtLoad, std::vector<std::string>(11, "clear"));
    EXPECT_EQ(rec.log, Steps({StopSteps("gz"), play("n_g")}));
    const Group g = ExpectedGroup(99);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(quiz().ShownAnimal[static_cast<size_t>(i)], std::to_string(g.shown[static_cast<size_t>(i)]));
    EXPECT_EQ(quiz().ClueAnimal, std::to_string(g.clue));
}

TEST_F(Imagine, AMissingPictureEndsTheGroupThereAndNothingCrashes)
{
    const Group g = ExpectedGroup(7);
    pictures.remove(Key("FSB", g.shown[3]));
    testing_support::WarningLog warnings;
    openWith(7);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(colourOf(picture(i)), AnimalColour(g.shown[static_cast<size_t>(i)]).name().toStdString());
    for (int i = 3; i < 10; ++i) {
        EXPECT_FALSE(image(picture(i))->hasPicture()) << i;
        EXPECT_EQ(quiz().ShownAnimal[static_cast<size_t>(i)], "") << i;
    }
    EXPECT_EQ(quiz().ClueAnimal, "");
    EXPECT_FALSE(image("img000")->hasPicture());
    ASSERT_EQ(warnings.lines.size(), 1u);
    EXPECT_NE(warnings.lines[0].find("TFM_FaSanSiwei"), std::string::npos) << warnings.lines[0];
    EXPECT_NE(warnings.lines[0].find("FS" + Key("b", g.shown[3])), std::string::npos) << warnings.lines[0];
    // The start sound plays all the same; a picture without an animal is never right.
    EXPECT_EQ(rec.log, play("st"));
    for (int i : {0, 5}) {
        ASSERT_TRUE(click(picture(i)));
        EXPECT_EQ(marks(), markedAt(i, "×")) << i;
    }
}

}  // namespace
