// Seeds for the fuzz targets, made on the spot: small valid pictures and
// sounds of every kind the decoders read, so that fuzzing needs no build of
// the program (whose generated content would otherwise serve).
// Usage: fuzz_seeds FOLDER   (writes FOLDER/fuzz_bmp/..., fuzz_gif, fuzz_jpeg, fuzz_wav)
#include "tests/support/wav_bytes.h"
#include "tools/content_gen/picture_writers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Flat shapes and a gradient, as the program's pictures have.
QImage drawing(int width, int height, int variant)
{
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(QColor(250, 250, 240));
    QPainter p(&img);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor(40 * variant % 256, 120, 200));
    g.setColorAt(1, QColor(250, 60, 30 * variant % 256));
    p.fillRect(QRect(0, height / 2, width, height / 2), g);
    p.setBrush(QColor(20, 160, 60));
    p.drawEllipse(QPoint(width / 3 + variant, height / 3), width / 5, height / 5);
    p.setBrush(QColor(230, 200, 0));
    p.drawRect(width / 2, height / 4, width / 4, height / 3);
    return img;
}

QByteArray qtBmp(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return out;
}

// A rising and falling tone of `frames` frames.
std::string samples(int channels, int bits, int frames)
{
    std::string data;
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c) {
            const int v = ((i * (c + 3)) % 200) - 100;  // a saw wave, -100..99
            if (bits == 8)
                data += static_cast<char>(128 + v);
            else
                data += testing_support::le(static_cast<uint32_t>(v * (1 << (bits - 8))), bits / 8);
        }
    return data;
}

std::string floatSamples(int channels, int frames)
{
    std::string data;
    for (int i = 0; i < frames * channels; ++i) {
        const float f = static_cast<float>((i % 100) - 50) / 60.0f;
        data.append(reinterpret_cast<const char*>(&f), 4);
    }
    return data;
}

bool write(const QString& folder, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(folder);
    QFile f(folder + "/" + name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    const QImage a = drawing(48, 36, 1), b = drawing(33, 21, 2);

    ok &= write(root + "/fuzz_bmp", "rgb24.bmp", gen::encodeBmp24(a));
    ok &= write(root + "/fuzz_bmp", "indexed8.bmp", qtBmp(a.convertToFormat(QImage::Format_Indexed8)));
    ok &= write(root + "/fuzz_bmp", "mono.bmp", qtBmp(b.convertToFormat(QImage::Format_Mono)));
    ok &= write(root + "/fuzz_bmp", "argb32.bmp", qtBmp(b));
    // The picture target reads every signature: one GIF and one JPEG too.
    ok &= write(root + "/fuzz_bmp", "also.gif", gen::encodeGif({b}, {}));
    ok &= write(root + "/fuzz_bmp", "also.jpg", gen::encodeJpeg(b, 60));

    ok &= write(root + "/fuzz_gif", "still.gif", gen::encodeGif({a}, {}));
    ok &= write(root + "/fuzz_gif", "animated.gif",
                gen::encodeGif({drawing(20, 20, 1), drawing(20, 20, 4), drawing(20, 20, 7)}, {100, 200, 50}));

    ok &= write(root + "/fuzz_jpeg", "q90.jpg", gen::encodeJpeg(a, 90));
    ok &= write(root + "/fuzz_jpeg", "q20.jpg", gen::encodeJpeg(b, 20));

    using testing_support::wav;
    const std::vector<std::pair<const char*, std::string>> sounds = {
        {"mono8.wav", wav(8000, 1, 8, samples(1, 8, 400))},
        {"mono16.wav", wav(22050, 1, 16, samples(1, 16, 500))},
        {"stereo16.wav", wav(44100, 2, 16, samples(2, 16, 300))},
        {"mono24.wav", wav(16000, 1, 24, samples(1, 24, 300))},
        {"stereo32.wav", wav(48000, 2, 32, samples(2, 32, 200))},
        {"float.wav", wav(44100, 2, 32, floatSamples(2, 200), 3)},
    };
    for (const auto& [name, bytes] : sounds)
        ok &= write(root + "/fuzz_wav", name, QByteArray::fromStdString(bytes));
    if (!ok)
        std::fprintf(stderr, "fuzz_seeds: cannot write under %s\n", argv[1]);
    return ok ? 0 : 1;
}
