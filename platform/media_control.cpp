#include "platform/media_control.h"

#include "platform/audio_device.h"
#include "platform/file_reading.h"
#include "platform/strings.h"

#include <QtEndian>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

bool startsWithWord(const std::string& s, const char* word)
{
    const size_t n = std::strlen(word);
    return s.size() >= n && UpperCase(s.substr(0, n)) == word && (s.size() == n || s[n] == ' ');
}

std::string trim(const std::string& s)
{
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

size_t rfindNoCase(const std::string& hay, const std::string& needle)
{
    return UpperCase(hay).rfind(UpperCase(needle));
}

// Reads a whole sound file, refusing one over the size limit before any of
// it is read, and anything but a regular file without opening it to read.
int readSoundFile(const std::string& path, std::string& out)
{
    const FileRead r = readRegularFile(path, kMaxSoundFileBytes, out);
    switch (r.status) {
    case FileReadStatus::Read:
        return MCI_OK;
    case FileReadStatus::NotRegular:
        qWarning("Sound file %s is %s, not a regular file; not played", path.c_str(), r.kind);
        return MCIERR_INVALID_FILE;
    case FileReadStatus::TooLarge:
        qWarning("Sound file %s is larger than %zu MB; not played", path.c_str(), kMaxSoundFileBytes >> 20);
        return MCIERR_INVALID_FILE;
    case FileReadStatus::Missing:
    case FileReadStatus::Failed:
        break;
    }
    return MCIERR_FILE_NOT_FOUND;
}

// The header alone, whatever the sound's length.
bool parseWavHeader(const std::string& bytes, WavInfo& out)
{
    const auto* d = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t size = bytes.size();
    if (size < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return false;
    int format = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    size_t dataOffset = 0, dataSize = 0;
    bool haveData = false;
    size_t pos = 12;
    while (pos + 8 <= size) {
        const uint32_t len = qFromLittleEndian<quint32>(d + pos + 4);
        const unsigned char* body = d + pos + 8;
        const size_t avail = size - pos - 8;
        if (std::memcmp(d + pos, "fmt ", 4) == 0 && len >= 16 && avail >= 16) {
            format = qFromLittleEndian<quint16>(body);
            channels = qFromLittleEndian<quint16>(body + 2);
            rate = qFromLittleEndian<quint32>(body + 4);
            bits = qFromLittleEndian<quint16>(body + 14);
            if (format == 0xFFFE && len >= 26 && avail >= 26)
                format = qFromLittleEndian<quint16>(body + 24);  // WAVE_FORMAT_EXTENSIBLE: the sub-format's first word
        } else if (std::memcmp(d + pos, "data", 4) == 0) {
            haveData = true;
            dataOffset = pos + 8;
            dataSize = std::min<size_t>(len, avail);  // a truncated file plays what it has
            break;
        }
        pos += 8 + static_cast<size_t>(len) + (len & 1);
    }
    if (!haveData || channels < 1 || channels > 8 || rate < 1000 || rate > 384000)
        return false;
    const bool isFloat = format == 3 && bits == 32;
    if (!isFloat && (format != 1 || (bits != 8 && bits != 16 && bits != 24 && bits != 32)))
        return false;
    const size_t frames = dataSize / static_cast<size_t>(bits / 8) / static_cast<size_t>(channels);
    out = WavInfo{static_cast<int>(rate), channels, bits, isFloat, dataOffset, frames};
    return true;
}

bool tooLong(const WavInfo& info)
{
    return info.frames > static_cast<size_t>(info.sampleRate) * static_cast<size_t>(kMaxSoundSeconds);
}

}  // namespace

bool parseWav(const std::string& bytes, WavInfo& out)
{
    WavInfo info;
    if (!parseWavHeader(bytes, info))
        return false;
    if (tooLong(info)) {
        qWarning("Sound of %zu s is longer than %d s; not played", info.frames / static_cast<size_t>(info.sampleRate),
                 kMaxSoundSeconds);
        return false;
    }
    out = info;
    return true;
}

bool isOverlongWav(const std::string& bytes)
{
    WavInfo info;
    return parseWavHeader(bytes, info) && tooLong(info);
}

int16_t wavSample(const WavInfo& info, const std::string& bytes, size_t index)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + info.dataOffset +
                    index * static_cast<size_t>(info.bits / 8);
    int32_t v = 0;
    if (info.isFloat) {
        float f;
        std::memcpy(&f, p, 4);
        // NaN compares false both ways and would reach the cast: silence.
        v = std::isnan(f) ? 0 : static_cast<int32_t>(std::clamp(f, -1.0f, 1.0f) * 32767.0f);
    } else if (info.bits == 8) {
        v = (static_cast<int32_t>(p[0]) - 128) << 8;
    } else if (info.bits == 16) {
        v = static_cast<int16_t>(qFromLittleEndian<quint16>(p));
    } else if (info.bits == 24) {
        v = static_cast<int32_t>((uint32_t(p[0]) << 8) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 24)) >> 16;
    } else {
        v = static_cast<int32_t>(qFromLittleEndian<quint32>(p)) >> 16;
    }
    return static_cast<int16_t>(v);
}

