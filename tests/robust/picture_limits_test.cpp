// Decompression bombs and damaged pictures: every decoder checks sizes,
// frame counts and decoded bytes before it allocates, and rejects with the
// invalid-picture error; the inputs that once found faults stay decodable.
#include "platform/pictures.h"
#include "tools/content_gen/picture_writers.h"
#include "tests/support/process_memory.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <unistd.h>

using namespace platform;

namespace {

long residentMb()
{
    return testing_support::ResidentKb() / 1024;
}

void put16(QByteArray& b, int v)
{
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
}

// A GIF of a w by h screen and `frames` frames of fw by fh pixels of colour
// 0 (each frame's LZW data: clear, then one code per pixel, then end).
QByteArray gifBomb(int w, int h, int frames, int fw = 1, int fh = 1)
{
    QByteArray b("GIF89a");
    put16(b, w);
    put16(b, h);
    b.append(static_cast<char>(0x80));  // global colour table of 2 entries
    b.append('\0');
    b.append('\0');
    b.append(QByteArray("\0\0\0\xff\xff\xff", 6));
    for (int i = 0; i < frames; ++i) {
        b.append(',');
        put16(b, 0);
        put16(b, 0);
        put16(b, fw);
        put16(b, fh);
        b.append('\0');
        b.append('\2');  // minimum code size 2: codes of 3 bits, clear 4, end 5
        if (fw == 1 && fh == 1) {
            b.append(QByteArray("\x02\x44\x01\x00", 4));
        } else {
            b.append(QByteArray("\x01\x04\x00", 3));  // clear, then nothing: too few pixels
        }
    }
    b.append(';');
    return b;
}

// A baseline JPEG whose frame header is rewritten to claim w by h.
QByteArray jpegClaiming(int w, int h)
{
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::red);
    QByteArray j = gen::encodeJpeg(img);
    for (int i = 0; i + 9 < j.size(); ++i)
        if (static_cast<unsigned char>(j[i]) == 0xFF && static_cast<unsigned char>(j[i + 1]) == 0xC0) {
            j[i + 5] = static_cast<char>(h >> 8);
            j[i + 6] = static_cast<char>(h & 0xFF);
            j[i + 7] = static_cast<char>(w >> 8);
            j[i + 8] = static_cast<char>(w & 0xFF);
            break;
        }
    return j;
}

// A progressive JPEG with one scan per component and coefficient: 190 scans.
QByteArray jpegManyScans()
{
    QImage img(64, 64, QImage::Format_RGB888);
    img.fill(Qt::blue);
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &out, &size);
    c.image_width = 64;
    c.image_height = 64;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    std::vector<jpeg_scan_info> scans;
    scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int comp = 0; comp < 3; ++comp)
        for (int k = 1; k < 64; ++k)
            scans.push_back({1, {comp, 0, 0, 0}, k, k, 0, 0});
    c.scan_info = scans.data();
    c.num_scans = static_cast<int>(scans.size());
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = img.scanLine(static_cast<int>(c.next_scanline));
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    QByteArray j(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&c);
    std::free(out);
    return j;
}

QByteArray bmpClaiming(int w, int h)
{
    QImage img(2, 2, QImage::Format_RGB888);
    img.fill(Qt::green);
    QByteArray b = gen::encodeBmp24(img);
    for (int i = 0; i < 4; ++i) {
        b[18 + i] = static_cast<char>((w >> (8 * i)) & 0xFF);
        b[22 + i] = static_cast<char>((h >> (8 * i)) & 0xFF);
    }
    return b;
}

