// Both lessons opened once through the menu's launcher: the start sound in
// the lesson's folder, the first page, the window state, and back to the
// menu with "lm".
#include "tests/poems/poems_harness.h"
#include "tests/support/launch_driver.h"

using testing_support::Steps;

namespace {

struct Visit {
    const char* className;
    const char* folder;
    const char* firstCaption;  // btn_a1 or btn_1 on page 0
    bool maximised;
};

// clang-format off
const Visit kVisits[] = {
    {"TFM_tangshi", "tangshi/", "登鹳鹊楼", true},
    {"TFM_CaiMiYu", "guess/", "谜语1", false},
};
// clang-format on

class PoemsRiddlesLaunch : public ::testing::TestWithParam<Visit> {};

TEST_P(PoemsRiddlesLaunch, OpensFromTheMenuAndGoesBack)
{
    const Visit& v = GetParam();
    soundboards::RegisterPoemAndRiddleLessons();
    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media(rec);
    TMainForm menu;
    menu.Create();
    rec.clear();
    bool maximised = !v.maximised;
    std::string caption;
    const std::string first = std::string(v.className) == "TFM_tangshi" ? "btn_a1" : "btn_1";
    EXPECT_TRUE(testing_support::VisitFromMenu(menu, v.className, [&](frame::LessonScreen& open) {
        maximised = open.windowState().testFlag(Qt::WindowMaximized);
        caption = testing_support::TextOf(&open, first);
    }));
    EXPECT_EQ(maximised, v.maximised);
    EXPECT_EQ(caption, v.firstCaption);
    EXPECT_EQ(frame::FormVariable(v.className), nullptr);
    EXPECT_EQ(rec.log,
              Steps({testing_support::PlaySteps(media.programFolder() + v.folder, "st"),
                     testing_support::StopSteps("st"), testing_support::BackToMenuSteps(media.programFolder())}));
}

INSTANTIATE_TEST_SUITE_P(Both, PoemsRiddlesLaunch, ::testing::ValuesIn(kVisits),
                         [](const auto& info) { return std::string(info.param.className); });

}  // namespace
