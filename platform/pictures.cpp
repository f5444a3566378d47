#include "platform/pictures.h"

#include "platform/file_reading.h"
#include "platform/picture_cache.h"

#include <QBuffer>
#include <QtEndian>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <gif_lib.h>
#include <jpeglib.h>
#include <mutex>

namespace platform {

namespace {

ResourceSource g_source;

struct ResourceIndex {
    QHash<QString, QString> pictures;
    QHash<QString, QString> raw;
};

void indexFolder(const char* root, QHash<QString, QString>& into)
{
    QDirIterator it(QString::fromLatin1(root), QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QFileInfo(path).completeBaseName().toUpper();
        into.insert(name, path);
    }
}

const ResourceIndex& index()
{
    static ResourceIndex idx;
    static std::once_flag once;
    std::call_once(once, [] {
        indexFolder(kPictureRoot, idx.pictures);
        indexFolder(kRawDataRoot, idx.raw);
    });
    return idx;
}

// The name as resources are looked up and kept: upper case.
QString resourceKey(const std::string& name)
{
    return QString::fromStdString(name).toUpper();
}

std::optional<QByteArray> findResource(const QString& key, ResourceKind kind)
{
    return g_source ? g_source(key, kind) : embeddedResource(key, kind);
}

// --- GIF -------------------------------------------------------------------

struct MemReader {
    const QByteArray* data;
    qsizetype pos;
};

int readMem(GifFileType* gif, GifByteType* buf, int len)
{
    auto* r = static_cast<MemReader*>(gif->UserData);
    const qsizetype n = std::min<qsizetype>(len, r->data->size() - r->pos);
    if (n <= 0)
        return 0;
    std::memcpy(buf, r->data->constData() + r->pos, static_cast<size_t>(n));
    r->pos += n;
    return static_cast<int>(n);
}

QRgb colourOf(const ColorMapObject* map, int index)
{
    if (!map || index < 0 || index >= map->ColorCount)
        return qRgb(0, 0, 0);
    const GifColorType& c = map->Colors[index];
    return qRgb(c.Red, c.Green, c.Blue);
}

// --- JPEG ------------------------------------------------------------------

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void jpegErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    std::longjmp(err->jump, 1);
}

void jpegSilence(j_common_ptr) {}

}  // namespace

void setResourceSource(ResourceSource source)
{
    g_source = std::move(source);
}

std::optional<QByteArray> embeddedResource(const QString& upperName, ResourceKind kind)
{
    const auto& idx = index();
    const auto& table = kind == ResourceKind::Picture ? idx.pictures : idx.raw;
    const auto it = table.constFind(upperName);
    if (it == table.constEnd())
        return std::nullopt;
    QFile f(it.value());
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

namespace {

bool sizeInRange(qint64 w, qint64 h)
{
    return w > 0 && h > 0 && w <= kMaxPictureSide && h <= kMaxPictureSide && w * h <= kMaxPicturePixels;
}

void checkSize(qint64 w, qint64 h, const char* what)
{
    if (!sizeInRange(w, h))
        throw EInvalidGraphic(std::string(what) + ": size out of range");
}

// Reads one frame's pixels (de-interlaced), row by row.
void readGifRaster(GifFileType* gif, int w, int h, bool interlaced, std::vector<GifPixelType>& raster)
{
    raster.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    auto row = [&](int y) {
        if (DGifGetLine(gif, raster.data() + static_cast<size_t>(y) * static_cast<size_t>(w), w) != GIF_OK)
            throw EInvalidGraphic("GIF: corrupt or truncated");
    };
    if (!interlaced) {
        for (int y = 0; y < h; ++y)
            row(y);
        return;
    }
    static constexpr int offsets[] = {0, 4, 2, 1}, jumps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = offsets[pass]; y < h; y += jumps[pass])
            row(y);
}

}  // namespace

