#include "lessons/boardquiz/boardquiz.h"
#include "tests/boardquiz/board_quiz_fixture.h"

#include "lesson_frame/lesson_registry.h"
#include "platform/widgets.h"
#include "tests/support/reference_random.h"

#include <cstdio>

using namespace testing_support;

namespace boardquiz_testing {

// clang-format off
const Lesson kColour{
    "TFM_ZhaoYanSe", "zhaoyanse/", "a%03d", "002", "001", "zhaoyst", "zhaoystf", true,
    {{{1, 2, 3}, {4, 5, 6}, {13, 14, 15}, {7, 8, 9}, {16, 17, 18},
      {25, 26, 27}, {28, 29, 30}, {19, 20, 21}, {10, 11, 12}, {22, 23, 24}}},
    {"btn_ZhaoLvSe", "btn_ZhaoHongSe", "btn_ZhaoHeiSe", "btn_ZhaoHuangSe", "btn_ZhaoLanse", "btn_ZhaoHuiSe",
     "btn_zhaoganlanse", "btn_ZhaoBaiSe", "btn_ZhaoZiSe", "btn_ZhaoZangqingse"},
};
// clang-format on

// clang-format off
const Lesson kShape{
    "TFM_ZhaoXingZhuang", "zhaoxz/", "%03d", "a002", "a001", "zhaoxzt", "zhaoxztf", false,
    {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {16, 17, 18},
      {25, 26, 27}, {28, 29, 30}, {19, 20, 21}, {22, 23, 24}, {13, 14, 15}}},
    kColour.buttons,
};
// clang-format on

std::array<int, 31> ExpectedDeal(uint32_t seed)
{
    std::vector<int> pool;
    for (int t = 1; t <= 30; ++t)
        pool.push_back(t);
    std::array<int, 31> board{};
    testing_support::ReferenceRandom random{seed};
    for (int bound = 30; bound >= 1; --bound) {
        const auto r = static_cast<size_t>(random.below(bound));
        board[static_cast<size_t>(31 - bound)] = pool[r];
        pool.erase(pool.begin() + static_cast<long>(r));
    }
    return board;
}

QColor TileColour(int tile)
{
    return QColor(tile * 8, 255 - tile * 8, 77);
}
QColor SilhouetteColour(int task)
{
    return QColor(128, 128, 10 + task * 20);
}
QColor ColouredColour(int task)
{
    return QColor(230, 10 + task * 20, 5);
}

namespace {
std::string threeDigits(const char* prefix, int n)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%03d", prefix, n);
    return name;
}
}  // namespace

QuizFixture::QuizFixture(const Lesson& l) : lesson(l)
{
    for (int t = 1; t <= 30; ++t)
        pictures.add(lesson.tilePrefix + std::to_string(t), 80, 80, TileColour(t));
    for (int k = 0; k < 10; ++k) {
        pictures.add(lesson.markerPrefix + std::to_string(k + 1), 50, 61, QColor(20, 20, 20 + k));
        if (!lesson.ticks) {
            pictures.add(threeDigits(lesson.tilePrefix, k + 1), 80, 80, SilhouetteColour(k));
            pictures.add(threeDigits("zhaoxzta", k + 1), 80, 80, ColouredColour(k));
        }
    }
}

void QuizFixture::Open()
{
    boardquiz::RegisterLessons();
    const frame::LessonFactory* make = frame::FindLesson(lesson.className);
    ASSERT_NE(make, nullptr);
    screen_.reset(dynamic_cast<boardquiz::BoardFindQuiz*>((*make)()));
    ASSERT_NE(screen_, nullptr);
    screen_->Create();
    screen_->show();
}

std::string QuizFixture::Prompt(int task) const
{
    char name[16];
    std::snprintf(name, sizeof name, lesson.promptFormat, task + 1);
    return name;
}

int QuizFixture::TileShownAt(int slot)
{
    auto* cell = FindAs<platform::TImage>(Screen(), "Image" + std::to_string(slot));
    if (!cell || !cell->hasPicture())
        return 0;
    const std::string colour = CentreColour(cell->picture());
    for (int t = 1; t <= 30; ++t)
        if (TileColour(t).name().toStdString() == colour)
            return t;
    return 0;
}

int QuizFixture::SlotOf(int tile)
{
    for (int s = 1; s <= 30; ++s)
        if (TileShownAt(s) == tile)
            return s;
    return 0;
}

std::array<int, 31> QuizFixture::Board()
{
    std::array<int, 31> board{};
    for (int s = 1; s <= 30; ++s)
        board[static_cast<size_t>(s)] = TileShownAt(s);
    return board;
}

std::string QuizFixture::Marks()
{
    std::string marks;
    const int k = Quiz().CurrentTask;
    for (int n = 1; n <= 3; ++n) {
        if (lesson.ticks) {
            marks += Find(Screen(), "lb" + std::to_string(n))->isEnabled() ? 'x' : 'o';
            continue;
        }
        auto* mark = FindAs<platform::TImage>(Screen(), "img_no" + std::to_string(n));
        const std::string colour = mark->hasPicture() ? CentreColour(mark->picture()) : "";
        marks += colour == ColouredColour(k).name().toStdString()     ? 'x'
                 : colour == SilhouetteColour(k).name().toStdString() ? 'o'
                                                                      : '?';
    }
    return marks;
}

std::vector<int> QuizFixture::VisibleMarkers()
{
    std::vector<int> visible;
    for (int k = 0; k < 10; ++k)
        if (Find(Screen(), "img_f" + std::to_string(k + 1))->isVisible())
            visible.push_back(k);
    return visible;
}

}  // namespace boardquiz_testing
