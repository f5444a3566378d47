// JPEG pictures of the screen layouts through the program's decoder.
#include "platform/pictures.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        platform::decodeJpeg(bytes);
    } catch (const platform::EInvalidGraphic&) {}
    return 0;
}