Picture decodeGif(const QByteArray& data)
{
    MemReader reader{&data, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, readMem, &error);
    if (!gif)
        throw EInvalidGraphic("GIF: cannot open");
    struct Closer {
        GifFileType* g;
        ~Closer()
        {
            int e = 0;
            DGifCloseFile(g, &e);
        }
    } closer{gif};
    // Records are read one at a time, so nothing is allocated for a frame
    // before its size and the total so far are checked.
    const int w = gif->SWidth, h = gif->SHeight;
    checkSize(w, h, "GIF");
    const qint64 frameBytes = qint64{w} * h * 4;

    Picture pic;
    QImage canvas(w, h, QImage::Format_ARGB32);
    if (canvas.isNull())
        throw EInvalidGraphic("GIF: out of memory");
    canvas.fill(Qt::transparent);
    qint64 total = frameBytes;
    GraphicsControlBlock gcb{};
    auto resetGcb = [&gcb] {
        gcb = GraphicsControlBlock{};
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
    };
    resetGcb();
    std::vector<GifPixelType> raster;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    do {
        if (DGifGetRecordType(gif, &record) != GIF_OK)
            throw EInvalidGraphic("GIF: corrupt or truncated");
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* ext = nullptr;
            if (DGifGetExtension(gif, &code, &ext) != GIF_OK)
                throw EInvalidGraphic("GIF: corrupt or truncated");
            if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4)
                DGifExtensionToGCB(ext[0], ext + 1, &gcb);
            while (ext) {
                if (DGifGetExtensionNext(gif, &ext) != GIF_OK)
                    throw EInvalidGraphic("GIF: corrupt or truncated");
            }
        } else if (record == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif) != GIF_OK)
                throw EInvalidGraphic("GIF: corrupt or truncated");
            const GifImageDesc& desc = gif->Image;
            const int fx = desc.Left, fy = desc.Top, fw = desc.Width, fh = desc.Height;
            if (fw <= 0 || fh <= 0)
                throw EInvalidGraphic("GIF: frame without pixels");
            checkSize(fw, fh, "GIF frame");
            if (static_cast<int>(pic.frames.size()) >= kMaxPictureFrames || (total += frameBytes) > kMaxDecodedBytes)
                throw EInvalidGraphic("GIF: too many frames");
            readGifRaster(gif, fw, fh, desc.Interlace, raster);
            const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
            const QImage before = gcb.DisposalMode == DISPOSE_PREVIOUS ? canvas : QImage();
            for (int y = 0; y < fh; ++y) {
                const int cy = fy + y;
                if (cy < 0 || cy >= h)
                    continue;
                auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(cy));
                for (int x = 0; x < fw; ++x) {
                    const int cx = fx + x;
                    if (cx < 0 || cx >= w)
                        continue;
                    const int idx = raster[static_cast<size_t>(y) * static_cast<size_t>(fw) + static_cast<size_t>(x)];
                    if (idx == gcb.TransparentColor)
                        continue;
                    line[cx] = colourOf(map, idx);
                }
            }
            pic.frames.push_back(canvas.copy());
            if (pic.frames.back().isNull())
                throw EInvalidGraphic("GIF: out of memory");
            pic.delaysMs.push_back(std::max(gcb.DelayTime, 2) * 10);
            if (gcb.DisposalMode == DISPOSE_BACKGROUND) {
                QPainter p(&canvas);
                p.setCompositionMode(QPainter::CompositionMode_Source);
                p.fillRect(QRect(fx, fy, fw, fh), Qt::transparent);
            } else if (gcb.DisposalMode == DISPOSE_PREVIOUS) {
                canvas = before;
            }
            resetGcb();
        }
    } while (record != TERMINATE_RECORD_TYPE);
    if (pic.frames.empty())
        throw EInvalidGraphic("GIF: corrupt or truncated");
    if (pic.frames.size() == 1)
        pic.delaysMs.clear();
    return pic;
}

namespace {

// Many scans over a large picture take long however little data they hold.
constexpr int kMaxJpegScans = 100;

void jpegProgress(j_common_ptr cinfo)
{
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->is_decompressor && d->input_scan_number > kMaxJpegScans)
        jpegErrorExit(cinfo);
}

}  // namespace

