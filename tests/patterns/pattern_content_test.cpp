// The find-the-rule quizzes' content as the kid meets it: each family's ten
// pictures tell apart at the size they are shown, the empty tile is a white
// square with a green rim, and each lesson's folder holds its five sounds
// with "st" saying the instruction on the screen, its letters one by one.
#include "lessons/games/pattern_quiz_tables.h"
#include "platform/pictures.h"
#include "tools/content_gen/all_content.h"
#include "tools/content_gen/readings.h"
#include "resources/menu_catalogue.h"
#include "tests/patterns/pattern_harness.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <map>

using namespace pattern_test;

namespace {

// Mean difference per colour channel (0..255) of two pictures scaled to size.
double Difference(const QImage& a, const QImage& b, int size)
{
    const QImage x =
        a.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    const QImage y =
        b.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c) {
            const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * size * size);
}

TEST(PatternContent, EachFamilysPicturesTellApartAtTheirSmallestSize)
{
    // The ABAB rows show their pictures at 86 pixels, the ABB rows at 110.
    const std::map<std::string, int> families{
        {"GLABBSGT", 100}, {"GLABBDWT", 100}, {"GLABABSGT", 86}, {"GLABABDWT", 86}};
    for (const auto& [prefix, size] : families) {
        std::vector<QImage> images;
        for (int v = 1; v <= 10; ++v)
            images.push_back(platform::loadPictureResource(FamilyPicture(prefix, v)).image());
        for (size_t i = 0; i < images.size(); ++i)
            for (size_t j = i + 1; j < images.size(); ++j) {
                EXPECT_GT(Difference(images[i], images[j], size), 20.0)
                    << FamilyPicture(prefix, static_cast<int>(i + 1)) << " and "
                    << FamilyPicture(prefix, static_cast<int>(j + 1)) << " look alike";
            }
    }
}

TEST(PatternContent, TheEmptyTileIsAWhiteSquareWithAGreenRim)
{
    const QImage tile = platform::loadPictureResource("glababdwt123").image();
    ASSERT_FALSE(tile.isNull());
    EXPECT_EQ(QColor(tile.pixel(tile.width() / 2, tile.height() / 2)), QColor(Qt::white));
    const QColor rim(tile.pixel(1, tile.height() / 2));
    EXPECT_GT(rim.green(), rim.red() + 60);
    EXPECT_GT(rim.green(), rim.blue() + 60);
}

// The mean colour of a picture's drawn part (what is not the white the
// screens take out).
QColor DrawnColour(const std::string& name)
{
    const QImage image = platform::loadPictureResource(name).image().convertToFormat(QImage::Format_RGB32);
    double r = 0, g = 0, b = 0, n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 245 && qGreen(p) > 245 && qBlue(p) > 245)
                continue;
            r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
        }
    return n == 0 ? QColor(Qt::white) : QColor(int(r / n), int(g / n), int(b / n));
}

TEST(PatternContent, TheHandIsRedTheArrowPinkTheSquareOrange)
{
    const QColor hand = DrawnColour("guilv_hand");
    // Red, not orange: a hue within 10 degrees of pure red, well saturated.
    EXPECT_TRUE(hand.hsvHue() <= 10 || hand.hsvHue() >= 350) << hand.name().toStdString();
    EXPECT_GT(hand.hsvSaturation(), 150) << hand.name().toStdString();
    EXPECT_GT(hand.red(), 180) << hand.name().toStdString();
    const QColor arrow = DrawnColour("guilv_arrow");
    EXPECT_GT(arrow.red(), 200) << arrow.name().toStdString();
    EXPECT_GT(arrow.blue(), arrow.green() + 30) << arrow.name().toStdString();
    const QColor square = DrawnColour("guilv_square");
    EXPECT_GT(square.red(), 200) << square.name().toStdString();
    EXPECT_TRUE(square.green() > 100 && square.green() < 200 && square.blue() < 100) << square.name().toStdString();
}

TEST(PatternContent, EachLessonDeclaresItsSoundsAndStSaysTheInstruction)
{
    const content::Manifest m = content::collectAll();
    for (const Lesson* l : AllLessons()) {
        SCOPED_TRACE(l->className);
        EXPECT_NE(std::find(m.screens.begin(), m.screens.end(), l->className), m.screens.end());
        const std::string folder = catalogue::FindLessonEntry(l->className)->folder;
        std::map<std::string, const content::Sound*> sounds;
        for (const content::Sound& s : m.sounds)
            if (s.folder == folder)
                sounds[s.name] = &s;
        for (const char* name : {"st", "yes", "gz", "no", "n_g"})
            EXPECT_TRUE(sounds.count(name)) << name;
        ASSERT_TRUE(sounds.count("st"));
        // The instruction as it stands, its rule's letters read one by one.
        EXPECT_EQ(sounds["st"]->say, l->instruction);
        const std::string letters = l->rule == Rule::ABB ? " A B B " : " A B A B ";
        EXPECT_NE(gen::readingOf(*sounds["st"]).find(letters + "de5 gui1 lv4"), std::string::npos)
            << gen::readingOf(*sounds["st"]);
        EXPECT_EQ(sounds["n_g"]->say, "下一组");
        EXPECT_EQ(sounds["gz"]->voice, content::Voice::Cheer);
    }
}

}  // namespace
