// The picture store and its decoders (BMP, GIF through giflib, JPEG through
// libjpeg), damaged data, and the picture and button widgets.
#include "platform/pictures.h"
#include "platform/widgets.h"
#include "tools/content_gen/picture_writers.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

using namespace platform;

namespace {

QImage filled(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

TEST(PictureStore, EmbeddedNamesAreFoundWithoutRegardToCase)
{
    for (const char* name : {"TestPic", "TESTPIC", "testpic"}) {
        const Picture p = loadPictureResource(name);
        ASSERT_FALSE(p.isNull()) << name;
        EXPECT_EQ(p.size(), QSize(4, 3));
        EXPECT_EQ(QColor(p.image().pixel(1, 1)), QColor(10, 200, 30));
    }
    EXPECT_EQ(loadRawResource("rawone"), QByteArray("GIF89a-not-really"));
    try {
        loadPictureResource("mainformt999");
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource mainformt999 not found");
    }
    EXPECT_THROW(loadRawResource("TestPic"), EResNotFound);
    // The raw resource is not a valid GIF.
    EXPECT_THROW(decodePicture(loadRawResource("RAWONE")), EInvalidGraphic);
}

TEST(PictureCodecs, BmpIsWrittenWith24Bits)
{
    const QByteArray bmp = gen::encodeBmp24(filled(5, 2, QColor(1, 2, 3)));
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);
    const Picture p = decodePicture(bmp);
    EXPECT_EQ(QColor(p.image().pixel(4, 1)), QColor(1, 2, 3));
}

// A BMP written by hand: `bits` per pixel (24 or 32, no palette), the given
// info header size, rows bottom-up unless topDown, `gap` spare bytes before
// the pixels.
QByteArray handBmp(int w, int h, int bits, quint32 header, bool topDown, int gap, qint32 dpm)
{
    const int stride = (w * bits / 8 + 3) / 4 * 4;
    QByteArray out;
    auto u16 = [&out](quint16 v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    auto u32 = [&out](quint32 v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    const quint32 offset = 14 + header + static_cast<quint32>(gap);
    out += "BM";
    u32(offset + static_cast<quint32>(stride * h)), u32(0), u32(offset);
    u32(header), u32(static_cast<quint32>(w)), u32(static_cast<quint32>(topDown ? -h : h)), u16(1),
        u16(static_cast<quint16>(bits)), u32(0), u32(static_cast<quint32>(stride * h)), u32(static_cast<quint32>(dpm)),
        u32(static_cast<quint32>(dpm)), u32(0), u32(0);
    out.append(QByteArray(static_cast<int>(header) - 40 + gap, '\0'));
    for (int row = 0; row < h; ++row) {
        const int y = topDown ? row : h - 1 - row;
        QByteArray line;
        for (int x = 0; x < w; ++x) {
            line.append(static_cast<char>(x * 40 + y));        // blue
            line.append(static_cast<char>(y * 50 + 7));        // green
            line.append(static_cast<char>(255 - x * 30 - y));  // red
            if (bits == 32)
                line.append('\0');
        }
        line.append(QByteArray(stride - line.size(), '\0'));
        out += line;
    }
    return out;
}

QImage readByQt(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    return reader.read();
}

TEST(PictureCodecs, BmpsDecodeAsQtsOwnReaderDecodesThem)
{
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    QImage palette(5, 3, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(9, 99, 199)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            palette.setPixel(x, y, static_cast<uint>((x + y) % 3));
    QByteArray paletteBmp;
    {
        QBuffer b(&paletteBmp);
        b.open(QIODevice::WriteOnly);
        palette.save(&b, "BMP");
    }
    // A version 4 header whose colour masks name another channel order.
    QByteArray swappedMasks = handBmp(3, 3, 24, 108, false, 0, 2835);
    for (const auto& [at, mask] : {std::pair{54, 0x000000FFu}, std::pair{58, 0x0000FF00u}, std::pair{62, 0x00FF0000u}})
        std::memcpy(swappedMasks.data() + at, &mask, 4);
    const Case cases[] = {
        {"24-bit, version 4 header with masks", swappedMasks},
        {"24-bit, 1 wide (3 bytes of padding)", handBmp(1, 4, 24, 40, false, 0, 2835)},
        {"24-bit, 2 wide", handBmp(2, 3, 24, 40, false, 0, 2835)},
        {"24-bit, 3 wide", handBmp(3, 2, 24, 40, false, 0, 0)},
        {"24-bit, 4 wide (no padding)", handBmp(4, 5, 24, 40, false, 0, 3780)},
        {"24-bit, top-down", handBmp(5, 3, 24, 40, true, 0, 2835)},
        {"24-bit, version 4 header", handBmp(3, 3, 24, 108, false, 0, 2835)},
        {"24-bit, version 5 header, top-down", handBmp(6, 2, 24, 124, true, 0, 2835)},
        {"24-bit, gap before the pixels", handBmp(3, 3, 24, 40, false, 12, 2835)},
        {"24-bit, as the generator writes it", gen::encodeBmp24(filled(7, 5, QColor(12, 34, 56)))},
        {"32-bit", handBmp(3, 2, 32, 40, false, 0, 2835)},
        {"8-bit palette", paletteBmp},
    };
    for (const Case& c : cases) {
        const QImage expected = readByQt(c.bytes);
        ASSERT_FALSE(expected.isNull()) << c.what;
        const Picture p = decodePicture(c.bytes);
        ASSERT_EQ(p.frames.size(), 1u) << c.what;
        EXPECT_EQ(p.image().format(), expected.format()) << c.what;
        EXPECT_EQ(p.image(), expected) << c.what;
        EXPECT_EQ(p.image().dotsPerMeterX(), expected.dotsPerMeterX()) << c.what;
        EXPECT_EQ(p.image().dotsPerMeterY(), expected.dotsPerMeterY()) << c.what;
    }
}

TEST(PictureCodecs, AnimatedGifKeepsFramesAndDelays)
{
    const QByteArray gif =
        gen::encodeGif({filled(12, 10, Qt::red), filled(12, 10, Qt::blue), filled(12, 10, Qt::white)}, {200, 500, 100});
    const Picture p = decodePicture(gif);
    ASSERT_EQ(p.frames.size(), 3u);
    EXPECT_EQ(p.delaysMs, (std::vector<int>{200, 500, 100}));
    EXPECT_EQ(QColor(p.frames[0].pixel(3, 3)), QColor(Qt::red));
    EXPECT_EQ(QColor(p.frames[1].pixel(3, 3)), QColor(Qt::blue));
    EXPECT_EQ(QColor(p.frames[2].pixel(3, 3)), QColor(Qt::white));
    const Picture still = decodeGif(gen::encodeGif({filled(7, 7, QColor(128, 128, 128))}, {}));
    EXPECT_EQ(still.frames.size(), 1u);
    EXPECT_TRUE(still.delaysMs.empty());
    EXPECT_EQ(QColor(still.image().pixel(3, 3)), QColor(128, 128, 128));
}

TEST(PictureCodecs, JpegRoundTrip)
{
    const Picture p = decodePicture(gen::encodeJpeg(filled(16, 8, QColor(0, 200, 0)), 95));
    ASSERT_EQ(p.size(), QSize(16, 8));
    const QColor c(p.image().pixel(8, 4));
    EXPECT_NEAR(c.green(), 200, 6);
    EXPECT_NEAR(c.red(), 0, 6);
}

TEST(PictureCodecs, DamagedDataIsAnErrorNeverACrash)
{
    const QByteArray gif = gen::encodeGif({filled(20, 20, Qt::red), filled(20, 20, Qt::green)}, {100, 100});
    const QByteArray jpeg = gen::encodeJpeg(filled(20, 20, Qt::red));
    const QByteArray bmp = gen::encodeBmp24(filled(20, 20, Qt::red));
    const QByteArray damaged[] = {
        QByteArray(),
        QByteArray("GIF89a"),
        gif.left(gif.size() / 2),
        gif.left(13),
        jpeg.left(40),
        jpeg.left(2),
        bmp.left(30),
        bmp.left(bmp.size() - 61),  // rows cut short: never filled from stray memory
        QByteArray("BM") + QByteArray(100, '\xff'),
        QByteArray(64, '\x00'),
        QByteArray("\x89PNG\r\n\x1a\n garbage"),
    };
    for (const QByteArray& d : damaged)
        EXPECT_THROW(decodePicture(d), EInvalidGraphic) << d.size() << " bytes";
}

TEST(PictureWidget, TransparentColourIsTheBottomLeftPixel)
{
    QImage img = filled(4, 4, Qt::magenta);
    img.setPixel(1, 1, qRgb(0, 0, 255));
    Picture pic;
    pic.frames.push_back(img);
    QWidget parent;
    parent.resize(20, 20);
    QPalette pal;
    pal.setColor(QPalette::Window, Qt::yellow);
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
    TImage image(&parent);
    image.setGeometry(0, 0, 4, 4);
    image.setPicture(pic);
    image.setTransparent(true);
    parent.show();
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(0, 0)), QColor(Qt::yellow));
    EXPECT_EQ(QColor(shot.pixel(1, 1)), QColor(Qt::blue));
}

TEST(PictureWidget, ClickReportsOnlyWhenEnabled)
{
    TImage image;
    image.resize(10, 10);
    image.show();
    QSignalSpy spy(&image, &TImage::clicked);
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(spy.count(), 1);
    image.setEnabled(false);
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(spy.count(), 1);
}

TEST(SpeedButton, DisabledTakesNoClick)
{
    TSpeedButton button;
    button.setText("下一页");
    button.resize(160, 75);
    button.show();
    QSignalSpy spy(&button, &TSpeedButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(80, 30));
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(80, 30));
    button.Click();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(button.cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
