// The four sound grids as a kid meets them: what each button shows and
// plays, the finals' ü labels, the alphabet's lowercase labels, the two
// forms of one numeral, and where the members differ.
#include "lessons/soundboards/sound_grid_lesson.h"
#include "platform/widgets.h"
#include "tests/soundgrids/soundgrids_harness.h"

#include <QRect>

using namespace soundgrids_test;
using testing_support::Steps;
using testing_support::StopSteps;

namespace {

struct Button {
    std::string widget, caption, sound;
};

struct Grid {
    std::string className, folder;
    bool maximised;
    int outerWidth;
    std::vector<Button> buttons;
};

// Buttons numbered in order: sound k is "00k".
std::vector<Button> Numbered(const std::vector<std::string>& widgets, const std::vector<std::string>& captions)
{
    std::vector<Button> b;
    for (size_t k = 0; k < widgets.size(); ++k)
        b.push_back({widgets[k], captions[k], ThreeDigits(static_cast<int>(k) + 1)});
    return b;
}

const std::vector<std::string> kPinyinButtons = {
    "btn_b", "btn_p", "btn_m",  "btn_f",  "btn_d",  "btn_t", "btn_n", "btn_l", "btn_g", "btn_k", "btn_h", "btn_j",
    "btn_q", "btn_x", "btn_zh", "btn_ch", "btn_sh", "btn_r", "btn_z", "btn_c", "btn_s", "btn_y", "btn_w"};

const Grid& Initials()
{
    static const Grid g{"TFM_VoiceOfHanYuPinYinSM", "pinyin/", false, 800,
                        Numbered(kPinyinButtons, {"b", "p", "m",  "f",  "d",  "t", "n", "l", "g", "k", "h", "j",
                                                  "q", "x", "zh", "ch", "sh", "r", "z", "c", "s", "y", "w"})};
    return g;
}

const Grid& Finals()
{
    static const Grid g{
        "TFM_VoiceOfHanYuPinYin", "pinyin/yunmu/", false, 800,
        Numbered(kPinyinButtons, {"a",  "o", "e",  "i",  "u",  " ",  "ai", "ei",  "ui",  "ao",  "ou", "iu",
                                  "ie", " ", "er", "an", "en", "in", "un", "ang", "eng", "ing", "ong"})};
    return g;
}

const Grid& Alphabet()
{
    static const Grid g = [] {
        Grid a{"TFM_VoiceOfABC", "abc/", true, 850, {}};
        for (char c = 'A'; c <= 'Z'; ++c) {
            const std::string widget = c == 'V' ? "btn_V" : "btn_" + std::string(1, static_cast<char>(c - 'A' + 'a'));
            // The Z button's stored caption is the lowercase z.
            a.buttons.push_back({widget, c == 'Z' ? "z" : std::string(1, c), ThreeDigits(c - 'A' + 1)});
        }
        return a;
    }();
    return g;
}

const Grid& Numerals()
{
    static const Grid g = [] {
        Grid n{"TFM_ShuZiDaXiao", "shuzidaxiao/", true, 800, {}};
        const char* common[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
        const char* formal[] = {"壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖", "拾"};
        for (int k = 1; k <= 10; ++k) {
            n.buttons.push_back({"btn_" + std::to_string(k), common[k - 1], ThreeDigits(k)});
            n.buttons.push_back({"btn_b" + std::to_string(k), formal[k - 1], ThreeDigits(k)});
        }
        return n;
    }();
    return g;
}

const Grid* const kGrids[] = {&Initials(), &Finals(), &Alphabet(), &Numerals()};

class SoundGrids : public ::testing::TestWithParam<const Grid*>, public LessonFixture {
protected:
    void open() { LessonFixture::open(GetParam()->className, GetParam()->folder); }
};

TEST_P(SoundGrids, CreationPlaysOnlyTheStartAndShowsEveryCaption)
{
    const Grid& g = *GetParam();
    open();
    EXPECT_EQ(rec.log, play("st"));
    EXPECT_EQ(screen->CurrentSoundAlias, "st");
    for (const Button& b : g.buttons)
        EXPECT_EQ(text(b.widget), b.caption) << g.className << " " << b.widget;
    EXPECT_EQ(screen->size(), platform::TForm::clientSizeFor(g.outerWidth, 600));
    EXPECT_TRUE(screen->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_P(SoundGrids, EveryButtonStopsTheSoundBeforeAndPlaysItsOwn)
{
    const Grid& g = *GetParam();
    open();
    std::string current = "st";
    for (const Button& b : g.buttons) {
        EXPECT_EQ(click(b.widget), Steps({StopSteps(current), play(b.sound)})) << g.className << " " << b.widget;
        current = b.sound;
    }
    // Backwards too, so no button's sound depends on the one before.
    for (auto b = g.buttons.rbegin(); b != g.buttons.rend(); ++b) {
        EXPECT_EQ(click(b->widget), Steps({StopSteps(current), play(b->sound)})) << g.className << " " << b->widget;
        current = b->sound;
    }
}

TEST_P(SoundGrids, TheSameButtonTwiceStartsItsSoundOver)
{
    const Grid& g = *GetParam();
    open();
    const Button& b = g.buttons.at(2);
    click(b.widget);
    EXPECT_EQ(click(b.widget), Steps({StopSteps(b.sound), play(b.sound)}));
    EXPECT_EQ(screen->CurrentSoundAlias, b.sound);
}

TEST_P(SoundGrids, BackButtonStopsTheSoundAndCloses)
{
    const Grid& g = *GetParam();
    open();
    click(g.buttons.back().widget);
    EXPECT_EQ(click("btn_backlasmenu"), StopSteps(g.buttons.back().sound));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(screen->CurrentSoundAlias.empty());
}

INSTANTIATE_TEST_SUITE_P(AllFour, SoundGrids, ::testing::ValuesIn(kGrids),
                         [](const auto& info) { return info.param->className; });

class SoundGridCases : public ::testing::Test, public LessonFixture {};

// The initials and finals share the names "001".."023"; only the folder differs.
TEST_F(SoundGridCases, BtnBSaysBInOneFolderAndAInTheOther)
{
    open(Initials().className, Initials().folder);
    const auto initial = click("btn_b");
    open(Finals().className, Finals().folder);
    const auto final = click("btn_b");
    ASSERT_EQ(initial.size(), final.size());
    EXPECT_EQ(initial, Steps({StopSteps("st"), testing_support::PlaySteps(media.programFolder() + "pinyin/", "001")}));
    EXPECT_EQ(final,
              Steps({StopSteps("st"), testing_support::PlaySteps(media.programFolder() + "pinyin/yunmu/", "001")}));
}

TEST_F(SoundGridCases, FinalsShowTheTwoULabelsOverBlankButtonsAndTheyClickThrough)
{
    open(Finals().className, Finals().folder);
    const struct {
        const char* label;
        const char* text;
        const char* button;
        const char* sound;
    } cases[] = {{"lb_u1", "ü", "btn_t", "006"}, {"lb_u2", "üe", "btn_x", "014"}};
    std::string current = "st";
    for (const auto& c : cases) {
        EXPECT_TRUE(shown(c.label)) << c.label;
        EXPECT_EQ(text(c.label), c.text);
        EXPECT_EQ(text(c.button), " ");
        const QRect button = testing_support::Find(screen.get(), c.button)->geometry();
        EXPECT_TRUE(button.contains(testing_support::Find(screen.get(), c.label)->geometry())) << c.label;
        EXPECT_EQ(click(c.label), Steps({StopSteps(current), play(c.sound)})) << c.label;
        current = c.sound;
    }
}

TEST_F(SoundGridCases, InitialsHaveNoULabels)
{
    open(Initials().className, Initials().folder);
    EXPECT_EQ(testing_support::Find(screen.get(), "lb_u1"), nullptr);
    EXPECT_EQ(testing_support::Find(screen.get(), "lb_u2"), nullptr);
}

std::string LowercaseLabel(int letter)
{
    return letter == 11 ? "lb_L" : "lb_" + std::string(1, static_cast<char>('a' + letter));
}

TEST_F(SoundGridCases, AlphabetLowercaseLabelsOnlyEverAppear)
{
    open(Alphabet().className, Alphabet().folder);
    for (int k = 0; k < 26; ++k)
        EXPECT_FALSE(shown(LowercaseLabel(k))) << LowercaseLabel(k);
    // Out of order, so a label's reveal cannot come from a neighbour's.
    const int order[] = {7, 0, 25, 11, 21, 3, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24};
    std::vector<bool> revealed(26, false);
    for (int letter : order) {
        click(Alphabet().buttons[static_cast<size_t>(letter)].widget);
        revealed[static_cast<size_t>(letter)] = true;
        EXPECT_EQ(dynamic_cast<soundboards::SoundGridLesson&>(*screen).ItemIndex, letter);
        for (int k = 0; k < 26; ++k)
            EXPECT_EQ(shown(LowercaseLabel(k)), revealed[static_cast<size_t>(k)]) << "after " << letter << ": " << k;
        EXPECT_EQ(text(LowercaseLabel(letter)), std::string(1, static_cast<char>('a' + letter)));
    }
    // More clicks change nothing but the sound, on the buttons and on the labels now over them.
    for (const char* again : {"btn_a", "btn_V", "lb_q", "lb_L", "btn_z"}) {
        const auto log = click(again);
        EXPECT_EQ(log.size(), Steps({StopSteps("x"), play("001")}).size()) << again;
        for (int k = 0; k < 26; ++k)
            EXPECT_TRUE(shown(LowercaseLabel(k))) << again << ": " << k;
    }
    EXPECT_EQ(screen->CurrentSoundAlias, "026");
    EXPECT_EQ(click("lb_L"), Steps({StopSteps("026"), play("012")}));
}

TEST_F(SoundGridCases, AlphabetLabelsStartHiddenOnTheNextVisit)
{
    open(Alphabet().className, Alphabet().folder);
    click("btn_a");
    open(Alphabet().className, Alphabet().folder);
    EXPECT_FALSE(shown("lb_a"));
}

TEST_F(SoundGridCases, BothFormsOfANumeralPlayOneSound)
{
    open(Numerals().className, Numerals().folder);
    const struct {
        const char* common;
        const char* formal;
        const char* sound;
    } pairs[] = {{"btn_3", "btn_b3", "003"}, {"btn_10", "btn_b10", "010"}};
    for (const auto& p : pairs) {
        click(p.common);
        EXPECT_EQ(click(p.formal), Steps({StopSteps(p.sound), play(p.sound)})) << p.formal;
        EXPECT_EQ(dynamic_cast<soundboards::SoundGridLesson&>(*screen).ItemIndex, std::stoi(p.sound) - 1);
    }
    EXPECT_EQ(text("btn_3"), "三");
    EXPECT_EQ(text("btn_b3"), "叁");
    EXPECT_EQ(text("btn_10"), "十");
    EXPECT_EQ(text("btn_b10"), "拾");
}

}  // namespace