bool decodeWav(const std::string& bytes, Pcm& out)
{
    WavInfo info;
    if (!parseWav(bytes, info))
        return false;
    const size_t count = info.frames * static_cast<size_t>(info.channels);
    out.sampleRate = info.sampleRate;
    out.channels = info.channels;
    out.samples.resize(count);
    for (size_t i = 0; i < count; ++i)
        out.samples[i] = wavSample(info, bytes, i);
    return true;
}

bool parseOpen(const std::string& command, OpenCommand& out)
{
    if (!startsWithWord(command, "OPEN"))
        return false;
    const size_t typePos = rfindNoCase(command, " TYPE ");
    if (typePos == std::string::npos || typePos < 5)
        return false;
    out.path = command.substr(5, typePos - 5);
    const std::string rest = command.substr(typePos + 6);
    const size_t aliasPos = rfindNoCase(rest, " ALIAS ");
    if (aliasPos == std::string::npos)
        return false;
    out.type = trim(rest.substr(0, aliasPos));
    out.alias = trim(rest.substr(aliasPos + 7));
    return !out.path.empty() && !out.alias.empty() && out.alias.find(' ') == std::string::npos;
}

MediaInterpreter::~MediaInterpreter()
{
    while (!aliases_.empty())
        close(aliases_.begin()->first);
}

bool MediaInterpreter::isOpen(const std::string& alias) const
{
    return aliases_.count(UpperCase(alias)) != 0;
}

void MediaInterpreter::close(const std::string& key)
{
    auto it = aliases_.find(key);
    if (it == aliases_.end())
        return;
    if (it->second.voice != 0 && device_)
        device_->stop(it->second.voice);
    aliases_.erase(it);
}

int MediaInterpreter::send(const std::string& command) noexcept
{
    try {
        return dispatch(command);
    } catch (const std::bad_alloc&) {
        qWarning("Media command failed: out of memory: %.200s", command.c_str());
        return MCIERR_OUT_OF_MEMORY;
    } catch (const std::exception& e) {
        qWarning("Media command failed: %s: %.200s", e.what(), command.c_str());
        return MCIERR_HARDWARE;
    } catch (...) {
        return MCIERR_HARDWARE;
    }
}

int MediaInterpreter::dispatch(const std::string& rawCommand)
{
    const std::string command = trim(rawCommand);
    if (startsWithWord(command, "OPEN")) {
        OpenCommand open;
        if (!parseOpen(command, open))
            return MCIERR_MISSING_PARAMETER;
        const std::string key = UpperCase(open.alias);
        // A second OPEN under a name in use replaces the older sound, so a
        // screen never ends up playing another screen's sound of that name.
        close(key);
        auto bytes = std::make_shared<std::string>();
        if (const int code = readSoundFile(open.path, *bytes); code != MCI_OK)
            return code;
        aliases_[key] = Entry{std::move(bytes), 0};
        return MCI_OK;
    }
    if (startsWithWord(command, "PLAY")) {
        const std::string key = UpperCase(trim(command.substr(4)));
        auto it = aliases_.find(key);
        if (key.empty() || it == aliases_.end())
            return MCIERR_INVALID_DEVICE_NAME;
        if (device_) {
            if (it->second.voice != 0)
                device_->stop(it->second.voice);  // PLAY again starts over
            it->second.voice = device_->start(it->second.bytes);
        }
        return MCI_OK;
    }
    if (startsWithWord(command, "CLOSE")) {
        const std::string key = UpperCase(trim(command.substr(5)));
        if (key.empty())
            return MCIERR_MISSING_PARAMETER;
        if (aliases_.find(key) == aliases_.end())
            return MCIERR_INVALID_DEVICE_NAME;
        close(key);
        return MCI_OK;
    }
    return MCIERR_UNRECOGNIZED_COMMAND;
}

MediaInterpreter& mediaInterpreter()
{
    static MediaInterpreter interpreter(&systemAudioDevice());
    return interpreter;
}

}  // namespace platform
