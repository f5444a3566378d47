// Captions are whole: each lies inside its plate, its label and its window,
// measured in the widget's own font or on the rendered screen with the real
// pictures; and the finals with ü are written in the finals' own font.
#include "app/Main_Form.h"
#include "app/lesson_families.h"
#include "lessons/cards/card_tables.h"
#include "platform/widgets.h"
#include "resources/menu_catalogue.h"
#include "tests/legibility/ink.h"
#include "tests/support/recording_platform.h"
#include "tests/support/screen_driver.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class CaptionFit : public ::testing::Test {
protected:
    static void SetUpTestSuite() { frame::RegisterAllLessons(); }
    RecordingPlatform rec;
};

// Where a label's text lies across its screen (left and right), as the label
// wraps and centres it in its font.
QRect TextSpanOn(QWidget* screen, const QLabel* label)
{
    const QRect inside = QFontMetrics(label->font())
                             .boundingRect(label->contentsRect(),
                                           static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text());
    const QRect on = legibility::RectOn(screen, label);
    return QRect(on.left() + inside.left(), on.top(), inside.width(), on.height());
}

// The menu's captions, on every page, with two pixels to spare all round on
// the pale plate of the entry's frame picture.
TEST_F(CaptionFit, MenuCaptionsLieOnTheirFramesPlates)
{
    TMainForm form;
    form.Create();
    form.show();
    for (int page = 0; page <= catalogue::kMenuLastPage; ++page) {
        if (page > 0) {
            ASSERT_TRUE(Click(&form, "btn_NextPage"));
        }
        for (int k = 0; k < catalogue::kMenuSlots; ++k) {
            if (!catalogue::FindMenuEntry(page, k))
                continue;
            platform::TLabel* caption = form.Slot(k).caption;
            SCOPED_TRACE(caption->text().toStdString());
            const QFontMetrics fm(caption->font());
            EXPECT_LE(fm.horizontalAdvance(caption->text()), caption->width()) << "one line in its label";
            EXPECT_TRUE(form.rect().contains(legibility::RectOn(&form, caption)));
            const QImage shown = legibility::Render(&form);
            const QImage behind = legibility::RenderWithout(&form, caption);
            const QRect text = legibility::Strokes(shown, behind, caption->textColor()).grown(2).bounds();
            ASSERT_FALSE(text.isEmpty());
            const QColor plate = QColor::fromRgb(behind.pixel(legibility::RectOn(&form, caption).center()));
            const legibility::PixelSet off = legibility::PixelsUnlike(behind, text, plate, 8);
            EXPECT_TRUE(off.empty()) << "the text runs off its plate at " << off.bounds().x() << "," << off.bounds().y()
                                     << " (text " << text.x() << ".." << text.right() << ")";
        }
    }
}

// Every caption of every card lesson, on each of its pages: whole inside its
// label, inside the window, and clear of its neighbours' captions.
TEST_F(CaptionFit, CardCaptionsStayInTheirLabelsAndTheWindow)
{
    std::vector<std::pair<std::string, int>> lessons = {{"TFM_SeeColor", 1}, {"TFM_SeeShape", 1}, {"TFM_SeeChuan", 1}};
    for (const cards::CardFamily* family : cards::PagedCardFamilies())
        lessons.emplace_back(family->className, family->pages());
    for (const auto& [className, pages] : lessons) {
        const std::unique_ptr<frame::LessonScreen> screen = OpenShown(className);
        ASSERT_NE(screen, nullptr) << className;
        for (int page = 0; page < pages; ++page) {
            if (page > 0) {
                ASSERT_TRUE(Click(screen.get(), "btn_nextpage"));
            }
            std::vector<QRect> row;
            const QImage shown = legibility::Render(screen.get());
            for (platform::TLabel* label : screen->findChildren<platform::TLabel*>()) {
                if (!label->isVisibleTo(screen.get()) || label->text().trimmed().isEmpty())
                    continue;
                SCOPED_TRACE(className + " page " + std::to_string(page) + ": " + label->text().toStdString());
                const QRect on = legibility::RectOn(screen.get(), label);
                const QRect text = TextSpanOn(screen.get(), label);
                EXPECT_TRUE(on.contains(text)) << "wider than its label";
                EXPECT_TRUE(screen->rect().contains(text)) << "runs off the window";
                for (const QRect& other : row)
                    EXPECT_FALSE(other.intersects(text)) << "runs into a neighbour's caption";
                // Strokes that reach the label's top or bottom row are cut there.
                const QRect ink =
                    legibility::Strokes(shown, legibility::RenderWithout(screen.get(), label), label->textColor())
                        .bounds();
                EXPECT_TRUE(on.adjusted(0, 1, 0, -1).contains(ink)) << "cut at its label's top or bottom";
                row.push_back(text);
            }
        }
    }
}

