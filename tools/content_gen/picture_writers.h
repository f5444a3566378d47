// The picture writers of the content generator: GIF with giflib (one
// palette, exact colours for flat art), JPEG with libjpeg, 24-bit BMP.
#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace gen {

QByteArray encodeGif(const std::vector<QImage>& frames, const std::vector<int>& delaysMs);
QByteArray encodeJpeg(const QImage& image, int quality = 90);
QByteArray encodeBmp24(const QImage& image);

}  // namespace gen
