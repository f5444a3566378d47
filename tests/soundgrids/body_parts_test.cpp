// The body-parts lesson: every control of a part marks that part and names
// it in its language; one marker shows after any click.
#include "lessons/soundboards/form_Wuguan.h"
#include "platform/widgets.h"
#include "tests/soundgrids/soundgrids_harness.h"

using namespace soundgrids_test;
using testing_support::Steps;
using testing_support::StopSteps;

namespace {

const char* const kMarkers[] = {"img1", "img3", "img4", "img2", "img5", "img6"};  // by code 1..6

struct Control {
    const char* widget;
    int code;
    const char* sound;
};
// The Chinese buttons' names do not follow the codes.
// clang-format off
const Control kControls[] = {
    {"btn_4", 1, "001"}, {"btn_2", 2, "002"}, {"btn_3", 3, "003"}, {"btn_1", 4, "004"}, {"btn_5", 5, "005"},
    {"btn_6", 6, "006"}, {"Image5", 1, "001"}, {"Image6", 2, "002"}, {"Image3", 3, "003"}, {"Image7", 4, "004"},
    {"Image4", 5, "005"}, {"Image8", 6, "006"}, {"SpeedButton1", 1, "b001"}, {"SpeedButton2", 2, "b002"},
    {"SpeedButton3", 3, "b003"}, {"SpeedButton4", 4, "b004"}, {"SpeedButton5", 5, "b005"}, {"SpeedButton6", 6, "b006"},
};
// clang-format on

class BodyParts : public ::testing::Test, public LessonFixture {
protected:
    void SetUp() override { open("TFM_WuGuan", "zhaowuguan/"); }
    // Which markers show, by code: "000100".
    std::string markers() const
    {
        std::string s;
        for (const char* m : kMarkers)
            s += shown(m) ? '1' : '0';
        return s;
    }
    static std::string only(int code)
    {
        std::string s(6, '0');
        s[static_cast<size_t>(code - 1)] = '1';
        return s;
    }
    int code() const { return dynamic_cast<TFM_WuGuan&>(*screen).BodyPartCode; }
};

TEST_F(BodyParts, CreationPlaysOnlyTheStartAndShowsNoMarker)
{
    EXPECT_EQ(rec.log, play("st"));
    EXPECT_EQ(markers(), "000000");
    EXPECT_EQ(code(), 0);
    const struct {
        const char* widget;
        const char* caption;
    } captions[] = {{"btn_4", "头发"}, {"btn_2", "耳朵"}, {"btn_3", "鼻子"},        {"btn_1", "眉毛"},
                    {"btn_5", "眼睛"}, {"btn_6", "嘴巴"}, {"SpeedButton1", "Hair"}, {"SpeedButton4", "Eyebrow"}};
    for (const auto& c : captions)
        EXPECT_EQ(text(c.widget), c.caption);
    // The one long English word is set smaller to fit its button.
    EXPECT_EQ(testing_support::FindAs<platform::TSpeedButton>(screen.get(), "SpeedButton4")->pixelSize(), 29);
    EXPECT_EQ(testing_support::FindAs<platform::TSpeedButton>(screen.get(), "btn_1")->pixelSize(), 37);
}

TEST_F(BodyParts, EveryControlMarksItsPartAndNamesIt)
{
    std::string current = "st";
    for (const Control& c : kControls) {
        EXPECT_EQ(click(c.widget), Steps({StopSteps(current), play(c.sound)})) << c.widget;
        EXPECT_EQ(code(), c.code) << c.widget;
        EXPECT_EQ(markers(), only(c.code)) << c.widget;
        current = c.sound;
    }
}

TEST_F(BodyParts, EyebrowButtonIsCodeFour)
{
    EXPECT_EQ(click("btn_1"), Steps({StopSteps("st"), play("004")}));
    EXPECT_EQ(code(), 4);
    EXPECT_TRUE(shown("img2"));
}

TEST_F(BodyParts, SamePartTwiceKeepsItsMarkerAndStartsOver)
{
    click("Image5");
    EXPECT_EQ(click("Image5"), Steps({StopSteps("001"), play("001")}));
    EXPECT_EQ(markers(), only(1));
    // Another part moves the marker; its English button keeps it there.
    click("btn_6");
    EXPECT_EQ(markers(), only(6));
    EXPECT_EQ(click("SpeedButton6"), Steps({StopSteps("006"), play("b006")}));
    EXPECT_EQ(markers(), only(6));
}

TEST_F(BodyParts, MarkersLieOnTheFace)
{
    const QRect face = testing_support::Find(screen.get(), "Image1")->geometry();
    for (const char* m : kMarkers)
        EXPECT_TRUE(face.contains(testing_support::Find(screen.get(), m)->geometry())) << m;
}

}  // namespace
