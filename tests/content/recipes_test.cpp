// The content plan's checks and the drawing recipes: bad entries are named,
// identical duplicates fold, and pictures carry their declared colours,
// shapes, sizes and formats.
#include "platform/pictures.h"
#include "tools/art/paint.h"
#include "tools/content_gen/pictures.h"
#include "tools/content_gen/plan.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

using content::Picture;

Picture pic(const std::string& name, int w, int h, const std::string& recipe)
{
    Picture p;
    p.name = name;
    p.width = w;
    p.height = h;
    p.recipe = recipe;
    return p;
}

std::string planError(const content::Manifest& m)
{
    try {
        gen::makePlan(m);
    } catch (const gen::ContentError& e) {
        return e.what();
    }
    return "";
}

struct BadEntry {
    const char* what;
    std::function<void(content::Manifest&)> declare;
    std::vector<std::string> mentions;
};

TEST(ContentPlan, EachBadEntryStopsTheBuildNamingIt)
{
    const BadEntry cases[] = {
        {"unknown recipe",
         [](auto& m) { m.pictures.push_back(pic("ODD1", 10, 10, "watercolour")); },
         {"ODD1", "unknown recipe \"watercolour\""}},
        {"zero width", [](auto& m) { m.pictures.push_back(pic("ODD2", 0, 10, "solid")); }, {"ODD2", "size"}},
        {"negative height", [](auto& m) { m.pictures.push_back(pic("ODD3", 10, -1, "solid")); }, {"ODD3", "size"}},
        {"bad picture name", [](auto& m) { m.pictures.push_back(pic("ODD 4", 10, 10, "solid")); }, {"ODD 4", "name"}},
        {"same picture, two ways",
         [](auto& m) {
             m.pictures.push_back(pic("ODD5", 10, 10, "solid"));
             m.pictures.push_back(pic("odd5", 10, 12, "solid"));
         },
         {"ODD5", "declared twice"}},
        {"nothing to say", [](auto& m) { m.sound("mainform\\", "kj", ""); }, {"\"kj\"", "nothing to say"}},
        {"upper-case sound name", [](auto& m) { m.sound("mainform\\", "Kj", "你好"); }, {"\"Kj\"", "lower-case"}},
        {"folder without backslash", [](auto& m) { m.sound("mainform", "kj", "你好"); }, {"mainform", "folder"}},
        {"folder with slash", [](auto& m) { m.sound("pinyin/yunmu\\", "a", "啊"); }, {"pinyin/yunmu", "folder"}},
        {"no reading",
         [](auto& m) { m.sound("mainform\\", "kj", "没有读音的话"); },
         {"\"kj\"", "no reading", "没有读音的话"}},
        {"reading with a syllable too many",
         [](auto& m) { m.sound("mainform\\", "kj", "斑马").reading = "ban1 ma3 ma3"; },
         {"\"kj\"", "ban1 ma3 ma3", "more syllables"}},
        {"reading without a tone",
         [](auto& m) { m.sound("mainform\\", "kj", "斑马").reading = "ban1 ma"; },
         {"\"kj\"", "\"ma\" is not a pinyin syllable"}},
        {"same sound, two ways",
         [](auto& m) {
             m.sound("mainform\\", "n", "下一页");
             m.sound("mainform\\", "n", "上一页");
         },
         {"\"n\"", "declared twice", "上一页"}},
    };
    for (const BadEntry& c : cases) {
        SCOPED_TRACE(c.what);
        content::Manifest m;
        m.pictures.push_back(pic("GOOD", 10, 10, "solid"));
        c.declare(m);
        const std::string error = planError(m);
        ASSERT_FALSE(error.empty());
        for (const std::string& word : c.mentions)
            EXPECT_NE(error.find(word), std::string::npos) << error;
        EXPECT_EQ(error.find("GOOD"), std::string::npos) << "a good entry is not blamed: " << error;
    }
}