QImage decodeJpeg(const QByteArray& data)
{
    jpeg_decompress_struct cinfo{};
    JpegError err{};
    jpeg_progress_mgr progress{};
    progress.progress_monitor = jpegProgress;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegErrorExit;
    err.mgr.output_message = jpegSilence;
    QImage image;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        throw EInvalidGraphic("JPEG: corrupt or truncated");
    }
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &progress;
    cinfo.mem->max_memory_to_use = static_cast<long>(kMaxDecodedBytes);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    // Checked before decompression allocates anything for the picture.
    if (!sizeInRange(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        throw EInvalidGraphic("JPEG: size out of range");
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
        jpeg_destroy_decompress(&cinfo);
        throw EInvalidGraphic("JPEG: unsupported");
    }
    image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&cinfo);
        throw EInvalidGraphic("JPEG: out of memory");
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return image.convertToFormat(QImage::Format_RGB32);
}

namespace {

// An uncompressed BMP whose pixel rows run past the end of the data: the
// reader would fill the missing rows with whatever the memory held.
bool bmpCutShort(const QByteArray& data)
{
    if (!data.startsWith("BM") || data.size() < 54)
        return false;  // not a BMP, or too short for one: the decoder refuses it
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(data.constData() + at); };
    if (u32(14) < 40)
        return false;  // the old small header: left to the decoder
    const qint64 width = qFromLittleEndian<qint32>(data.constData() + 18);
    const qint64 height = qFromLittleEndian<qint32>(data.constData() + 22);
    const quint64 bits = qFromLittleEndian<quint16>(data.constData() + 28);
    const quint32 compression = u32(30);
    if (compression != 0 && compression != 3)
        return false;  // run-length data: left to the decoder
    const quint64 stride = (static_cast<quint64>(std::abs(width)) * bits + 31) / 32 * 4;
    return static_cast<quint64>(u32(10)) + stride * static_cast<quint64>(std::abs(height)) >
           static_cast<quint64>(data.size());
}

// Uncompressed 24-bit BMPs (every picture the generator writes) are read
// here in one pass: Qt's reader goes pixel by pixel through a QIODevice,
// several times slower, and needs the application object. Anything else
// (palettes, bit fields, run lengths, other headers) is left to Qt's reader.
std::optional<QImage> decodeBmp24(const QByteArray& data)
{
    if (!data.startsWith("BM") || data.size() < 54)
        return std::nullopt;
    const auto* d = reinterpret_cast<const uchar*>(data.constData());
    const quint32 offset = qFromLittleEndian<quint32>(d + 10);
    const quint32 header = qFromLittleEndian<quint32>(d + 14);
    const qint64 width = qFromLittleEndian<qint32>(d + 18);
    const qint64 height = qFromLittleEndian<qint32>(d + 22);
    if ((header != 40 && header != 108 && header != 124) || qFromLittleEndian<quint16>(d + 26) != 1 ||
        qFromLittleEndian<quint16>(d + 28) != 24 || qFromLittleEndian<quint32>(d + 30) != 0 || offset < 14 + header ||
        width <= 0 || height == 0)
        return std::nullopt;
    const qint64 rows = std::abs(height);
    checkSize(width, rows, "BMP");
    const qint64 stride = (width * 3 + 3) / 4 * 4;
    if (static_cast<qint64>(offset) + stride * rows > data.size())
        throw EInvalidGraphic("Picture cut short");
    QImage img(static_cast<int>(width), static_cast<int>(rows), QImage::Format_RGB32);
    if (img.isNull())
        throw EInvalidGraphic("BMP: out of memory");
    for (qint64 y = 0; y < rows; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const uchar* src = d + offset + stride * (height > 0 ? rows - 1 - y : y);
        auto* dst = reinterpret_cast<QRgb*>(img.scanLine(static_cast<int>(y)));
        for (qint64 x = 0; x < width; ++x, src += 3)
            dst[x] = qRgb(src[2], src[1], src[0]);
    }
    img.setDotsPerMeterX(qFromLittleEndian<qint32>(d + 38));
    img.setDotsPerMeterY(qFromLittleEndian<qint32>(d + 42));
    return img;
}

}  // namespace

