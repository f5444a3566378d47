// The two screens as the layouts build them: widget kinds, sizes, captions,
// colours and where each widget stands beside the ones it belongs to (marks
// on their pictures' corners, keys in their rows over their key pictures,
// the hands beside the buttons they point at).
#include "lessons/games/rescue_tables.h"
#include "tests/rescue/rescue_fixture.h"

#include "platform/widgets.h"

#include <string>

using namespace rescue_test;

namespace {

// Look of a text widget: class, caption, colour, pixel size, boldness.
struct Look {
    const char* name;
    const char* className;
    const char* text;  // nullptr: not checked
    QColor colour;
    int pixelSize;
    bool bold;
};

const QColor kBlue(0, 0, 255), kRed(255, 0, 0), kWhite(255, 255, 255);

class Layouts : public ::testing::Test, public ScreenFixture {
protected:
    Layouts() : ScreenFixture("") {}
    // The widget's rectangle in screen coordinates.
    QRect rect(const std::string& name)
    {
        QWidget* w = testing_support::Find(screen.get(), name);
        if (!w) {
            ADD_FAILURE() << "no widget " << name;
            return {};
        }
        return QRect(w->mapTo(screen.get(), QPoint(0, 0)), w->size());
    }
    void expectLook(const Look& l)
    {
        SCOPED_TRACE(l.name);
        QWidget* w = testing_support::Find(screen.get(), l.name);
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(w->metaObject()->className(), l.className);
        if (l.text) {
            EXPECT_EQ(text(l.name), l.text);
        }
        EXPECT_EQ(w->font().bold(), l.bold);
        if (auto* label = qobject_cast<platform::TLabel*>(w)) {
            EXPECT_EQ(label->textColor(), l.colour);
            EXPECT_EQ(label->pixelSize(), l.pixelSize);
        } else if (auto* button = qobject_cast<platform::TSpeedButton*>(w)) {
            EXPECT_EQ(button->textColor(), l.colour);
            EXPECT_EQ(button->pixelSize(), l.pixelSize);
        }
    }
    void expectSize(const std::string& name, int width, int height)
    {
        EXPECT_EQ(rect(name).size(), QSize(width, height)) << name;
    }
    // The frame's bottom bar with "下一组" on the left and the back button on the right.
    void expectBottomBar()
    {
        auto* bar = testing_support::FindAs<platform::TPanel>(screen.get(), "Panel2");
        ASSERT_NE(bar, nullptr);
        EXPECT_GE(bar->height(), 103);
        EXPECT_LE(bar->height(), 107);
        EXPECT_EQ(bar->color(), platform::clMoneyGreen);
        expectLook({"SpeedButton1", "platform::TSpeedButton", "下一组", platform::clTeal, 27, false});
        expectLook({"btn_backlasmenu", "platform::TSpeedButton", "上级菜单", platform::clTeal, 27, false});
        expectSize("btn_backlasmenu", 160, 75);
        EXPECT_LT(rect("SpeedButton1").right(), rect("btn_backlasmenu").left());
        EXPECT_NEAR(rect("btn_backlasmenu").left(), 600, 10);
    }
};

TEST_F(Layouts, ImagineShowsTwoRowsOfFiveWithTheirMarksAndTheCloseUpAtTheTopCentre)
{
    open("TFM_FaSanSiwei");
    for (int k = 1; k <= 10; ++k) {
        const std::string image = "Image" + std::to_string(k), mark = "lb" + std::to_string(k);
        SCOPED_TRACE(image);
        EXPECT_STREQ(testing_support::Find(screen.get(), image)->metaObject()->className(), "platform::TImage");
        expectSize(image, 120, 120);
        EXPECT_EQ(testing_support::Find(screen.get(), image)->cursor().shape(), Qt::PointingHandCursor);
        // Upper row 1..5, lower row 6..10, left to right.
        const QRect first = rect(k <= 5 ? "Image1" : "Image6");
        EXPECT_EQ(rect(image).top(), first.top());
        if (k != 1 && k != 6) {
            EXPECT_GT(rect(image).left(), rect("Image" + std::to_string(k - 1)).right());
        }
        if (k > 5) {
            EXPECT_GT(rect(image).top(), rect("Image1").bottom());
        }
        // The mark stands on the picture's lower right corner.
        expectLook({mark.c_str(), "platform::TLabel", "", platform::clFuchsia, 64, true});
        const QRect pic = rect(image), label = rect(mark);
        EXPECT_TRUE(label.contains(pic.bottomRight()) || pic.contains(label.center())) << mark;
        EXPECT_GT(label.center().x(), pic.center().x()) << mark;
        EXPECT_GT(label.center().y(), pic.center().y()) << mark;
    }
    expectSize("img000", 100, 100);
    EXPECT_NEAR(rect("img000").center().x(), rect("panel_shengmu").center().x(), 2);
    EXPECT_LT(rect("img000").bottom(), rect("Image1").top());
    EXPECT_EQ(rect("Image12"), rect("panel_shengmu")) << "the background fills the lesson area";
    expectLook({"Label1", "platform::TLabel",
                "发散思维--小朋友们,发挥你的想象力吧!根据屏幕最上方的小图片联想出对应的动物.", platform::clTeal, 16,
                false});
    expectBottomBar();
}

TEST_F(Layouts, RescueHasTheCodeLabelsThePictureAndTheKeyboardInItsRows)
{
    open("TFM_Password");
    expectLook({"Label2", "platform::TLabel", "正在输入", kBlue, 37, true});
    expectLook({"Label1", "platform::TLabel", "解救密码", kRed, 37, true});
    expectLook({"lb1", "platform::TLabel", nullptr, kRed, 48, true});
    for (int i = 1; i <= 6; ++i) {
        const std::string slot = "lbb" + std::to_string(i);
        expectLook({slot.c_str(), "platform::TLabel", "", kBlue, 48, true});
        EXPECT_GT(rect(slot).top(), rect("Label2").bottom() - 2) << slot;
        if (i > 1) {
            EXPECT_GT(rect(slot).left(), rect("lbb" + std::to_string(i - 1)).left()) << slot;
        }
    }
    // Entry at the top left, the picture at the top centre, the code at the top right.
    expectSize("img_help", 240, 176);
    EXPECT_LT(rect("lbb6").right(), rect("img_help").left());
    EXPECT_GT(rect("lb1").left(), rect("img_help").right());
    EXPECT_GT(rect("lb1").top(), rect("Label1").bottom() - 2);
    EXPECT_TRUE(rect("img_help").contains(rect("img_start"))) << "the bubble lies over the picture";
    EXPECT_EQ(testing_support::Find(screen.get(), "img_start")->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(rect("img_start_shou").intersects(rect("img_help")));

    // Four rows of 60 by 60 keys, each over its own key picture, in key order.
    const std::string rows[] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    size_t key = 0;
    int rowTop = -1;
    for (const std::string& row : rows) {
        const games::RescueKey& firstOfRow = games::kRescueKeys[key];
        EXPECT_GT(rect(firstOfRow.button).top(), rowTop) << firstOfRow.caption;
        rowTop = rect(firstOfRow.button).top();
        for (size_t c = 0; c < row.size(); ++c, ++key) {
            const games::RescueKey& k = games::kRescueKeys[key];
            SCOPED_TRACE(k.button);
            ASSERT_EQ(std::string(k.caption), std::string(1, row[c]));
            const bool digit = row[c] >= '0' && row[c] <= '9';
            expectLook({k.button, "platform::TSpeedButton", k.caption, digit ? kBlue : platform::clFuchsia, 37, true});
            expectSize(k.button, 60, 60);
            EXPECT_EQ(rect(k.face), rect(k.button)) << k.face;
            EXPECT_EQ(rect(k.button).top(), rowTop);
            if (c > 0) {
                EXPECT_GT(rect(k.button).left(), rect(games::kRescueKeys[key - 1].button).right());
            }
            EXPECT_GT(rect(k.button).top(), rect("img_help").bottom());
        }
    }
    ASSERT_EQ(key, games::kRescueKeys.size());
    // "后退" ends the first row, "确定" the last, each over its picture; the
    // hand at "确定" is beside it.
    expectLook({"SpeedButton2", "platform::TSpeedButton", "后退", kWhite, 27, true});
    expectSize("SpeedButton2", 80, 60);
    EXPECT_EQ(rect("img_back_H"), rect("SpeedButton2"));
    EXPECT_EQ(rect("SpeedButton2").top(), rect("btn0").top());
    EXPECT_GT(rect("SpeedButton2").left(), rect("btn0").right());
    expectLook({"btnEnter", "platform::TSpeedButton", "确定", kWhite, 27, true});
    expectSize("btnEnter", 90, 60);
    EXPECT_EQ(rect("img_back_enter"), rect("btnEnter"));
    EXPECT_EQ(rect("btnEnter").top(), rect("btnM").top());
    EXPECT_GT(rect("btnEnter").left(), rect("btnM").right());
    EXPECT_GE(rect("img_enter").left(), rect("btnEnter").right() - 2);
    EXPECT_LT(rect("img_enter").left() - rect("btnEnter").right(), 20);
    EXPECT_TRUE(rect("img_enter").intersects(QRect(0, rect("btnEnter").top(), 800, 60)));
    // The hand at "下一组" is beside it in the bottom bar.
    EXPECT_GE(rect("img_next").left(), rect("SpeedButton1").right() - 2);
    EXPECT_LT(rect("img_next").left() - rect("SpeedButton1").right(), 20);
    EXPECT_TRUE(rect("Panel2").contains(rect("img_next")));
    expectBottomBar();
}

}  // namespace