TEST(ContentPlan, IdenticalDuplicatesFoldIntoOneUpperCaseEntry)
{
    content::Manifest m;
    m.picture("frame_button", 160, 75, "button").colour = 0xFFE082;
    m.picture("FRAME_BUTTON", 160, 75, "button").colour = 0xFFE082;
    m.sound("pinyin\\yunmu\\", "001", "a1");
    m.sound("pinyin\\yunmu\\", "001", "a1");
    m.sound("zimupeidui\\", "gz", "", content::Voice::Cheer);
    const gen::Plan plan = gen::makePlan(m);
    ASSERT_EQ(plan.pictures.size(), 1u);
    EXPECT_EQ(plan.pictures[0].name, "FRAME_BUTTON");
    ASSERT_EQ(plan.sounds.size(), 2u);
    EXPECT_EQ(gen::soundPath(plan.sounds[0]), "pinyin/yunmu/001.dat");
    EXPECT_EQ(gen::soundPath(plan.sounds[1]), "zimupeidui/gz.dat");
}

QRgb at(const QImage& img, double fx, double fy)
{
    return img.pixel(static_cast<int>(fx * (img.width() - 1)), static_cast<int>(fy * (img.height() - 1))) & 0xFFFFFF;
}

// Share of the picture's pixels in exactly `colour`.
double shareOf(const QImage& img, QRgb colour)
{
    long n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == colour;
    return static_cast<double>(n) / (img.width() * img.height());
}

TEST(Recipes, ShapesAreDrawnInTheirColourOnTheirBackground)
{
    // A point inside each shape (as fractions of the picture) and its share of the picture.
    const struct {
        const char* shape;
        double x, y;
        double minShare, maxShare;
    } cases[] = {
        {"circle", 0.5, 0.5, 0.5, 0.7},      {"ellipse", 0.5, 0.5, 0.25, 0.5},      {"oval", 0.5, 0.5, 0.3, 0.6},
        {"square", 0.5, 0.5, 0.65, 0.75},    {"rectangle", 0.5, 0.5, 0.4, 0.6},     {"triangle", 0.5, 0.6, 0.3, 0.5},
        {"trapezoid", 0.5, 0.5, 0.35, 0.55}, {"star", 0.5, 0.5, 0.2, 0.45},         {"pentagon", 0.5, 0.5, 0.45, 0.7},
        {"hexagon", 0.5, 0.5, 0.5, 0.75},    {"diamond", 0.5, 0.5, 0.25, 0.45},     {"heart", 0.5, 0.55, 0.25, 0.55},
        {"semicircle", 0.5, 0.6, 0.2, 0.45}, {"parallelogram", 0.5, 0.5, 0.3, 0.5}, {"crescent", 0.15, 0.5, 0.1, 0.35},
        {"sector", 0.5, 0.5, 0.2, 0.45},     {"cross", 0.5, 0.5, 0.33, 0.42},
    };
    std::set<QByteArray> looks;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        Picture p = pic("SHAPE", 120, 120, "shape");
        p.param = c.shape;
        p.colour = 0x2060C0;
        p.background = 0xFFF0A0;
        const QImage img = gen::paint(p);
        EXPECT_EQ(at(img, c.x, c.y), 0x2060C0u);
        for (const auto& corner : {std::pair{0.0, 0.0}, {1.0, 0.0}, {0.0, 1.0}, {1.0, 1.0}})
            EXPECT_EQ(at(img, corner.first, corner.second), 0xFFF0A0u);
        const double share = shareOf(img, 0x2060C0);
        EXPECT_GE(share, c.minShare);
        EXPECT_LE(share, c.maxShare);
        EXPECT_TRUE(looks.insert(QByteArray(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes())).second)
            << "looks like another shape";
    }
}

// Filled width of the middle colour along row fy.
int rowWidth(const QImage& img, double fy, QRgb colour)
{
    int n = 0;
    const int y = static_cast<int>(fy * (img.height() - 1));
    for (int x = 0; x < img.width(); ++x)
        n += (img.pixel(x, y) & 0xFFFFFF) == colour;
    return n;
}

int columnHeight(const QImage& img, double fx, QRgb colour)
{
    int n = 0;
    const int x = static_cast<int>(fx * (img.width() - 1));
    for (int y = 0; y < img.height(); ++y)
        n += (img.pixel(x, y) & 0xFFFFFF) == colour;
    return n;
}

