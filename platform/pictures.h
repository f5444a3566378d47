// The picture store: "give me picture NAME", looked up without regard to case
// among the pictures embedded in the program, decoded by content (BMP, GIF
// through giflib with all frames of an animation, JPEG through libjpeg, PNG).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// A named picture that is not there: "Resource NAME not found".
class EResNotFound : public std::runtime_error {
public:
    explicit EResNotFound(const std::string& name) : std::runtime_error("Resource " + name + " not found") {}
};

// Data that is not a picture the store can decode.
class EInvalidGraphic : public std::runtime_error {
public:
    explicit EInvalidGraphic(const std::string& what) : std::runtime_error(what) {}
};

// One still picture or the frames of an animation.
struct Picture {
    std::vector<QImage> frames;
    std::vector<int> delaysMs;  // per frame; empty for a still picture
    bool isNull() const { return frames.empty(); }
    const QImage& image() const { return frames.front(); }
    QSize size() const { return isNull() ? QSize() : frames.front().size(); }
};

// Embedded resources live in Qt's resource system under these folders, each
// file named after its resource name (in upper case) with any extension.
inline constexpr const char* kPictureRoot = ":/pictures";
inline constexpr const char* kRawDataRoot = ":/rcdata";

enum class ResourceKind { Picture, RawData };

// Where named resources come from; tests replace it with their own.
using ResourceSource = std::function<std::optional<QByteArray>(const QString& upperName, ResourceKind kind)>;
// Installs a source (an empty function restores the embedded resources).
void setResourceSource(ResourceSource source);
// The embedded resources' own lookup, for a source that adds to it.
std::optional<QByteArray> embeddedResource(const QString& upperName, ResourceKind kind);

// Limits no picture of the program comes near, checked before decoding: a
// side, the pixels of one picture, the frames of an animation and all its
// decoded bytes.
inline constexpr int kMaxPictureSide = 8192;
inline constexpr qint64 kMaxPicturePixels = qint64{4096} * 4096;
inline constexpr int kMaxPictureFrames = 1000;
inline constexpr qint64 kMaxDecodedBytes = qint64{128} << 20;
inline constexpr qint64 kMaxPictureFileBytes = qint64{64} << 20;

// Decodes picture data by its signature; throws EInvalidGraphic (also for
// data over the limits).
Picture decodePicture(const QByteArray& data);
Picture decodeGif(const QByteArray& data);
QImage decodeJpeg(const QByteArray& data);

// The embedded picture of that name (any case); throws EResNotFound or
// EInvalidGraphic.
Picture loadPictureResource(const std::string& name);
// A read-only copy of an embedded raw data resource; throws EResNotFound.
QByteArray loadRawResource(const std::string& name);
// A picture file from disk (the rescue game's ".bmp" files). Only a regular
// file of at most maxBytes is read: a folder, a pipe or a device under that
// name would block or mislead the reader. Throws EInvalidGraphic when the
// file cannot be read or decoded.
Picture loadPictureFile(const std::string& path, qint64 maxBytes = kMaxPictureFileBytes);

// Names (upper case) of all embedded resources of a kind.
std::vector<QString> resourceNames(ResourceKind kind);

}  // namespace platform
