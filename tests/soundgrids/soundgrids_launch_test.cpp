// The seven lessons with the program's own pictures, rendered offscreen and
// saved for a look.
#include "app/Main_Form.h"
#include "platform/widgets.h"
#include "resources/menu_catalogue.h"
#include "tests/soundgrids/soundgrids_harness.h"
#include "tests/support/launch_driver.h"

#include <QDir>

using namespace testing_support;

namespace {

struct Visit {
    const char* className;
    std::vector<const char*> clicks;  // a few clicks for the rendered screen
};

// clang-format off
const Visit kVisits[] = {
    {"TFM_VoiceOfHanYuPinYinSM", {"btn_b"}},
    {"TFM_VoiceOfHanYuPinYin", {"lb_u1"}},
    {"TFM_VoiceOfABC", {"btn_a", "btn_h", "btn_o", "btn_V", "btn_z"}},
    {"TFM_ShuZiDaXiao", {"btn_b3"}},
    {"TFM_WuGuan", {"btn_1"}},
    {"TFM_VoiceOfShuYiBai", {"btn_a1", "btn_b3", "btn_c5"}},
    {"TFM_ShuShanShi_YingWen", {"btn_a1", "btn_b3", "btn_e4"}},
};
// clang-format on

TEST(SoundGridRender, ScreensShowTheirPictures)
{
    soundboards::RegisterSoundGridLessons();
    RecordingPlatform rec;
    MediaFixture media{rec};
    for (const Visit& visit : kVisits) {
        const std::unique_ptr<frame::LessonScreen> screen = OpenShown(visit.className);
        ASSERT_NE(screen, nullptr) << visit.className;
        for (platform::TImage* image : screen->findChildren<platform::TImage*>()) {
            if (!image->pictureName().isEmpty() || image->isVisibleTo(screen.get())) {
                EXPECT_TRUE(image->hasPicture()) << visit.className << " " << image->objectName().toStdString();
            }
        }
        for (const char* name : visit.clicks)
            EXPECT_TRUE(Click(screen.get(), name)) << visit.className << " " << name;
        SaveShot(screen.get(), visit.className);
        if (std::string(visit.className) == "TFM_VoiceOfShuYiBai" ||
            std::string(visit.className) == "TFM_ShuShanShi_YingWen") {
            ASSERT_TRUE(Click(screen.get(), "btn_LastPage"));
            for (const char* name : visit.clicks)
                EXPECT_TRUE(Click(screen.get(), name));
            SaveShot(screen.get(), std::string(visit.className) + "_vertical");
        }
    }
}

// One shot per part, to see each marker beside its part of the face.
TEST(SoundGridRender, BodyPartMarkersSitAtTheirParts)
{
    soundboards::RegisterSoundGridLessons();
    RecordingPlatform rec;
    MediaFixture media{rec};
    const std::unique_ptr<frame::LessonScreen> screen = OpenShown("TFM_WuGuan");
    ASSERT_NE(screen, nullptr);
    for (const char* part : {"btn_4", "btn_2", "btn_3", "btn_1", "btn_5", "btn_6"}) {
        ASSERT_TRUE(Click(screen.get(), part)) << part;
        SaveShot(screen.get(), std::string("TFM_WuGuan_") + part);
    }
}

}  // namespace
