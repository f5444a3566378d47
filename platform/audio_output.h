// The sound card as the audio thread drives it: an output stream fed from
// the mixer, and a decoder for sounds that are not WAV. It is written on Qt
// Multimedia in a module of its own (kAudioOutputModule, beside the
// program), loaded on the audio thread, so that the multimedia and
// sound-server libraries, two dozen of them, are not loaded and relocated
// before the window shows.
#pragma once

#include "platform/media_control.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    struct Format {
        int rate = 0;
        int channels = 0;
        bool isFloat = false;
    };
    // Opens the default output in 44.1 kHz stereo 16-bit or the nearest it
    // offers, with a buffer of bufferUs; false when there is no output.
    virtual bool open(Format& format, int bufferUs) = 0;
    // Starts a stream with an empty buffer; false when the server refused one.
    virtual bool start() = 0;
    virtual void stop() = 0;
    // Room in the stream's buffer, in bytes.
    virtual int64_t bytesFree() const = 0;
    virtual void write(const char* data, int64_t size) = 0;
    // Decodes `bytes` to 16-bit samples of the opened format, at most
    // kMaxSoundSeconds of them; `done` gets the samples, or null on an error
    // or an overlong sound, on this thread. The bytes are kept until then.
    virtual void decode(std::shared_ptr<const std::string> bytes,
                        std::function<void(std::shared_ptr<const Pcm>)> done) = 0;
};

inline constexpr const char* kAudioOutputModule = "libqh_audio_output.so";
// The module's one entry point: extern "C" AudioOutput* qh_make_audio_output().
inline constexpr const char* kAudioOutputEntry = "qh_make_audio_output";
using MakeAudioOutput = AudioOutput* (*)();

}  // namespace platform