TEST(PictureLimits, BombsAreRejectedBeforeTheyAllocate)
{
    struct Case {
        const char* name;
        QByteArray data;
    } cases[] = {
        {"gif 8192x8192 screen, 40 one-pixel frames", gifBomb(8192, 8192, 40)},
        {"gif 60000x60000 screen", gifBomb(60000, 60000, 1)},
        {"gif 2048x2048 screen, 40 frames", gifBomb(2048, 2048, 40)},
        {"gif of 1001 frames", gifBomb(1, 1, kMaxPictureFrames + 1)},
        {"gif frame 9000 wide", gifBomb(16, 16, 1, 9000, 1)},
        {"gif frame without pixels", gifBomb(16, 16, 1, 0, 0)},
        {"jpeg 59109x55254", jpegClaiming(59109, 55254)},
        {"jpeg 8192x8192", jpegClaiming(8192, 8192)},
        {"jpeg of 190 scans", jpegManyScans()},
        {"bmp 30000x30000", bmpClaiming(30000, 30000)},
        {"bmp 5000x5000", bmpClaiming(5000, 5000)},
    };
    const long before = residentMb();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(decodePicture(c.data), EInvalidGraphic);
        EXPECT_LT(residentMb() - before, 200);
    }
}

TEST(PictureLimits, PicturesWithinTheLimitsStillDecode)
{
    const Picture many = decodeGif(gifBomb(4, 3, 12));
    EXPECT_EQ(many.frames.size(), 12u);
    EXPECT_EQ(many.size(), QSize(4, 3));
    EXPECT_EQ(many.delaysMs.size(), 12u);
    EXPECT_EQ(decodeGif(gifBomb(1, 1, 1)).frames.size(), 1u);

    // An interlaced GIF comes out in row order.
    QImage rows(3, 9, QImage::Format_RGB32);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 3; ++x)
            rows.setPixel(x, y, y % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    QByteArray gif = gen::encodeGif({rows}, {});
    const int desc = static_cast<int>(gif.indexOf(',', 13 + 3 * 256));
    ASSERT_GT(desc, 0);
    gif[desc + 9] = static_cast<char>(gif[desc + 9] | 0x40);
    const Picture inter = decodeGif(gif);
    // Interlaced order 0,8 | 4 | 2,6 | 1,3,5,7: written rows land there.
    const int order[] = {0, 8, 4, 2, 6, 1, 3, 5, 7};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(inter.image().pixel(0, order[i]) | 0xFF000000u, rows.pixel(0, i) | 0xFF000000u) << i;

    const QImage big(1000, 700, QImage::Format_RGB32);
    EXPECT_EQ(decodeJpeg(gen::encodeJpeg(big)).size(), QSize(1000, 700));
    EXPECT_EQ(decodePicture(gen::encodeBmp24(big)).size(), QSize(1000, 700));
}

TEST(PictureLimits, AnOversizedPictureFileIsNotRead)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/a001.bmp";
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bmpClaiming(100, 100));
    f.close();
    ASSERT_EQ(::truncate(path.toLocal8Bit().constData(), kMaxPictureFileBytes + 1), 0);
    const long before = residentMb();
    EXPECT_THROW(loadPictureFile(path.toStdString()), EInvalidGraphic);
    EXPECT_LT(residentMb() - before, 16);
}

// The rescue game's pictures lie in a media folder: a FIFO or a folder under
// a picture's name is refused at once, saying what it is, never waited on.
TEST(PictureLimits, APictureFileThatIsNotARegularFileIsRefused)
{
    QTemporaryDir dir;
    const std::string fifo = dir.path().toStdString() + "/a001.bmp", folder = dir.path().toStdString() + "/a002.bmp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folder)));
    for (const auto& [path, kind] : {std::pair{fifo, "a FIFO"}, std::pair{folder, "a directory"}}) {
        try {
            loadPictureFile(path);
            ADD_FAILURE() << path << " was read";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(std::string(e.what()), "no picture file " + path + ": it is " + kind);
        }
    }
}

// Inputs kept from fuzzing: each decodes or is rejected, never worse.
TEST(PictureLimits, FuzzRegressionInputs)
{
    int seen = 0;
    for (const char* target : {"fuzz_bmp", "fuzz_gif", "fuzz_jpeg"}) {
        QDirIterator it(QString(QH_FUZZ_CORPUS) + "/" + target, QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray data = f.readAll();
            SCOPED_TRACE(f.fileName().toStdString());
            try {
                const Picture p = decodePicture(data);
                EXPECT_FALSE(p.isNull());
            } catch (const EInvalidGraphic&) {}
            ++seen;
        }
    }
    EXPECT_GT(seen, 0);
}

}  // namespace
