// Markers and key faces leave what they mark in view, on the screens with
// their real pictures: the boards' star and connectors keep off the digits,
// the calculator keys show their digit once, the numeral match's hand lies on
// its tile without a box, and the fruit pyramid stands on the screen's own
// background.
#include "app/lesson_families.h"
#include "lessons/soundboards/number_combinations_tables.h"
#include "platform/widgets.h"
#include "tests/legibility/ink.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <gtest/gtest.h>

using namespace testing_support;
namespace padboard = soundboards::padboard;

namespace {

class Markers : public ::testing::Test {
protected:
    static void SetUpTestSuite() { frame::RegisterAllLessons(); }
    RecordingPlatform rec;
};

// What the widgets paint while all of `hidden` are hidden.
legibility::PixelSet InkWithout(QWidget* screen, QWidget* widget, const std::vector<QWidget*>& hidden)
{
    std::vector<bool> shown;
    for (QWidget* w : hidden) {
        shown.push_back(w->isVisibleTo(screen));
        w->hide();
    }
    const legibility::PixelSet ink = legibility::InkOf(screen, widget);
    for (size_t i = 0; i < hidden.size(); ++i)
        hidden[i]->setVisible(shown[i]);
    return ink;
}

// The strokes of every number button's digits, in the order shown now.
legibility::PixelSet DigitsOf(QWidget* screen, const std::vector<platform::TSpeedButton*>& buttons)
{
    legibility::PixelSet digits;
    const QImage shown = legibility::Render(screen);
    for (platform::TSpeedButton* button : buttons)
        digits |= legibility::Strokes(shown, legibility::RenderWithout(screen, button), button->textColor());
    return digits;
}

// Every board, in both orders: no marker's star comes within two pixels of a
// digit, and every connector leaves a quarter of the digits' height clear
// (16 pixels) between its ends and the digits.
TEST_F(Markers, BoardStarsAndConnectorsKeepOffTheDigits)
{
    for (const padboard::BoardMember& board : padboard::kBoardMembers) {
        SCOPED_TRACE(board.className);
        const std::unique_ptr<frame::LessonScreen> screen = OpenShown(board.className);
        ASSERT_NE(screen, nullptr);
        std::vector<platform::TSpeedButton*> buttons;
        std::vector<QWidget*> markers, connectors;
        for (int row = 0; row <= board.n; ++row)
            for (const std::string& name :
                 {padboard::LeftButtonName(board, row), padboard::RightButtonName(board, row)})
                buttons.push_back(FindAs<platform::TSpeedButton>(screen.get(), name));
        for (int cell = 0; cell <= 2 * board.n + 1; ++cell)
            markers.push_back(Find(screen.get(), board.markers[static_cast<size_t>(cell)]));
        for (platform::TImage* image : screen->findChildren<platform::TImage*>())
            if (image->objectName().startsWith(QLatin1String("gif_link")))
                connectors.push_back(image);
        ASSERT_EQ(connectors.size(), static_cast<size_t>(board.n + 1));
        for (QWidget* marker : markers)
            marker->hide();
        legibility::PixelSet digits = DigitsOf(screen.get(), buttons);
        ASSERT_TRUE(Click(screen.get(), board.descendingKey));
        digits |= DigitsOf(screen.get(), buttons);
        ASSERT_TRUE(Click(screen.get(), board.ascendingKey));

        std::vector<QWidget*> everything(buttons.begin(), buttons.end());
        everything.insert(everything.end(), markers.begin(), markers.end());
        const legibility::PixelSet nearDigits = digits.grown(2), besideDigits = digits.grown(15);
        for (size_t cell = 0; cell < buttons.size(); ++cell) {
            SCOPED_TRACE("marker of " + buttons[cell]->objectName().toStdString());
            ASSERT_TRUE(Click(screen.get(), buttons[cell]->objectName().toStdString()));
            ASSERT_TRUE(markers[cell]->isVisible());
            const legibility::PixelSet star = InkWithout(screen.get(), markers[cell], everything);
            EXPECT_GT(star.count(), 100) << "the star is drawn";
            EXPECT_FALSE(star.meets(nearDigits)) << "the star covers a digit";
        }
        for (QWidget* connector : connectors) {
            SCOPED_TRACE(connector->objectName().toStdString());
            const legibility::PixelSet line = InkWithout(screen.get(), connector, everything);
            EXPECT_GT(line.count(), 60) << "the connector is drawn";
            EXPECT_FALSE(line.meets(besideDigits)) << "the connector runs up to a digit";
        }
        ASSERT_TRUE(Click(screen.get(), buttons[1]->objectName().toStdString()));
        SaveShot(screen.get(), std::string(board.className) + "_marked");
    }
}

// The key pictures under the nine digit keys are one and the same face, so
// none shows a digit of its own beside the key's caption.
TEST_F(Markers, CalculatorKeysShowTheirDigitOnce)
{
    for (const char* pad : {"TFM_JiaFa", "TFM_JianFa"}) {
        SCOPED_TRACE(pad);
        const std::unique_ptr<frame::LessonScreen> screen = OpenShown(pad);
        ASSERT_NE(screen, nullptr);
        std::vector<QImage> faces;
        for (int d = 1; d <= 9; ++d) {
            EXPECT_EQ(TextOf(screen.get(), "btn_" + std::to_string(d)), std::to_string(d));
            auto* key = FindAs<platform::TImage>(screen.get(), (d == 1 ? "img_a" : "Img_a") + std::to_string(d));
            ASSERT_TRUE(key && key->hasPicture()) << d;
            faces.push_back(key->grab().toImage());
        }
        for (int d = 2; d <= 9; ++d)
            EXPECT_EQ(faces[static_cast<size_t>(d - 1)], faces[0]) << "key " << d << " shows a face of its own";
    }
}

// The selection hand of the numeral match: no white around it, and far less
// than its whole rectangle painted.
TEST_F(Markers, NumeralMatchHandSitsOnItsTileWithoutABox)
{
    const std::unique_ptr<frame::LessonScreen> screen = OpenShown("TFM_ShuZiPeiDui");
    ASSERT_NE(screen, nullptr);
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        ASSERT_TRUE(Click(screen.get(), "btn_a" + std::to_string(k)));
        QWidget* hand = Find(screen.get(), "Image" + std::to_string(k));
        ASSERT_TRUE(hand && hand->isVisible());
        const legibility::PixelSet ink = legibility::InkOf(screen.get(), hand);
        const QRect rect = legibility::RectOn(screen.get(), hand);
        EXPECT_GT(ink.count(), rect.width() * rect.height() / 8) << "the hand is drawn";
        EXPECT_LT(ink.count(), rect.width() * rect.height() * 3 / 4) << "a box, not a hand";
        const QImage shown = legibility::Render(screen.get());
        int white = 0;
        for (const QPoint& p : ink.points()) {
            const QColor c = QColor::fromRgb(shown.pixel(p));
            white += c.red() > 235 && c.green() > 235 && c.blue() > 235;
        }
        EXPECT_EQ(white, 0) << "white pixels around the hand";
    }
    SaveShot(screen.get(), "TFM_ShuZiPeiDui_hand");
}

