// Sound files through the media interpreter's decoding and the mixer's
// conversion to two device formats, as far as a few buffers of output.
#include "platform/audio_device.h"
#include "platform/media_control.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto bytes = std::make_shared<const std::string>(reinterpret_cast<const char*>(data), size);
    platform::WavInfo info;
    if (platform::parseWav(*bytes, info) && info.frames * static_cast<size_t>(info.channels) < (size_t{1} << 14)) {
        platform::Pcm pcm;
        platform::decodeWav(*bytes, pcm);
    }
    std::vector<char> buffer(4096);
    for (const auto& [rate, channels, isFloat] : {std::tuple{44100, 2, false}, std::tuple{48000, 1, true}}) {
        platform::Mixer mixer;
        mixer.setFormat(rate, channels, isFloat);
        if (mixer.start(bytes) == 0)
            continue;
        for (int i = 0; i < 4 && !mixer.idle(); ++i)
            mixer.mix(buffer.data(), static_cast<int64_t>(buffer.size()));
    }
    return 0;
}
