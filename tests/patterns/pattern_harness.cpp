#include "tests/patterns/pattern_harness.h"

#include "lesson_frame/lesson_registry.h"
#include "lessons/games/games.h"
#include "platform/widgets.h"

#include <algorithm>
#include <cstdio>

using testing_support::FindAs;

namespace pattern_test {

namespace {

std::vector<std::string> names(const std::string& prefix, int first, int last)
{
    std::vector<std::string> out;
    for (int i = first; i <= last; ++i)
        out.push_back(prefix + std::to_string(i));
    return out;
}

const QColor kPurple(128, 0, 128);

const std::string kAbbText = "保持和上面的图片同样的ABB的规律";
const std::string kAbabText = "保持和上面的图片同样的ABAB的规律";

}  // namespace

const Lesson& NumberAbb()
{
    static const Lesson l{.className = "TFM_ZhaoGuiLv",
                          .folder = "gulv/",
                          .rule = Rule::ABB,
                          .pictures = false,
                          .ex1 = names("lb", 1, 3),
                          .ex2 = names("lb", 4, 6),
                          .question = names("lb", 7, 9),
                          .gapLabels = {"lb9"},
                          .instruction = "请从箭头的右边选择一个数字放到箭头指向的左边，" + kAbbText,
                          .gapColour = kPurple,
                          .openingMark = "?",
                          .silencesSystemSound = true};
    return l;
}

const Lesson& FruitAbb()
{
    static const Lesson l{.className = "TFM_ZhaoGuLV_Shuiguo",
                          .folder = "guilv_shuiguo/",
                          .rule = Rule::ABB,
                          .pictures = true,
                          .prefix = "GLABBSGT",
                          .ex1 = names("img", 1, 3),
                          .ex2 = names("img", 4, 6),
                          .question = {"imgb1", "imgb2", "imgb3"},
                          .gapLabels = {"Lb2"},
                          .gapPictures = {"imgb3"},
                          .instruction = "请从箭头的右边选择一种水果放到箭头指向的左边，" + kAbbText,
                          .gapColour = QColor(0, 128, 0),
                          .openingMark = "?",
                          .wrongGap = WrongGap::Keep};
    return l;
}

const Lesson& AnimalAbb()
{
    static const Lesson l{.className = "TFM_ZhaoGuilv_DongWu",
                          .folder = "guilv_dongwu/",
                          .rule = Rule::ABB,
                          .pictures = true,
                          .prefix = "GLABBDWT",
                          .ex1 = names("img", 1, 3),
                          .ex2 = names("img", 4, 6),
                          .question = {"imgb1", "imgb2", "imgb3"},
                          .gapLabels = {"lb2"},
                          .gapPictures = {"imgb3"},
                          .instruction = "请从箭头的右边选择一种动物放到箭头指向的左边，" + kAbbText,
                          .gapColour = QColor(255, 0, 255),
                          .openingMark = "？",
                          .handAtStart = true,
                          .wrongGap = WrongGap::Hide};
    return l;
}

const Lesson& NumberAbab()
{
    static const Lesson l{.className = "TFM_ZhaoGuiLv_ShuiZi_ABAB",
                          .folder = "guilv_abab/",
                          .rule = Rule::ABAB,
                          .pictures = false,
                          .ex1 = names("lb", 1, 4),
                          .ex2 = names("lb", 5, 8),
                          .question = names("lb", 9, 12),
                          .gapLabels = {"lb11", "lb12"},
                          .instruction = "请从箭头的右边选择一个数字放到箭头指向的左边，" + kAbabText,
                          .gapColour = kPurple,
                          .openingMark = "?"};
    return l;
}

const Lesson& FruitAbab()
{
    static const Lesson l{.className = "TFM_ZhaoGuiLv_ABAB_ShuiGuo",
                          .folder = "guilv_abab_shuiguo/",
                          .rule = Rule::ABAB,
                          .pictures = true,
                          .prefix = "GLABABSGT",
                          .ex1 = names("img", 1, 4),
                          .ex2 = names("img", 5, 8),
                          .question = {"imgb1", "imgb2", "imgb3", "imgb3_1"},
                          .gapLabels = {"lb11", "lb12"},
                          .gapPictures = {"imgb3", "imgb3_1"},
                          .instruction = "请从箭头的右边选择一种水果放到箭头指向的左边，" + kAbabText,
                          .gapColour = kPurple,
                          .openingMark = "?",
                          .wrongGap = WrongGap::Empty};
    return l;
}

const Lesson& AnimalAbab()
{
    static const Lesson l{.className = "TFM_ZhaoGuiLV_ABAB_Dongwu",
                          .folder = "guilv_abab_dongwu/",
                          .rule = Rule::ABAB,
                          .pictures = true,
                          .prefix = "GLABABDWT",
                          .ex1 = names("img", 1, 4),
                          .ex2 = names("img", 5, 8),
                          .question = {"imgb1", "imgb2", "imgb3", "imgb3_1"},
                          .gapLabels = {"lb11", "lb12"},
                          .gapPictures = {"imgb3", "imgb3_1"},
                          .instruction = "请从箭头的右边选择一种动物放到箭头指向的左边，" + kAbabText,
                          .gapColour = kPurple,
                          .openingMark = "?",
                          .wrongGap = WrongGap::EmptyTile,
                          .replaysStart = true,
                          .startsBeforeBuilding = true};
    return l;
}

const std::vector<const Lesson*>& AllLessons()
{
    static const std::vector<const Lesson*> all{&NumberAbb(),  &FruitAbb(),  &AnimalAbb(),
                                                &NumberAbab(), &FruitAbab(), &AnimalAbab()};
    return all;
}

std::string FamilyPicture(const std::string& prefix, int value)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%03d", prefix.c_str(), value);
    return name;
}