TEST(Recipes, ShapesStandTheWayTheirNamesSay)
{
    const auto draw = [](const char* shape) {
        Picture p = pic("SHAPE", 120, 120, "shape");
        p.param = shape;
        p.colour = 0xFF0000;
        return gen::paint(p);
    };
    const QImage triangle = draw("triangle"), trapezoid = draw("trapezoid"), ellipse = draw("ellipse");
    EXPECT_LT(rowWidth(triangle, 0.3, 0xFF0000), rowWidth(triangle, 0.8, 0xFF0000)) << "point up";
    EXPECT_LT(rowWidth(trapezoid, 0.3, 0xFF0000), rowWidth(trapezoid, 0.7, 0xFF0000)) << "short side up";
    EXPECT_GT(rowWidth(ellipse, 0.5, 0xFF0000), columnHeight(ellipse, 0.5, 0xFF0000) * 3 / 2) << "wider than tall";
}

TEST(Recipes, FillsAndMarkersKeepTheirExactColours)
{
    const struct {
        const char* recipe;
        double x, y;
        QRgb expected;
    } cases[] = {
        {"solid", 0.5, 0.5, 0x336699},     {"solid", 0.0, 1.0, 0x336699},   {"magnifier", 0.0, 0.0, 0x336699},
        {"magnifier", 1.0, 0.0, 0x336699}, {"balloon", 0.5, 0.4, 0x336699}, {"balloon", 0.0, 0.0, 0xFFFFFF},
        {"button", 0.0, 1.0, 0xC0DCC0},    {"frame", 0.0, 1.0, 0xC0DCC0},   {"text", 0.0, 0.0, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.recipe);
        Picture p = pic("FILL", 140, 190, c.recipe);
        p.colour = 0x336699;
        p.text = "A";
        EXPECT_EQ(at(gen::paint(p), c.x, c.y), c.expected);
    }
    Picture letter = pic("LETTER", 100, 100, "text");
    letter.text = "A";
    letter.colour = 0xE53935;
    const QImage drawn = gen::paint(letter);
    EXPECT_GT(columnHeight(drawn, 0.5, 0xE53935) + rowWidth(drawn, 0.6, 0xE53935), 0) << "drawn in its colour";
    int top = drawn.height(), bottom = -1;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if ((drawn.pixel(x, y) & 0xFFFFFF) == 0xE53935) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GT(bottom - top, drawn.height() / 2) << "the letter is drawn large";
}

TEST(Recipes, CardsShowTheirEmojiOrTextInColour)
{
    Picture emoji = pic("CARD_A", 100, 100, "card");
    emoji.emoji = "🍎";
    Picture text = pic("CARD_B", 100, 100, "card");
    text.text = "苹果";
    Picture plain = pic("CARD_C", 100, 100, "card");
    plain.text = "苹果";
    plain.background = 0x80C0FF;
    const QImage a = gen::paint(emoji), b = gen::paint(text), c = gen::paint(plain);
    // The apple is red in the middle of the card.
    const QColor centre = QColor::fromRgb(a.pixel(50, 55));
    EXPECT_GT(centre.red(), 150);
    EXPECT_LT(centre.green(), 90);
    EXPECT_NE(a, b);
    EXPECT_NE(QColor::fromRgb(b.pixel(50, 88)), QColor::fromRgb(c.pixel(50, 88))) << "background colour is used";
    EXPECT_EQ(QColor::fromRgb(c.pixel(50, 88)).name(), QColor(0x80C0FF).name());
    EXPECT_EQ(art::pastelFor("CARD_B"), art::pastelFor("CARD_B"));
    EXPECT_NE(art::pastelFor("CARD_B"), art::pastelFor("CARD_C"));
}

TEST(Recipes, ADrawingFillsItsCardInItsOwnColours)
{
    Picture drawn = pic("CARD_D", 140, 140, "card");
    drawn.drawing = "pumpkin";
    drawn.text = "南瓜";
    const QImage img = gen::paint(drawn);
    // The pumpkin's orange body fills the middle of the card; the caption is not drawn.
    const QColor middle = QColor::fromRgb(img.pixel(70, 85));
    EXPECT_GT(middle.red(), 220);
    EXPECT_GT(middle.green(), 100);
    EXPECT_LT(middle.blue(), 90);
    Picture worded = drawn;
    worded.drawing.clear();
    EXPECT_NE(img, gen::paint(worded));
}

