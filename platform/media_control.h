// The media control interpreter: the text commands the screens send
// ("OPEN <path> TYPE mpegvideo ALIAS <name>", "PLAY <name>", "CLOSE <name>")
// over one process-wide alias table, played through an AudioDevice.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Result codes, numbered like the media interface's.
constexpr int MCI_OK = 0;
constexpr int MCIERR_UNRECOGNIZED_COMMAND = 261;
constexpr int MCIERR_HARDWARE = 262;
constexpr int MCIERR_INVALID_DEVICE_NAME = 263;
constexpr int MCIERR_OUT_OF_MEMORY = 264;
constexpr int MCIERR_MISSING_PARAMETER = 273;
constexpr int MCIERR_FILE_NOT_FOUND = 275;
constexpr int MCIERR_UNSUPPORTED_FUNCTION = 274;
constexpr int MCIERR_INVALID_FILE = 296;

// Limits no recording of a lesson comes near: a larger file is not read at
// OPEN, a longer sound plays nothing.
constexpr size_t kMaxSoundFileBytes = size_t{64} << 20;
constexpr int kMaxSoundSeconds = 600;

// Decoded audio, interleaved 16-bit samples.
struct Pcm {
    int sampleRate = 0;
    int channels = 0;
    std::vector<int16_t> samples;
    bool empty() const { return samples.empty(); }
};

// Where the samples of a RIFF/WAVE file lie and how they are stored.
struct WavInfo {
    int sampleRate = 0;
    int channels = 0;
    int bits = 0;
    bool isFloat = false;
    size_t dataOffset = 0;  // first byte of the samples in the file
    size_t frames = 0;      // whole frames present (a truncated file has fewer)
};
// Reads the header of a RIFF/WAVE file (PCM 8/16/24/32-bit, float); false on
// anything else, and on a sound longer than kMaxSoundSeconds.
bool parseWav(const std::string& bytes, WavInfo& out);
// A WAV file parseWav refuses only for its length.
bool isOverlongWav(const std::string& bytes);
// Sample `index` (frame * channels + channel) of a parsed file, as 16-bit.
int16_t wavSample(const WavInfo& info, const std::string& bytes, size_t index);
// Decodes a RIFF/WAVE file completely; false where parseWav is.
bool decodeWav(const std::string& bytes, Pcm& out);

// Where opened sounds are played; the real one mixes into the sound card.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // Starts a voice playing the file's bytes; returns its id (0: cannot play).
    virtual uint64_t start(const std::shared_ptr<const std::string>& bytes) = 0;
    // Stops and frees a voice; unknown ids are ignored.
    virtual void stop(uint64_t voice) = 0;
};

// Parsed form of one OPEN command.
struct OpenCommand {
    std::string path;
    std::string type;
    std::string alias;
};
// The path is everything between "OPEN " and the last " TYPE ", so folders
// with blanks work; false when the command is not a well-formed OPEN.
bool parseOpen(const std::string& command, OpenCommand& out);

class MediaInterpreter {
public:
    explicit MediaInterpreter(AudioDevice* device) : device_(device) {}
    ~MediaInterpreter();

    // Never throws: every failure, running out of memory included, comes
    // back as a result code.
    int send(const std::string& command) noexcept;

    bool isOpen(const std::string& alias) const;
    size_t openCount() const { return aliases_.size(); }
    void setDevice(AudioDevice* device) { device_ = device; }

private:
    struct Entry {
        std::shared_ptr<const std::string> bytes;  // read at OPEN, so the file may be renamed at once
        uint64_t voice = 0;
    };
    void close(const std::string& key);
    int dispatch(const std::string& command);

    AudioDevice* device_;
    std::map<std::string, Entry> aliases_;  // keyed by upper-case alias
};

// The process-wide interpreter behind the real platform.
MediaInterpreter& mediaInterpreter();

}  // namespace platform