int Question::rightCandidate() const
{
    for (size_t j = 0; j < candidates.size(); ++j)
        if (candidates[j] == answer)
            return static_cast<int>(j);
    return -1;
}

Question ExpectedQuestion(Rule rule, uint32_t seed)
{
    testing_support::ReferenceRandom reference{seed};
    const auto random = [&reference](int n) { return static_cast<size_t>(reference.below(n)); };
    std::vector<std::string> pool;
    for (int v = 1; v <= 10; ++v)
        pool.push_back(std::to_string(v));
    const auto take = [&](std::vector<std::string>& from, int bound) {
        const size_t r = random(bound);
        std::string v = from[r];
        from.erase(from.begin() + static_cast<long>(r));
        return v;
    };
    Question q;
    const std::string a1 = take(pool, 10), b1 = take(pool, 9), a2 = take(pool, 8), b2 = take(pool, 7);
    const std::string p = take(pool, 6);
    if (rule == Rule::ABAB)
        q.gapPosition = static_cast<int>(random(2));
    const std::string r5 = take(pool, 5);
    std::vector<std::string> list{rule == Rule::ABB ? r5 : p};
    for (int k = 4; k >= 2; --k)
        list.push_back(take(pool, k));
    take(pool, 1);
    q.answer = list[0];
    if (rule == Rule::ABB) {
        q.ex1 = {a1, b1, b1};
        q.ex2 = {a2, b2, b2};
        q.question = {p, r5, "?"};
    } else {
        q.ex1 = {a1, b1, a1, b1};
        q.ex2 = {a2, b2, a2, b2};
        q.question =
            q.gapPosition == 0 ? std::vector<std::string>{p, r5, "?", r5} : std::vector<std::string>{r5, p, r5, "?"};
    }
    for (int j = 4; j >= 1; --j)
        q.candidates[static_cast<size_t>(4 - j)] = take(list, j);
    return q;
}

int DrawsPerQuestion(Rule rule)
{
    return rule == Rule::ABB ? 14 : 15;
}

uint32_t SeedWithAnswer(Rule rule, const std::string& answer, uint32_t from)
{
    uint32_t seed = from;
    while (ExpectedQuestion(rule, seed).answer != answer)
        ++seed;
    return seed;
}

QuizFixture::QuizFixture()
{
    games::RegisterLessons();
    // A colour of its own for every picture of the four families, so a
    // lesson showing another family's picture is caught too.
    const char* const families[] = {"GLABBSGT", "GLABBDWT", "GLABABSGT", "GLABABDWT"};
    for (int f = 0; f < 4; ++f)
        for (int v = 1; v <= 10; ++v)
            pictures.add(FamilyPicture(families[f], v), 110, 110, QColor(30 + 50 * f, 20 * v, 120));
    pictures.add("GLABABDWT123", 100, 100, Qt::white);
}

void QuizFixture::open(const Lesson& l, uint32_t seed)
{
    lesson = &l;
    rec.counter = seed;
    LessonFixtureBase::open(l.className, l.folder);
}

std::vector<std::string> QuizFixture::stop(const std::string& alias) const
{
    std::vector<std::string> steps = testing_support::StopSteps(alias);
    if (lesson->silencesSystemSound)
        steps.push_back(testing_support::kPlaySoundNone);
    return steps;
}

bool QuizFixture::shows(const std::string& name) const
{
    return testing_support::Shown(screen.get(), name);
}

std::string QuizFixture::picture(int value) const
{
    return FamilyPicture(lesson->prefix, value);
}

std::string QuizFixture::value(const std::string& name) const
{
    if (!lesson->pictures)
        return text(name);
    auto* image = FindAs<platform::TImage>(screen.get(), name);
    if (!image)
        return "<no image " + name + ">";
    // A hidden picture shows nothing, whatever it holds.
    if (!image->hasPicture() || !image->isVisibleTo(screen.get()))
        return "";
    const std::string colour = testing_support::CentreColour(image->picture());
    const auto colourOf = [](const std::string& picture) {
        try {
            return testing_support::CentreColour(platform::loadPictureResource(picture));
        } catch (const platform::EResNotFound&) {
            return std::string("missing");
        }
    };
    if (colour == colourOf("GLABABDWT123"))
        return "tile";
    for (int v = 1; v <= 10; ++v)
        if (colour == colourOf(picture(v)))
            return std::to_string(v);
    return "<unknown picture>";
}

Question QuizFixture::shown() const
{
    Question q;
    const auto read = [this](const std::vector<std::string>& widgets) {
        std::vector<std::string> values;
        for (const std::string& w : widgets)
            values.push_back(value(w));
        return values;
    };
    q.ex1 = read(lesson->ex1);
    q.ex2 = read(lesson->ex2);
    q.question = read(lesson->question);
    q.gapPosition = lesson->rule == Rule::ABAB && text(lesson->gapLabels[1]) == "?" ? 1 : 0;
    if (lesson->pictures) {
        std::string& gap = q.question[static_cast<size_t>(q.gapPlace() - 1)];
        const std::string mark = text(lesson->gapLabels[static_cast<size_t>(q.gapPosition)]);
        if (gap.empty() && (mark == "?" || mark == "？"))
            gap = "?";
    }
    for (size_t j = 0; j < 4; ++j)
        q.candidates[j] = lesson->pictures ? value(kSquares[j]) : text(kButtons[j]);
    return q;
}

}  // namespace pattern_test