// The pyramid picture paints its pyramid only: its top corners and the upper
// half of its sides show the screen's background.
TEST_F(Markers, PyramidStandsOnTheBackgroundWithoutABox)
{
    const std::unique_ptr<frame::LessonScreen> screen = OpenShown("TFM_VoiceOfABCSing");
    ASSERT_NE(screen, nullptr);
    QWidget* pyramid = Find(screen.get(), "img1");
    ASSERT_TRUE(pyramid && pyramid->isVisible());
    const legibility::PixelSet ink = legibility::InkOf(screen.get(), pyramid);
    const QRect r = legibility::RectOn(screen.get(), pyramid);
    EXPECT_GT(ink.count(), r.width() * r.height() / 5) << "the pyramid is drawn";
    for (const QRect& clear :
         {QRect(r.left(), r.top(), 60, 60), QRect(r.right() - 59, r.top(), 60, 60),
          QRect(r.left(), r.top(), 2, r.height() / 2), QRect(r.right() - 1, r.top(), 2, r.height() / 2)}) {
        legibility::PixelSet there(screen->size());
        for (int y = clear.top(); y <= clear.bottom(); ++y)
            for (int x = clear.left(); x <= clear.right(); ++x)
                there.add({x, y});
        EXPECT_FALSE(ink.meets(there)) << "the picture paints " << clear.x() << "," << clear.y() << " " << clear.width()
                                       << "x" << clear.height();
    }
    SaveShot(screen.get(), "cards_pyramid_alone");
}

}  // namespace
