// Every paged and single-page card lesson opened once through the menu's
// launcher: its window settings while it runs modally, its first card drawn
// where the card lies, the back button, and the launcher's clean-up.
#include "app/Main_Form.h"
#include "lesson_frame/lesson_registry.h"
#include "lessons/cards/cards.h"
#include "tests/cards/card_test_support.h"
#include "tests/support/launch_driver.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

using namespace testing_support;
using cards_test::LoggedPictures;

namespace {

struct Visit {
    const char* cls;
    const char* caption;
    const char* folder;
    bool maximised;
    const char* family;       // family of the first card's picture; empty: none to look for
    const char* firstPicture; // the widget that shows it
};

const Visit kVisits[] = {
    {"TFM_SeeColor", "认识颜色", "yanse/", true, "", ""},
    {"TFM_SeeShape", "认识形状", "shape/", true, "", ""},
    {"TFM_SeeLandAnimal", "认识动物", "landdw/", true, "DONGWUT", "img1"},
    {"TFM_SeeFruit", "认识水果", "shuig/", false, "SHUIGT", "img1"},
    {"TFM_SeeShuCai", "认识蔬菜", "shuc/", true, "SHUCAIT", "imga1"},
    {"TFM_SeeJiaoTongGongJu", "认识车辆", "che/", true, "CHET", "img1"},
    {"TFM_SeeChuan", "认识船只", "chuan/", true, "CHUANT", "img1"},
    {"TFM_SeeJiaYongDianQi", "家电数码", "jiad/", true, "JDT", "img1"},
    {"TFM_SeeRiYongJiaJU", "日常用品", "riyong/", true, "RYT", "img1"},
    {"TFM_ChangYongFuHao", "常用符号", "fuh/", true, "FHT", "img1"},
    {"TFM_GuoQi", "认识国旗", "guoqi/", true, "GQT", "img1"},
    {"TFM_SeeFlowers", "认识花卉", "hua/", true, "HUAT", "img1"},
    {"TFM_VoiceOfAnimal", "闻声识物", "tdongw/", true, "TDWT", "img1"},
    {"TFM_SeeFruit_YW", "水果英文", "shuig_yw/", true, "SHUIGUOT", "img1"},
    {"TFM_SeeLandAnimal_YW", "动物英文", "landdw_yw/", true, "DWYWT", "img1"},
};

void PrintTo(const Visit& v, std::ostream* os)
{
    *os << v.cls;
}

bool containsRun(const std::vector<std::string>& log, const std::vector<std::string>& run)
{
    return std::search(log.begin(), log.end(), run.begin(), run.end()) != log.end();
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

TEST_P(CardLessonLaunchTest, OpensFromItsMenuEntryAndGoesBack)
{
    const Visit& v = GetParam();
    bool ran = false;
    const bool back = VisitFromMenu(form, v.cls, [&](frame::LessonScreen& lesson) {
        frame::LessonScreen* open = &lesson;
        ran = true;
        EXPECT_TRUE(open->isModalRunning());
        EXPECT_EQ(open->isMaximized(), v.maximised);
        EXPECT_EQ(open->windowTitle().toStdString(), v.caption);
        EXPECT_TRUE(open->windowFlags() & Qt::WindowStaysOnTopHint);
        const QImage shot = open->grab().toImage();
        if (const QByteArray dir = qgetenv("QH_CARDS_SHOTS"); !dir.isEmpty())
            shot.save(QString::fromUtf8(dir) + "/" + v.cls + ".png");
        if (*v.family) {
            QWidget* picture = Find(open, v.firstPicture);
            ASSERT_NE(picture, nullptr);
            const QPoint centre = picture->mapTo(open, picture->rect().center());
            EXPECT_EQ(QColor(shot.pixel(centre)).name().toStdString(), LoggedPictures::ColourOf(1));
        }
    });
    EXPECT_TRUE(back);
    EXPECT_TRUE(ran);
    EXPECT_EQ(frame::FormVariable(v.cls), nullptr);
    EXPECT_TRUE(containsRun(rec.log, PlaySteps(media.programFolder() + v.folder, "st")));
    const auto ending = Steps({StopSteps("st"), StopSteps("kj"), PlaySteps(media.programFolder() + "mainform/", "lm")});
    ASSERT_GE(rec.log.size(), ending.size());
    EXPECT_EQ(std::vector<std::string>(rec.log.end() - static_cast<long>(ending.size()), rec.log.end()), ending);
}

INSTANTIATE_TEST_SUITE_P(Lessons, CardLessonLaunchTest, ::testing::ValuesIn(kVisits),
                         [](const auto& info) { return std::string(info.param.cls).substr(4); });

}  // namespace
