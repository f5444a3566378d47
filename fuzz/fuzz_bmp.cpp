// Bitmap pictures (the rescue game reads them from disk) through the
// program's decoder; other signatures reach the same dispatch.
#include "platform/pictures.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        platform::decodePicture(bytes);
    } catch (const platform::EInvalidGraphic&) {}
    return 0;
}
