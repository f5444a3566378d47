// Every paged and single-page card lesson opened through the menu's launcher,
// as the kid sees it: its first card's picture drawn where the card lies in
// the shown (often maximised) window.
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "lessons/cards/cards.h"
#include "tests/cards/card_test_support.h"
#include "tests/support/launch_driver.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <QTimer>
#include <gtest/gtest.h>

using namespace testing_support;
using cards_test::LoggedPictures;

namespace {

struct Visit {
    const char* cls;
    bool maximised;
    const char* family;        // family of the first card's picture; empty: none to look for
    const char* firstPicture;  // the widget that shows it
};

// clang-format off
const Visit kVisits[] = {
    {"TFM_SeeColor", true, "", ""},
    {"TFM_SeeShape", true, "", ""},
    {"TFM_SeeLandAnimal", true, "DONGWUT", "img1"},
    {"TFM_SeeFruit", false, "SHUIGT", "img1"},
    {"TFM_SeeShuCai", true, "SHUCAIT", "imga1"},
    {"TFM_SeeJiaoTongGongJu", true, "CHET", "img1"},
    {"TFM_SeeChuan", true, "CHUANT", "img1"},
    {"TFM_SeeJiaYongDianQi", true, "JDT", "img1"},
    {"TFM_SeeRiYongJiaJU", true, "RYT", "img1"},
    {"TFM_ChangYongFuHao", true, "FHT", "img1"},
    {"TFM_GuoQi", true, "GQT", "img1"},
    {"TFM_SeeFlowers", true, "HUAT", "img1"},
    {"TFM_VoiceOfAnimal", true, "TDWT", "img1"},
    {"TFM_SeeFruit_YW", true, "SHUIGUOT", "img1"},
    {"TFM_SeeLandAnimal_YW", true, "DWYWT", "img1"},
};
// clang-format on

void PrintTo(const Visit& v, std::ostream* os)
{
    *os << v.cls;
}

class CardLessonLaunchTest : public ::testing::TestWithParam<Visit> {
protected:
    static void SetUpTestSuite() { cards::RegisterPagedCardLessons(); }
    CardLessonLaunchTest()
    {
        pictures.addFamily("MAINFORMT", 1, 51);
        if (*GetParam().family)
            pictures.addFamily(GetParam().family, 1, 10);
        form.Create();
        form.show();
        rec.clear();
    }

    RecordingPlatform rec;
    MediaFixture media{rec};
    LoggedPictures pictures{rec.log};
    TMainForm form;
};

TEST_P(CardLessonLaunchTest, FirstCardShowsWhereItLies)
{
    const Visit& v = GetParam();
    if (!*v.family)
        GTEST_SKIP() << v.cls << " draws its cards in the background";
    bool ran = false;
    VisitFromMenu(form, v.cls, [&](frame::LessonScreen& open) {
        ran = true;
        EXPECT_EQ(open.isMaximized(), v.maximised);
        const QImage shot = open.grab().toImage();
        QWidget* picture = Find(&open, v.firstPicture);
        ASSERT_NE(picture, nullptr);
        const QPoint centre = picture->mapTo(&open, picture->rect().center());
        EXPECT_EQ(QColor(shot.pixel(centre)).name().toStdString(), LoggedPictures::ColourOf(1));
    });
    EXPECT_TRUE(ran);
}

INSTANTIATE_TEST_SUITE_P(Lessons, CardLessonLaunchTest, ::testing::ValuesIn(kVisits),
                         [](const auto& info) { return std::string(info.param.cls).substr(4); });

}  // namespace
