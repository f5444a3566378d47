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
constexpr int MCIERR_INVALID_DEVICE_NAME = 263;
constexpr int MCIERR_MISSING_PARAMETER = 273;
constexpr int MCIERR_FILE_NOT_FOUND = 275;
constexpr int MCIERR_UNSUPPORTED_FUNCTION = 274;

// Decoded audio, interleaved 16-bit samples.
struct Pcm {
    int sampleRate = 0;
    int channels = 0;
    std::vector<int16_t> samples;
    bool empty() const { return samples.empty(); }
};

// Decodes a RIFF/WAVE file (PCM 8/16/24/32-bit, float); false on anything else.
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

    int send(const std::string& command);

    bool isOpen(const std::string& alias) const;
    size_t openCount() const { return aliases_.size(); }
    void setDevice(AudioDevice* device) { device_ = device; }

private:
    struct Entry {
        std::shared_ptr<const std::string> bytes;  // read at OPEN, so the file may be renamed at once
        uint64_t voice = 0;
    };
    void close(const std::string& key);

    AudioDevice* device_;
    std::map<std::string, Entry> aliases_;  // keyed by upper-case alias
};

// The process-wide interpreter behind the real platform.
MediaInterpreter& mediaInterpreter();

}  // namespace platform