namespace {

// The decoders of our own, which need no application object; nullopt for a
// picture only Qt's reader reads.
std::optional<Picture> decodeWithoutReader(const QByteArray& data)
{
    Picture pic;
    if (data.startsWith("GIF8"))
        return decodeGif(data);
    if (data.size() >= 3 && static_cast<unsigned char>(data[0]) == 0xFF &&
        static_cast<unsigned char>(data[1]) == 0xD8) {
        pic.frames.push_back(decodeJpeg(data));
        return pic;
    }
    if (bmpCutShort(data))
        throw EInvalidGraphic("Picture cut short");
    if (std::optional<QImage> img = decodeBmp24(data)) {
        pic.frames.push_back(std::move(*img));
        return pic;
    }
    return std::nullopt;
}

Picture decodeWithReader(const QByteArray& data)
{
    const char* format = data.startsWith("BM") ? "BMP" : data.startsWith("\x89PNG") ? "PNG" : nullptr;
    if (!format)
        throw EInvalidGraphic("Unknown picture format");
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAllocationLimit(static_cast<int>(kMaxDecodedBytes >> 20));
    const QSize size = reader.size();
    checkSize(size.width(), size.height(), format);
    QImage img;
    if (!reader.read(&img) || img.isNull())
        throw EInvalidGraphic("Corrupt picture");
    Picture pic;
    pic.frames.push_back(std::move(img));
    return pic;
}

}  // namespace

Picture decodePicture(const QByteArray& data)
{
    if (std::optional<Picture> pic = decodeWithoutReader(data))
        return std::move(*pic);
    return decodeWithReader(data);
}

Picture loadPictureResource(const std::string& name)
{
    const auto load = [&name](const QString& key) {
        const auto data = findResource(key, ResourceKind::Picture);
        if (!data)
            throw EResNotFound(name);
        return decodePicture(*data);
    };
    const QString key = resourceKey(name);
    // A test's source may change what a name holds; the embedded pictures
    // never change, so only they are kept.
    if (g_source)
        return load(key);
    return embeddedPictureCache().get(key, load);
}

void prefetchPictures(const std::vector<std::string>& names)
{
    if (g_source)
        return;
    // Qt's reader needs the application object: the worker stops before it
    // goes, and before it exists the worker leaves to get() what only Qt's
    // reader decodes.
    const bool readerReady = QCoreApplication::instance() != nullptr;
    static const bool stopsWithTheApplication = (qAddPostRoutine([] { embeddedPictureCache().stopPrefetch(); }), true);
    (void)stopsWithTheApplication;
    std::vector<QString> keys;
    for (const std::string& n : names)
        keys.push_back(resourceKey(n));
    embeddedPictureCache().prefetch(std::move(keys), [readerReady](const QString& key) {
        const auto data = embeddedResource(key, ResourceKind::Picture);
        if (!data)
            throw EResNotFound(key.toStdString());
        if (readerReady)
            return decodePicture(*data);
        if (std::optional<Picture> pic = decodeWithoutReader(*data))
            return std::move(*pic);
        throw EInvalidGraphic("left to the window thread");
    });
}

QByteArray loadRawResource(const std::string& name)
{
    const auto data = findResource(resourceKey(name), ResourceKind::RawData);
    if (!data)
        throw EResNotFound(name);
    return *data;
}

Picture loadPictureFile(const std::string& path, qint64 maxBytes)
{
    std::string bytes;
    const FileRead r = readRegularFile(path, static_cast<uint64_t>(std::max<qint64>(maxBytes, 0)), bytes);
    switch (r.status) {
    case FileReadStatus::Read:
        break;
    case FileReadStatus::Missing:
        throw EInvalidGraphic("no picture file " + path);
    case FileReadStatus::NotRegular:
        throw EInvalidGraphic("no picture file " + path + ": it is " + r.kind);
    case FileReadStatus::TooLarge:
        throw EInvalidGraphic("too large for a picture: " + path);
    case FileReadStatus::Failed:
        throw EInvalidGraphic("cannot read " + path);
    }
    return decodePicture(QByteArray::fromStdString(bytes));
}

std::vector<QString> resourceNames(ResourceKind kind)
{
    const auto& idx = index();
    const auto& table = kind == ResourceKind::Picture ? idx.pictures : idx.raw;
    std::vector<QString> names(table.keyBegin(), table.keyEnd());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace platform