// The alphabet with every lower-case letter shown: each letter's strokes, and
// two pixels around them, lie on its own tile.
TEST_F(CaptionFit, LowerCaseLettersStayOnTheirTiles)
{
    const std::unique_ptr<frame::LessonScreen> screen = OpenShown("TFM_VoiceOfABC");
    ASSERT_NE(screen, nullptr);
    for (char c = 'a'; c <= 'z'; ++c)
        ASSERT_TRUE(Click(screen.get(), c == 'v' ? "btn_V" : std::string("btn_") + c));
    SaveShot(screen.get(), "TFM_VoiceOfABC_all");
    for (char c = 'a'; c <= 'z'; ++c) {
        SCOPED_TRACE(std::string(1, c));
        auto* button = FindAs<platform::TSpeedButton>(screen.get(), c == 'v' ? "btn_V" : std::string("btn_") + c);
        auto* label = FindAs<platform::TLabel>(screen.get(), c == 'l' ? "lb_L" : std::string("lb_") + c);
        ASSERT_TRUE(button && label && label->isVisible());
        platform::TImage* tile = nullptr;
        for (platform::TImage* image : screen->findChildren<platform::TImage*>())
            if (image->geometry() == button->geometry())
                tile = image;
        ASSERT_NE(tile, nullptr);
        const legibility::PixelSet strokes = legibility::Strokes(
            legibility::Render(screen.get()), legibility::RenderWithout(screen.get(), label), label->textColor());
        ASSERT_GT(strokes.count(), 20);
        button->hide();
        label->hide();
        const legibility::PixelSet face = legibility::InkOf(screen.get(), tile);
        label->show();
        button->show();
        for (const QPoint& p : strokes.grown(2).points())
            if (!face.contains(p)) {
                ADD_FAILURE() << "runs off the tile at " << p.x() << "," << p.y();
                break;
            }
    }
}

// A question of the number ABB lesson with "10" among the candidates, "10"
// picked: the orange square behind it holds the whole "10" with room around.
TEST_F(CaptionFit, TenFitsInsideItsOrangeSquare)
{
    std::unique_ptr<frame::LessonScreen> screen;
    std::string ten;
    for (uint32_t seed = 1; seed < 200 && ten.empty(); ++seed) {
        rec.counter = seed;
        screen = OpenShown("TFM_ZhaoGuiLv");
        ASSERT_NE(screen, nullptr);
        for (const char* button : {"btn_b4", "btn_b5", "btn_b6", "btn_b7"})
            if (TextOf(screen.get(), button) == "10")
                ten = button;
    }
    ASSERT_FALSE(ten.empty()) << "no question offers 10";
    ASSERT_TRUE(Click(screen.get(), ten));
    SaveShot(screen.get(), "TFM_ZhaoGuiLv_ten");
    auto* button = FindAs<platform::TSpeedButton>(screen.get(), ten);
    QWidget* square = Find(screen.get(), "imgb" + ten.substr(5));
    ASSERT_TRUE(square && square->isVisible());
    const legibility::PixelSet strokes = legibility::Strokes(
        legibility::Render(screen.get()), legibility::RenderWithout(screen.get(), button), button->textColor());
    button->hide();
    const legibility::PixelSet orange = legibility::InkOf(screen.get(), square);
    button->show();
    EXPECT_TRUE(screen->rect().contains(orange.bounds()));
    const QRect text = strokes.bounds(), box = orange.bounds();
    EXPECT_GE(text.left() - box.left(), 4)
        << "text " << text.x() << ".." << text.right() << ", square " << box.x() << ".." << box.right();
    EXPECT_GE(box.right() - text.right(), 4);
    for (const QPoint& p : strokes.grown(3).points())
        if (!orange.contains(p)) {
            ADD_FAILURE() << "\"10\" runs past the square at " << p.x() << "," << p.y();
            break;
        }
}

// The glyph runs a text is drawn with in a font: one per font used.
std::vector<QRawFont> FontsDrawing(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<QRawFont> fonts;
    for (const QGlyphRun& run : layout.glyphRuns())
        fonts.push_back(run.rawFont());
    return fonts;
}

// ü and üe lie over their buttons as labels; they are drawn in the font and
// weight of the other finals, with no glyph from a fallback font.
TEST_F(CaptionFit, UmlautFinalsAreWrittenInTheFinalsFont)
{
    const std::unique_ptr<frame::LessonScreen> screen = OpenShown("TFM_VoiceOfHanYuPinYin");
    ASSERT_NE(screen, nullptr);
    auto* final = FindAs<platform::TSpeedButton>(screen.get(), "btn_b");
    ASSERT_EQ(TextOf(screen.get(), "btn_b"), "a");
    const std::vector<QRawFont> finals = FontsDrawing(QStringLiteral("aoeiu"), final->font());
    ASSERT_EQ(finals.size(), 1u);
    for (const char* name : {"lb_u1", "lb_u2"}) {
        auto* label = FindAs<platform::TLabel>(screen.get(), name);
        ASSERT_TRUE(label && label->isVisible()) << name;
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_EQ(QFontInfo(label->font()).family(), QFontInfo(final->font()).family());
        EXPECT_EQ(QFontInfo(label->font()).bold(), QFontInfo(final->font()).bold());
        for (const QRawFont& font : FontsDrawing(label->text(), label->font())) {
            EXPECT_EQ(font.familyName().toStdString(), finals.front().familyName().toStdString());
            EXPECT_EQ(font.styleName().toStdString(), finals.front().styleName().toStdString());
        }
        EXPECT_TRUE(legibility::RectOn(screen.get(), label).contains(TextSpanOn(screen.get(), label)));
    }
}

}  // namespace
