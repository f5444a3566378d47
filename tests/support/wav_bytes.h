// WAV files written byte by byte for the sound tests: any rate, channel
// count, sample size and format tag, with or without their samples.
#pragma once

#include <cstdint>
#include <string>

namespace testing_support {

// v as n little-endian bytes.
inline std::string le(uint32_t v, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

// A WAV header for `dataBytes` bytes of samples (the samples follow or not).
inline std::string wavHeader(int rate, int channels, int bits, uint32_t dataBytes, int format = 1)
{
    const int block = channels * bits / 8;
    const std::string fmt = le(static_cast<uint32_t>(format), 2) + le(static_cast<uint32_t>(channels), 2) +
                            le(static_cast<uint32_t>(rate), 4) + le(static_cast<uint32_t>(rate * block), 4) +
                            le(static_cast<uint32_t>(block), 2) + le(static_cast<uint32_t>(bits), 2);
    return "RIFF" + le(36 + dataBytes, 4) + "WAVEfmt " + le(16, 4) + fmt + "data" + le(dataBytes, 4);
}

inline std::string wav(int rate, int channels, int bits, const std::string& data, int format = 1)
{
    return wavHeader(rate, channels, bits, static_cast<uint32_t>(data.size()), format) + data;
}

}  // namespace testing_support