// Where the ink of a symbol card lies in its writing square, as fractions of
// the square (0 left/top, 1 right/bottom).
QRectF inkWithin(const QImage& img)
{
    QRect square, ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = QColor::fromRgb(img.pixel(x, y));
            if (c == Qt::white)
                square |= QRect(x, y, 1, 1);
            else if (c.red() < 110 && c.green() < 110)
                ink |= QRect(x, y, 1, 1);
        }
    return QRectF((ink.left() - square.left()) / double(square.width()),
                  (ink.top() - square.top()) / double(square.height()), ink.width() / double(square.width()),
                  ink.height() / double(square.height()));
}

TEST(Recipes, SymbolsSitInTheirWritingSquareAsTheyDoAfterACharacter)
{
    const struct {
        const char* symbol;
        double maxLeft, minLeft, maxRight;  // horizontal bounds of the ink
        double minTop;                      // the ink starts at least this low
        double maxSize;                     // neither side of the ink larger than this
    } cases[] = {
        {"。", 0.45, 0.0, 0.5, 0.5, 0.35},  // low at the left, small: not a letter O
        {"，", 0.45, 0.0, 0.5, 0.5, 0.4},
        {"+", 0.5, 0.1, 0.9, 0.1, 0.9},  // a sign stands in the middle
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.symbol);
        Picture p = pic("FHT002", 140, 140, "symbol");
        p.text = c.symbol;
        const QRectF ink = inkWithin(gen::paint(p));
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_LE(ink.left(), c.maxLeft);
        EXPECT_GE(ink.left(), c.minLeft);
        EXPECT_LE(ink.right(), c.maxRight);
        EXPECT_GE(ink.top(), c.minTop);
        EXPECT_LE(std::max(ink.width(), ink.height()), c.maxSize);
    }
}

TEST(Recipes, WhatCannotBeDrawnIsNamed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string notSvg = dir.filePath("torn.svg").toStdString();
    {
        QFile f(QString::fromStdString(notSvg));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 128");
    }
    const struct {
        const char* recipe;
        const char* emoji;
        const char* param;
        std::string drawing;
        const char* mentions;
    } cases[] = {
        {"card", "", "", "", "nothing to draw"},
        {"shape", "", "blob", "", "unknown shape \"blob\""},
        {"card", "\U0010FFFD", "", "", "U+10FFFD"},
        {"text", "", "", "", "nothing to draw"},
        {"card", "", "", "no_such_thing", "no drawing \"no_such_thing\""},
        {"card", "", "", notSvg, "not a picture"},
        {"symbol", "", "", "", "nothing to draw"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mentions);
        Picture p = pic("BROKEN7", 50, 50, c.recipe);
        p.emoji = c.emoji;
        p.param = c.param;
        p.drawing = c.drawing;
        try {
            gen::paint(p);
            ADD_FAILURE() << "drawn anyway";
        } catch (const gen::ContentError& e) {
            EXPECT_NE(std::string(e.what()).find("BROKEN7"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
        }
    }
}

TEST(Render, EachFormatIsWrittenAsDeclaredAtItsSize)
{
    const struct {
        content::Format format;
        const char* signature;
    } cases[] = {{content::Format::Bmp, "BM"}, {content::Format::Gif, "GIF8"}, {content::Format::Jpeg, "\xFF\xD8\xFF"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.signature);
        Picture p = pic("FMT", 37, 23, "solid");
        p.colour = 0x00FF00;
        p.format = c.format;
        const QByteArray bytes = gen::render(p);
        EXPECT_TRUE(bytes.startsWith(c.signature));
        const platform::Picture decoded = platform::decodePicture(bytes);
        EXPECT_EQ(decoded.size(), QSize(37, 23));
        const QColor mid = QColor::fromRgb(decoded.image().pixel(18, 11));
        EXPECT_LT(mid.red(), 20);
        EXPECT_GT(mid.green(), 235);
        if (c.format == content::Format::Bmp) {
            EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << "24 bits per pixel";
            EXPECT_EQ(mid.name(), "#00ff00") << "a bitmap keeps exact colours";
        }
    }
}

}  // namespace
