// The card lessons against the program's own content: every card of every
// page shows an embedded picture and plays a sound file that is there.
#include "lesson_frame/lesson_registry.h"
#include "lesson_frame/lesson_screen.h"
#include "lessons/cards/cards.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

struct Lesson {
    const char* cls;
    int pages;
    std::vector<std::string> cardWidgets;  // the click targets of a page
    std::vector<std::string> pictures;     // the pictures that must be shown
};

std::vector<std::string> grid(const char* upper, const char* lower, int perRow)
{
    std::vector<std::string> names;
    for (const char* row : {upper, lower})
        for (int i = 1; i <= perRow; ++i)
            names.push_back(row + std::to_string(i));
    return names;
}

const std::vector<std::string> kButtons = grid("btn_a", "btn_b", 5);
const std::vector<std::string> kPictures = grid("img", "imgb", 5);
const std::vector<std::string> kOddShapes = {"img_1", "img_2",  "img_3", "img_4",  "img_5",
                                             "img_6", "Image1", "img_8", "Image2", "Image3"};

// clang-format off
const Lesson kLessons[] = {
    {"TFM_SeeColor", 1, kOddShapes, {"Image4"}},
    {"TFM_SeeShape", 1, kOddShapes, kOddShapes},
    {"TFM_SeeChuan", 1, kButtons, kPictures},
    {"TFM_SeeLandAnimal", 8, kButtons, {"img1", "img2", "img3", "img4", "Img5", "imgb1", "imgb2", "imgb3", "imgb4", "imgb5"}},
    {"TFM_SeeFruit", 3, kButtons, kPictures},
    {"TFM_SeeShuCai", 4, kButtons, {"imga1", "imga2", "imga3", "imga4", "imga5", "imgb1", "imgb2", "imgb3", "imgb4", "imgb5"}},
    {"TFM_SeeJiaoTongGongJu", 2, kButtons, kPictures},
    {"TFM_SeeJiaYongDianQi", 3, kButtons, kPictures},
    {"TFM_SeeRiYongJiaJU", 3, kButtons, kPictures},
    {"TFM_ChangYongFuHao", 3, {"bt_a1", "bt_a2", "btn_a3", "btn_a4", "btn_a5", "btn_b1", "btn_b2", "btn_b3", "btn_b4", "btn_b5"},
     {"img1", "img2", "img3", "img4", "img5", "img6", "img7", "img8", "img9", "img10"}},
    {"TFM_GuoQi", 3, grid("img", "imgb", 4), grid("img", "imgb", 4)},
    {"TFM_SeeFlowers", 3, kButtons, kPictures},
    {"TFM_VoiceOfAnimal", 2, kButtons, kPictures},
    {"TFM_SeeFruit_YW", 3, kButtons, kPictures},
    {"TFM_SeeLandAnimal_YW", 8, kButtons, {"img1", "img2", "img3", "img4", "Img5", "imgb1", "imgb2", "imgb3", "imgb4", "imgb5"}},
};
// clang-format on

void PrintTo(const Lesson& l, std::ostream* os)
{
    *os << l.cls;
}

class CardContentTest : public ::testing::TestWithParam<Lesson> {
protected:
    static void SetUpTestSuite() { cards::RegisterPagedCardLessons(); }
    RecordingPlatform rec;
};

TEST_P(CardContentTest, EveryCardHasItsPictureAndItsSound)
{
    const Lesson& l = GetParam();
    rec.performRenames = false;
    rec.exe = (QCoreApplication::applicationDirPath() + "/qinghe").toStdString();
    const std::unique_ptr<frame::LessonScreen> screen = OpenShown(l.cls);
    ASSERT_NE(screen, nullptr) << l.cls;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(screen->MediaFolder + "st.dat")));
    for (int page = 0; page < l.pages; ++page) {
        if (page > 0) {
            ASSERT_TRUE(Click(screen.get(), "btn_nextpage"));
            EXPECT_TRUE(QFile::exists(QString::fromStdString(screen->MediaFolder + "n.dat")));
        }
        SaveShot(screen.get(), std::string("real_") + l.cls + "_" + std::to_string(page));
        for (size_t k = 0; k < l.cardWidgets.size(); ++k) {
            if (!Find(screen.get(), l.cardWidgets[k])->isVisible())
                continue;  // an empty slot
            const std::string picture = l.pictures[std::min(k, l.pictures.size() - 1)];
            EXPECT_TRUE(FindAs<platform::TImage>(screen.get(), picture)->hasPicture()) << picture << " page " << page;
            ASSERT_TRUE(Click(screen.get(), l.cardWidgets[k]));
            const std::string sound = screen->MediaFolder + screen->CurrentSoundAlias + ".dat";
            EXPECT_TRUE(QFile::exists(QString::fromStdString(sound))) << sound;
        }
    }
    if (l.pages > 1) {
        ASSERT_TRUE(Click(screen.get(), "btn_lastpage"));
        EXPECT_TRUE(QFile::exists(QString::fromStdString(screen->MediaFolder + "l.dat")));
    }
}

INSTANTIATE_TEST_SUITE_P(Lessons, CardContentTest, ::testing::ValuesIn(kLessons),
                         [](const auto& info) { return std::string(info.param.cls).substr(4); });

}  // namespace
