// The sound card behind the media interpreter: one output stream on a
// thread of its own, into which every playing sound is mixed, so a PLAY is
// heard within a few milliseconds and keeps playing while the window thread
// pauses. Sounds are converted to the output format a piece at a time while
// they play, so a sound costs its file's bytes and no more. With nothing to
// play for a second the stream is closed and the thread sleeps. With no
// audio output the program stays silent.
#pragma once

#include "platform/media_control.h"

#include <list>
#include <memory>
#include <mutex>

class QObject;

namespace platform {

// The samples of one sound, read where they lie.
class SampleSource {
public:
    virtual ~SampleSource() = default;
    int rate = 0;
    int channels = 0;
    size_t frames = 0;
    // Sample `index` = frame * channels + channel.
    virtual int32_t at(size_t index) const = 0;
};
// The samples of a WAV file in the file's own bytes; nullptr when parseWav
// refuses the file.
std::shared_ptr<const SampleSource> wavSource(std::shared_ptr<const std::string> bytes);
// Decoded samples.
std::shared_ptr<const SampleSource> pcmSource(std::shared_ptr<const Pcm> pcm);

// A source converted to another rate and channel count as it is read
// (linear interpolation; channels differing: mixed to one voice and spread).
class SoundStream {
public:
    SoundStream(std::shared_ptr<const SampleSource> source, int rate, int channels);
    size_t totalFrames() const { return outFrames_; }
    bool done() const { return frame_ >= outFrames_; }
    // Adds the next frames (interleaved) into mix; returns how many.
    size_t mixInto(int32_t* mix, size_t frames);

private:
    int32_t value(size_t frame, size_t channel) const;

    std::shared_ptr<const SampleSource> source_;
    size_t inChannels_ = 0, outChannels_ = 0, inFrames_ = 0, outFrames_ = 0, frame_ = 0;
    uint64_t step_ = 0, pos_ = 0;  // 32.32 fixed point: exact for the usual 22050 -> 44100
    bool keep_ = false;
};

// Converts a whole pcm at once (the same conversion as SoundStream).
Pcm convertPcm(const Pcm& in, int rate, int channels);

// The voices playing and their mix in the output format (16-bit or float
// samples); thread-safe, no sound card of its own.
class Mixer : public AudioDevice {
public:
    // Output format; voices started before it is set wait for it.
    void setFormat(int rate, int channels, bool isFloat);
    uint64_t start(const std::shared_ptr<const std::string>& bytes) override;
    void stop(uint64_t voice) override;
    // A voice whose samples come later (another decoder); `source` may be
    // null when decoding failed.
    uint64_t startPending();
    void setSource(uint64_t voice, std::shared_ptr<const SampleSource> source);
    // Fills data with the next maxlen bytes of the mix; silence between sounds.
    int64_t mix(char* data, int64_t maxlen);
    bool idle() const;
    size_t voiceCount() const;

private:
    struct Voice {
        uint64_t id = 0;
        std::shared_ptr<const SampleSource> source;  // null until decoded
        std::unique_ptr<SoundStream> stream;         // made once the format is known
        bool pending = false;
    };

    mutable std::mutex mutex_;
    std::list<Voice> voices_;
    std::vector<int32_t> mix_;
    uint64_t nextId_ = 0;
    int rate_ = 0, channels_ = 0;
    bool float_ = false;
};

// The process-wide device; silent when there is no application object or
// no audio output. The first call opens the output on the audio thread
// (or holds it, see openAudioAfterFirstFrame).
AudioDevice& systemAudioDevice();

// Holds the opening of the sound card, and the loading of its module, until
// `window` has painted its first frame (half a second at the latest), so that
// it does not compete with the window's own start; sounds played before then
// start from their beginning once it is open. Call before the device is made.
void openAudioAfterFirstFrame(QObject* window);

// Stops the audio thread; called when the application object goes away.
void shutdownAudio();

}  // namespace platform
