// The rescue game as a kid meets it: codes and rounds from fixed seeds
// against the draws written out from the rules, the start state, the typing
// edge cases, the right and wrong codes, ten turns and the eleventh, the
// computer's keyboard, and trapped-animal files that are missing or corrupt.
#include "lessons/games/form_password.h"
#include "tests/rescue/rescue_fixture.h"

#include "platform/random.h"
#include "tools/content_gen/picture_writers.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <random>
#include <set>

using namespace rescue_test;
using testing_support::SleepLine;
using testing_support::Steps;
using testing_support::StopSteps;

namespace {

// n = Random(7) digits counting down, then letters from 26 draws of
// Random(27) (0 gives none), completed by further draws where short.
std::string ExpectedCode(uint32_t s)
{
    const int n = Draw(s, 7);
    std::string code;
    for (int i = n; i >= 1; --i)
        code += static_cast<char>('0' + i);
    std::string letters;
    for (int d = 0; n < 6 && (d < 26 || letters.size() < static_cast<size_t>(6 - n)); ++d)
        if (const int x = Draw(s, 27); x > 0)
            letters += static_cast<char>('A' + x - 1);
    return code + letters.substr(0, static_cast<size_t>(6 - n));
}

// Ten draws empty the pool "1".."10": the order of the turns.
std::vector<int> ExpectedOrder(uint32_t s)
{
    std::vector<int> pool{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, order;
    for (int k = 10; k >= 1; --k) {
        const int r = Draw(s, k);
        order.push_back(pool[static_cast<size_t>(r)]);
        pool.erase(pool.begin() + r);
    }
    return order;
}

// The first seed from `from` on whose code satisfies `want`.
template <class F>
uint32_t SeedWhere(F want, uint32_t from = 0)
{
    for (uint32_t s = from;; ++s)
        if (want(ExpectedCode(s)))
            return s;
}

// The keys by the character they type, as the layout names them.
std::string KeyFor(char c)
{
    static const std::map<char, std::string> letters = {
        {'Q', "btnq"}, {'W', "btnw"}, {'E', "btne"}, {'R', "btnr"}, {'T', "Btnt"}, {'Y', "btny"}, {'U', "btnU"},
        {'I', "btnI"}, {'O', "btno"}, {'P', "BtnP"}, {'A', "Btna"}, {'S', "btns"}, {'D', "BtnD"}, {'F', "btnf"},
        {'G', "btnG"}, {'H', "BtnH"}, {'J', "BtnJ"}, {'K', "btnK"}, {'L', "btnL"}, {'Z', "btnz"}, {'X', "btnx"},
        {'C', "btnc"}, {'V', "btnV"}, {'B', "btnB"}, {'N', "BtnN"}, {'M', "btnM"}};
    if (c >= '0' && c <= '9')
        return std::string("btn") + c;
    return letters.at(c);
}

std::string SoundOf(char c)
{
    if (c >= '0' && c <= '9')
        return std::string("00") + c;
    return std::string(1, static_cast<char>(c - 'A' + 'a'));
}

QColor TrappedColour(int n)
{
    return QColor(200, n * 20, 100);
}
QColor FreedColour(int n)
{
    return QColor(n * 20, 100, 200);
}

std::string Key3(int n)
{
    char key[8];
    std::snprintf(key, sizeof key, "%03d", n);
    return key;
}

class Password : public ::testing::Test, public ScreenFixture {
protected:
    Password() : ScreenFixture("password/")
    {
        for (int n = 1; n <= 10; ++n) {
            pictures.add("PSWT" + Key3(n), 240, 240, FreedColour(n));
            writeTrapped(n);
        }
        pictures.add("PSWTback", 60, 60, Qt::darkGray);
        pictures.add("PSWTback_H", 80, 60, Qt::darkYellow);
        pictures.add("PSWTback_enter", 90, 60, Qt::darkGreen);
        pictures.add("PSWT_START", 150, 104, Qt::yellow);
        pictures.add("PSWT_HAND", 56, 52, Qt::red);
    }
    std::string trappedFile(int n) const { return media.path("password\\", "a" + Key3(n) + ".bmp"); }
    void writeTrapped(int n)
    {
        QImage img(240, 176, QImage::Format_RGB32);
        img.fill(TrappedColour(n));
        writeFile(trappedFile(n), gen::encodeBmp24(img));
    }
    static void writeFile(const std::string& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    TFM_Password& game() { return static_cast<TFM_Password&>(*screen); }
    void openWith(uint32_t seed)
    {
        rec.counter = seed;
        open("TFM_Password");
    }
    // Clicks the keys of each character; '<' is "后退", '=' is "确定".
    void type(const std::string& keys)
    {
        for (char c : keys) {
            const std::string name = c == '<' ? "SpeedButton2" : c == '=' ? "btnEnter" : KeyFor(c);
            ASSERT_TRUE(click(name)) << name;
        }
    }
    // What the six slots show: the characters of the shown ones.
    std::string typed() const
    {
        std::string t;
        for (int i = 1; i <= 6; ++i)
            if (shown("lbb" + std::to_string(i)))
                t += text("lbb" + std::to_string(i));
        return t;
    }
    std::string trappedShown(int n) const { return TrappedColour(n).name().toStdString(); }
    void start() { ASSERT_TRUE(click("img_start")); }
};

TEST(RescueCode, FollowsTheDrawsAndIsAlwaysSixCharacters)
{
    std::set<int> digitCounts;
    for (uint32_t i = 0; i < 4000; ++i) {
        const uint32_t seed = i * 2654435761u;
        platform::RandSeed = seed;
        const std::string code = games::DrawRescueCode(platform::Random);
        ASSERT_EQ(code, ExpectedCode(seed)) << "seed " << seed;
        ASSERT_EQ(code.size(), 6u) << code;
        size_t digits = 0;
        while (digits < 6 && code[digits] >= '1' && code[digits] <= '6')
            ++digits;
        for (size_t k = 0; k < digits; ++k)
            EXPECT_EQ(code[k], static_cast<char>('0' + digits - k)) << code << ": the digits count down to 1";
        for (size_t k = digits; k < 6; ++k)
            EXPECT_TRUE(code[k] >= 'A' && code[k] <= 'Z') << code;
        EXPECT_EQ(code.find_first_of("0789"), std::string::npos) << code;
        digitCounts.insert(static_cast<int>(digits));
    }
    EXPECT_EQ(digitCounts, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(RescueCode, TooFewLettersAreCompletedByFurtherDraws)
{
    // Such draws do not come from the real generator's seeds in practice, so
    // the draws are given: n, then the 26 letter draws (0 where not listed),
    // then the further ones.
    const struct {
        int n;
        std::vector<int> letterDraws;
        std::vector<int> further;
        const char* code;
    } cases[] = {
        {0, {1, 2, 3}, {0, 5, 26, 0, 1}, "ABCEZA"},
        {3, {26}, {17, 25}, "321ZQY"},
        {5, {}, {0, 0, 11}, "54321K"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        std::vector<int> answers{c.n};
        answers.insert(answers.end(), c.letterDraws.begin(), c.letterDraws.end());
        answers.resize(27, 0);
        answers.insert(answers.end(), c.further.begin(), c.further.end());
        std::vector<int> bounds;
        const std::string code = games::DrawRescueCode([&](int bound) {
            bounds.push_back(bound);
            return bounds.size() <= answers.size() ? answers[bounds.size() - 1] : 0;
        });
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(bounds.size(), answers.size()) << "draws stop once the code is complete";
        EXPECT_EQ(bounds.front(), 7);
        EXPECT_TRUE(std::all_of(bounds.begin() + 1, bounds.end(), [](int b) { return b == 27; }));
    }
}

TEST_F(Password, CodesOnScreenFromFixedSeeds)
{
    const uint32_t allDigits = SeedWhere([](const std::string& c) { return c == "654321"; });
    const uint32_t noDigit = SeedWhere([](const std::string& c) { return c[0] >= 'A'; });
    const uint32_t repeated =
        SeedWhere([](const std::string& c) { return c[0] >= 'A' && std::set<char>(c.begin(), c.end()).size() < 6; });
    for (uint32_t seed : {allDigits, noDigit, repeated, 0x12345678u}) {
        openWith(seed);
        EXPECT_EQ(text("lb1"), ExpectedCode(seed)) << "seed " << seed;
    }
}

TEST_F(Password, StartStateShowsTheCodeUnderTheBubbleAndTypesNothing)
{
    openWith(0x12345678u);
    EXPECT_EQ(rec.log, play("st"));
    EXPECT_EQ(screen->windowTitle().toStdString(), "解救动物");
    EXPECT_FALSE(screen->Settings().maximiseOnShow);
    EXPECT_EQ(text("lb1").size(), 6u);
    EXPECT_EQ(game().RescueTurn, 0);
    EXPECT_EQ(game().RescueDone, 0);
    EXPECT_EQ(game().RescueAnimal, "");
    EXPECT_FALSE(image("img_help")->hasPicture());
    for (const char* on : {"img_start", "img_start_shou"})
        EXPECT_TRUE(shown(on)) << on;
    for (const char* off : {"img_next", "img_enter", "lbb1", "lbb2", "lbb3", "lbb4", "lbb5", "lbb6"})
        EXPECT_FALSE(shown(off)) << off;
    // The keyboard skin.
    for (int i = 3; i <= 38; ++i)
        EXPECT_EQ(colourOf("Image" + std::to_string(i)), QColor(Qt::darkGray).name().toStdString()) << i;
    EXPECT_EQ(colourOf("img_back_H"), QColor(Qt::darkYellow).name().toStdString());
    EXPECT_EQ(colourOf("img_back_enter"), QColor(Qt::darkGreen).name().toStdString());

    // Keys speak but type nothing; "下一组" is silent; "确定" says no.
    rec.clear();
    type("7Q");
    EXPECT_EQ(rec.log, Steps({StopSteps("st"), play("007"), StopSteps("007"), play("q")}));
    EXPECT_EQ(typed(), "");
    rec.clear();
    ASSERT_TRUE(click("SpeedButton1"));
    EXPECT_TRUE(rec.log.empty());
    type("=");
    EXPECT_EQ(rec.log, Steps({StopSteps("q"), play("enter"), {SleepLine(1000)}, StopSteps("enter"), play("no")}));
    EXPECT_EQ(text("lb1"), ExpectedCode(0x12345678u));
}

TEST_F(Password, EveryKeySpeaksItsCharacter)
{
    openWith(1);
    start();
    const std::string keys = "1234567890QWERTYUIOPASDFGHJKLZXCVBNM";
    for (char c : keys) {
        ASSERT_TRUE(click("SpeedButton2"));  // keeps a slot free
        rec.clear();
        ASSERT_TRUE(click(KeyFor(c))) << c;
        EXPECT_EQ(rec.log, Steps({StopSteps("back"), play(SoundOf(c))})) << c;
        EXPECT_EQ(typed(), std::string(1, c));
        type("<");
    }
}

TEST_F(Password, StartShowsTheFirstAnimalOfTheShuffledOrderAfterAPause)
{
    openWith(4242u);
    const std::vector<int> order = ExpectedOrder(4242u);
    rec.clear();
    start();
    EXPECT_FALSE(shown("img_start"));
    EXPECT_FALSE(shown("img_start_shou"));
    for (int t = 1; t <= 10; ++t)
        EXPECT_EQ(game().RescueOrder[static_cast<size_t>(t)], std::to_string(order[static_cast<size_t>(t - 1)]));
    const std::string sound = "a" + Key3(order[0]);
    EXPECT_EQ(rec.log, Steps({{SleepLine(1000)}, StopSteps("st"), play(sound)}));
    EXPECT_EQ(colourOf("img_help"), trappedShown(order[0]));
    EXPECT_EQ(game().RescueTurn, 1);
    EXPECT_EQ(game().RescueAnimal, std::to_string(order[0]));
}

// The code is drawn at creation and after the pause that follows "n_g"; the
// order of the turns once, when the bubble is clicked, before its pause.
TEST_F(Password, ReseedsWhereTheCodeAndTheOrderAreDrawn)
{
    rec.logSeeds = true;
    openWith(4242u);
    EXPECT_EQ(rec.log, Steps({{"Randomize"}, play("st")}));
    const std::vector<int> order = ExpectedOrder(4242u);
    rec.clear();
    start();
    const std::string first = "a" + Key3(order[0]);
    EXPECT_EQ(rec.log, Steps({{"Randomize", SleepLine(1000)}, StopSteps("st"), play(first)}));
    rec.clear();
    ASSERT_TRUE(click("SpeedButton1"));
    EXPECT_EQ(rec.log, Steps({StopSteps(first),
                              play("n_g"),
                              {SleepLine(1000), "Randomize", SleepLine(1000)},
                              StopSteps("n_g"),
                              play("a" + Key3(order[1]))}));
}

TEST_F(Password, TenTurnsShowEachAnimalOnceAndTheEleventhTheFirstAgain)
{
    openWith(77u);
    const std::vector<int> order = ExpectedOrder(77u);
    start();
    std::vector<int> seen{order[0]};
    std::string current = "a" + Key3(order[0]);
    for (int turn = 2; turn <= 11; ++turn) {
        SCOPED_TRACE(turn);
        const uint32_t seed = 1000u + static_cast<uint32_t>(turn);
        rec.counter = seed;
        rec.clear();
        ASSERT_TRUE(click("SpeedButton1"));
        const int animal = order[static_cast<size_t>((turn - 1) % 10)];
        const std::string sound = "a" + Key3(animal);
        EXPECT_EQ(
            rec.log,
            Steps(
                {StopSteps(current), play("n_g"), {SleepLine(1000), SleepLine(1000)}, StopSteps("n_g"), play(sound)}));
        EXPECT_EQ(colourOf("img_help"), trappedShown(animal));
        EXPECT_EQ(game().RescueAnimal, std::to_string(animal));
        EXPECT_EQ(text("lb1"), ExpectedCode(seed)) << "a new code with each group";
        EXPECT_FALSE(shown("img_next"));
        current = sound;
        if (turn <= 10)
            seen.push_back(animal);
    }
    EXPECT_EQ(game().RescueTurn, 1);
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(Password, TypingEdgeCases)
{
    const struct {
        const char* keys;  // '<' is "后退"
        const char* typed;
        bool handAtEnter;
        const char* lastSound;
    } cases[] = {
        {"ABCDEFG", "ABCDEF", true, "g"},  // a seventh key is dropped but still speaks
        {"<", "", false, "back"},          // "后退" with nothing typed only speaks
        {"ABCDEF<", "ABCDE", false, "back"},
        {"ABCDEF<Z", "ABCDEZ", true, "z"},
        {"AB<<<C", "C", false, "c"},
        {"123456", "123456", true, "006"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        openWith(5);
        start();
        rec.clear();
        type(c.keys);
        EXPECT_EQ(typed(), c.typed);
        EXPECT_EQ(shown("img_enter"), c.handAtEnter);
        const auto last = play(c.lastSound);
        ASSERT_GE(rec.log.size(), last.size());
        EXPECT_TRUE(std::equal(last.begin(), last.end(), rec.log.end() - static_cast<long>(last.size())));
        // Slots fill from the left: the shown ones are the first ones.
        for (size_t i = 1; i <= 6; ++i)
            EXPECT_EQ(shown("lbb" + std::to_string(i)), i <= std::string(c.typed).size()) << i;
    }
}

TEST_F(Password, ShortOrWrongCodeSaysNoAfterAPauseAndClearsWhatWasTyped)
{
    openWith(31u);
    start();
    const std::string code = text("lb1");
    std::string wrong = code;
    wrong[5] = code[5] == 'A' ? 'B' : 'A';
    for (const std::string& keys : {code.substr(0, 3), wrong}) {
        SCOPED_TRACE(keys);
        type(keys);
        rec.clear();
        type("=");
        EXPECT_EQ(rec.log, Steps({StopSteps(keys.size() == 6 ? SoundOf(keys[5]) : SoundOf(keys[2])),
                                  play("enter"),
                                  {SleepLine(1000)},
                                  StopSteps("enter"),
                                  play("no")}));
        EXPECT_EQ(typed(), "");
        EXPECT_FALSE(shown("img_enter"));
        EXPECT_EQ(text("lb1"), code) << "the code stays";
        EXPECT_EQ(game().RescueDone, 0);
        EXPECT_EQ(colourOf("img_help"), trappedShown(ExpectedOrder(31u)[0]));
    }
}

TEST_F(Password, RightCodeFreesTheAnimalAndAnotherEnterSaysNo)
{
    openWith(8u);
    start();
    const int animal = ExpectedOrder(8u)[0];
    const std::string code = text("lb1");
    type(code);
    rec.clear();
    type("=");
    EXPECT_EQ(
        rec.log,
        Steps({StopSteps(SoundOf(code[5])), play("enter"), {SleepLine(1000)}, StopSteps("enter"), play("ok_help")}));
    EXPECT_EQ(colourOf("img_help"), FreedColour(animal).name().toStdString());
    EXPECT_EQ(game().RescueDone, 1);
    EXPECT_TRUE(shown("img_next"));
    EXPECT_EQ(text("lb1"), "");
    EXPECT_EQ(typed(), "");
    // Again, without "下一组": the code is gone, so it is wrong.
    type(code);
    rec.clear();
    type("=");
    EXPECT_EQ(rec.log,
              Steps({StopSteps(SoundOf(code[5])), play("enter"), {SleepLine(1000)}, StopSteps("enter"), play("no")}));
    EXPECT_EQ(game().RescueDone, 0);
    EXPECT_EQ(colourOf("img_help"), FreedColour(animal).name().toStdString());
    // "下一组" brings the next animal and takes the hand away.
    ASSERT_TRUE(click("SpeedButton1"));
    EXPECT_FALSE(shown("img_next"));
    EXPECT_EQ(colourOf("img_help"), trappedShown(ExpectedOrder(8u)[1]));
}

TEST_F(Password, TheComputersKeyboardTypesNothing)
{
    openWith(3);
    start();
    screen->activateWindow();
    rec.clear();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_1, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace})
        QTest::keyClick(screen.get(), key);
    QTest::keyClicks(screen.get(), "Q");
    EXPECT_TRUE(rec.log.empty());
    EXPECT_EQ(typed(), "");
}

TEST(RescuePictureFile, HasTwoSeparatorsInARowAndOpensAllTheSame)
{
    EXPECT_EQ(games::RescuePictureFile("/opt/qing he/password/", "007"), "/opt/qing he/password//a007.bmp");
}

TEST_F(Password, AMissingOrCorruptTrappedPictureEndsThatTurnsLoadAtTheFile)
{
    QByteArray good;
    {
        QImage img(240, 176, QImage::Format_RGB32);
        img.fill(Qt::blue);
        good = gen::encodeBmp24(img);
    }
    QByteArray huge = good.left(54);
    // A header claiming 60000 by 60000 pixels.
    const quint32 side = 60000;
    std::memcpy(huge.data() + 18, &side, 4);
    std::memcpy(huge.data() + 22, &side, 4);
    const struct {
        const char* what;
        std::function<void(const std::string& path)> spoil;
    } cases[] = {
        {"missing", [](const std::string& p) { QFile::remove(QString::fromStdString(p)); }},
        {"empty", [](const std::string& p) { writeFile(p, QByteArray()); }},
        {"not a picture", [](const std::string& p) { writeFile(p, "hello, this is text"); }},
        {"a BMP cut short", [&](const std::string& p) { writeFile(p, good.left(200)); }},
        {"BM and noise",
         [](const std::string& p) {
             QByteArray noise("BM");
             for (int i = 0; i < 4000; ++i)
                 noise.append(static_cast<char>((i * 7919) % 251));
             writeFile(p, noise);
         }},
        {"a huge header", [&](const std::string& p) { writeFile(p, huge); }},
        {"a folder",
         [](const std::string& p) {
             QFile::remove(QString::fromStdString(p));
             QDir().mkpath(QString::fromStdString(p));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (int n = 1; n <= 10; ++n) {
            QDir(QString::fromStdString(trappedFile(n))).removeRecursively();
            writeTrapped(n);
        }
        const std::vector<int> order = ExpectedOrder(9u);
        c.spoil(trappedFile(order[1]));
        openWith(9u);
        start();
        rec.clear();
        testing_support::WarningLog warnings;
        ASSERT_TRUE(click("SpeedButton1"));
        // "n_g", the two pauses, and no animal sound.
        EXPECT_EQ(rec.log, Steps({StopSteps("a" + Key3(order[0])), play("n_g"), {SleepLine(1000), SleepLine(1000)}}));
        EXPECT_EQ(colourOf("img_help"), trappedShown(order[0])) << "the previous picture stays";
        EXPECT_EQ(game().RescueAnimal, std::to_string(order[0]));
        EXPECT_EQ(game().RescueTurn, 2);
        EXPECT_FALSE(shown("img_next"));
        ASSERT_EQ(warnings.lines.size(), 1u);
        EXPECT_NE(warnings.lines[0].find("TFM_Password"), std::string::npos) << warnings.lines[0];
        // The turn after it loads again.
        ASSERT_TRUE(click("SpeedButton1"));
        EXPECT_EQ(colourOf("img_help"), trappedShown(order[2]));
        EXPECT_EQ(game().RescueAnimal, std::to_string(order[2]));
    }
}

TEST_F(Password, TrappedPicturesWithSpoiledBytesNeverCrashTheTurn)
{
    QByteArray good;
    {
        QImage img(240, 176, QImage::Format_RGB32);
        img.fill(Qt::blue);
        good = gen::encodeBmp24(img);
    }
    openWith(21u);
    start();
    std::mt19937 random(2026);
    testing_support::WarningLog warnings;
    size_t failed = 0;
    for (int round = 0; round < 150; ++round) {
        // Every file a good BMP with a few bytes of its header and rows spoiled.
        for (int n = 1; n <= 10; ++n) {
            QByteArray bytes = good;
            for (int k = 0; k < 4; ++k) {
                const auto at = static_cast<qsizetype>(random() % (k < 2 ? 54u : static_cast<unsigned>(bytes.size())));
                bytes[at] = static_cast<char>(random() & 0xFF);
            }
            if (random() % 4 == 0)
                bytes.truncate(static_cast<qsizetype>(random() % static_cast<unsigned>(bytes.size())));
            writeFile(trappedFile(n), bytes);
        }
        const std::string before = game().RescueAnimal;
        const std::string shownBefore = colourOf("img_help");
        rec.clear();
        ASSERT_TRUE(click("SpeedButton1")) << "round " << round;
        const bool loaded = rec.log.size() > 9;  // an animal sound after "n_g" and the pauses
        if (!loaded) {
            ++failed;
            EXPECT_EQ(game().RescueAnimal, before) << "round " << round;
            EXPECT_EQ(colourOf("img_help"), shownBefore) << "round " << round;
        } else {
            EXPECT_TRUE(image("img_help")->hasPicture()) << "round " << round;
        }
    }
    EXPECT_EQ(warnings.lines.size(), failed) << "one line for each turn that could not load";
    EXPECT_GT(failed, 0u);
}

TEST_F(Password, AMissingFirstPictureLeavesTheTurnWithoutAnAnimal)
{
    const std::vector<int> order = ExpectedOrder(12u);
    QFile::remove(QString::fromStdString(trappedFile(order[0])));
    openWith(12u);
    rec.clear();
    start();
    EXPECT_EQ(rec.log, std::vector<std::string>{SleepLine(1000)});
    EXPECT_FALSE(image("img_help")->hasPicture());
    EXPECT_EQ(game().RescueAnimal, "");
    EXPECT_EQ(game().RescueTurn, 1);
    // Typing and checking go on without a crash.
    type(text("lb1") + "=");
    EXPECT_EQ(game().RescueDone, 0);
}

}  // namespace
