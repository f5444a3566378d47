#include "tools/content_gen/picture_writers.h"

#include <QBuffer>
#include <QHash>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gif_lib.h>
#include <jpeglib.h>
#include <stdexcept>

namespace gen {

namespace {

int writeMem(GifFileType* gif, const GifByteType* buf, int len)
{
    auto* out = static_cast<QByteArray*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(buf), len);
    return len;
}

// One palette for all frames: the image's own colours when there are at most
// 256 of them (flat art keeps its exact RGB), otherwise the 256 most frequent.
std::vector<GifColorType> gifPalette(const std::vector<QImage>& frames)
{
    QHash<QRgb, qint64> counts;
    for (const QImage& f : frames)
        for (int y = 0; y < f.height(); ++y) {
            const auto* px = reinterpret_cast<const QRgb*>(f.constScanLine(y));
            for (int x = 0; x < f.width(); ++x)
                ++counts[px[x] | 0xFF000000u];
        }
    std::vector<std::pair<qint64, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(-it.value(), it.key());
    std::sort(byCount.begin(), byCount.end());
    std::vector<GifColorType> pal;
    for (size_t i = 0; i < byCount.size() && i < 256; ++i) {
        const QRgb c = byCount[i].second;
        pal.push_back({static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                       static_cast<GifByteType>(qBlue(c))});
    }
    while (pal.size() < 256)
        pal.push_back({0, 0, 0});
    return pal;
}

}  // namespace

QByteArray encodeGif(const std::vector<QImage>& frames, const std::vector<int>& delaysMs)
{
    QByteArray out;
    if (frames.empty())
        return out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeMem, &error);
    if (!gif)
        throw std::runtime_error("GIF: cannot write");
    const int w = frames.front().width(), h = frames.front().height();
    std::vector<QImage> images;
    for (const QImage& f : frames)
        images.push_back(f.convertToFormat(QImage::Format_RGB32).scaled(w, h));
    const auto pal = gifPalette(images);
    QHash<QRgb, GifPixelType> nearest;
    ColorMapObject* map = GifMakeMapObject(256, pal.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, w, h, 8, 0, map);
    if (frames.size() > 1) {
        // NETSCAPE2.0 loop forever.
        const unsigned char app[] = "NETSCAPE2.0";
        const unsigned char loop[] = {1, 0, 0};
        EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
        EGifPutExtensionBlock(gif, 11, app);
        EGifPutExtensionBlock(gif, 3, loop);
        EGifPutExtensionTrailer(gif);
    }
    std::vector<GifPixelType> line(static_cast<size_t>(w));
    for (size_t i = 0; i < frames.size(); ++i) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        gcb.DelayTime = i < delaysMs.size() ? delaysMs[i] / 10 : 0;
        GifByteType ext[4];
        const size_t n = EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), ext);
        EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr);
        const QImage& img = images[i];
        for (int y = 0; y < h; ++y) {
            const auto* px = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb c = px[x] | 0xFF000000u;
                auto it = nearest.constFind(c);
                if (it == nearest.constEnd()) {
                    int best = 0, bestErr = 1 << 30;
                    for (int k = 0; k < 256; ++k) {
                        const auto& p = pal[static_cast<size_t>(k)];
                        const int dr = p.Red - qRed(c), dg = p.Green - qGreen(c), db = p.Blue - qBlue(c);
                        const int e = dr * dr + dg * dg + db * db;
                        if (e < bestErr) {
                            bestErr = e;
                            best = k;
                        }
                    }
                    it = nearest.insert(c, static_cast<GifPixelType>(best));
                }
                line[static_cast<size_t>(x)] = it.value();
            }
            EGifPutLine(gif, line.data(), w);
        }
    }
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
    return out;
}

QByteArray encodeJpeg(const QImage& image, int quality)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(img.width());
    cinfo.image_height = static_cast<JDIMENSION>(img.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(img.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

QByteArray encodeBmp24(const QImage& image)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buf, "BMP");
    return out;
}

}  // namespace gen
