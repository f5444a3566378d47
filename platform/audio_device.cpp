#include "platform/audio_device.h"

#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <list>
#include <mutex>

namespace platform {

Pcm convertPcm(const Pcm& in, int rate, int channels)
{
    Pcm out;
    out.sampleRate = rate;
    out.channels = channels;
    if (in.empty() || in.channels <= 0 || in.sampleRate <= 0 || rate <= 0 || channels <= 0)
        return out;
    const size_t inCh = static_cast<size_t>(in.channels);
    const size_t outCh = static_cast<size_t>(channels);
    const size_t inFrames = in.samples.size() / inCh;
    if (inFrames == 0)
        return out;
    // First to mono or kept as is, then resampled, then spread over the
    // output channels: a sound is one voice, whatever its channels.
    std::vector<int32_t> mono;
    const bool keep = in.channels == channels;
    if (!keep) {
        mono.resize(inFrames);
        for (size_t f = 0; f < inFrames; ++f) {
            int32_t sum = 0;
            for (size_t c = 0; c < inCh; ++c)
                sum += in.samples[f * inCh + c];
            mono[f] = sum / static_cast<int32_t>(inCh);
        }
    }
    const size_t srcCh = keep ? inCh : 1;
    auto src = [&](size_t frame, size_t ch) -> int32_t {
        return keep ? in.samples[frame * inCh + ch] : mono[frame];
    };
    // Position in 32.32 fixed point: exact for the usual 22050 -> 44100.
    const uint64_t step = (static_cast<uint64_t>(in.sampleRate) << 32) / static_cast<uint64_t>(rate);
    const size_t outFrames = static_cast<size_t>((static_cast<uint64_t>(inFrames) << 32) / step);
    out.samples.resize(outFrames * outCh);
    uint64_t pos = 0;
    for (size_t f = 0; f < outFrames; ++f, pos += step) {
        const size_t i = static_cast<size_t>(pos >> 32);
        const size_t j = std::min(i + 1, inFrames - 1);
        const int64_t t = static_cast<int64_t>((pos >> 16) & 0xFFFF);  // 16-bit fraction
        for (size_t c = 0; c < outCh; ++c) {
            const size_t sc = std::min(c, srcCh - 1);
            const int64_t a = src(i, sc), b = src(j, sc);
            out.samples[f * outCh + c] = static_cast<int16_t>(a + (((b - a) * t) >> 16));
        }
    }
    return out;
}

namespace {

struct Voice {
    uint64_t id = 0;
    std::shared_ptr<const Pcm> pcm;  // null until decoded
    size_t position = 0;             // next sample (not frame) to play
};

// Mixes the playing voices into the output format; silence between sounds.
class Mixer {
public:
    QAudioFormat format;

    void add(Voice v)
    {
        std::lock_guard lock(mutex_);
        voices_.push_back(std::move(v));
    }
    void remove(uint64_t id)
    {
        std::lock_guard lock(mutex_);
        voices_.remove_if([id](const Voice& v) { return v.id == id; });
    }
    void setPcm(uint64_t id, std::shared_ptr<const Pcm> pcm)
    {
        std::lock_guard lock(mutex_);
        for (auto& v : voices_)
            if (v.id == id)
                v.pcm = std::move(pcm);
    }
    // Fills data with the next maxlen bytes of the mix.
    qint64 mix(char* data, qint64 maxlen)
    {
        const bool isFloat = format.sampleFormat() == QAudioFormat::Float;
        const qint64 bytesPerSample = isFloat ? 4 : 2;
        const auto count = static_cast<size_t>(maxlen / bytesPerSample);
        mix_.assign(count, 0);
        {
            std::lock_guard lock(mutex_);
            for (auto it = voices_.begin(); it != voices_.end();) {
                if (!it->pcm) {
                    ++it;
                    continue;
                }
                const auto& s = it->pcm->samples;
                const size_t n = std::min(count, s.size() - std::min(s.size(), it->position));
                for (size_t i = 0; i < n; ++i)
                    mix_[i] += s[it->position + i];
                it->position += n;
                it = it->position >= s.size() ? voices_.erase(it) : std::next(it);
            }
        }
        if (isFloat) {
            auto* out = reinterpret_cast<float*>(data);
            for (size_t i = 0; i < count; ++i)
                out[i] = static_cast<float>(std::clamp(mix_[i], -32768, 32767)) / 32768.0f;
        } else {
            auto* out = reinterpret_cast<int16_t*>(data);
            for (size_t i = 0; i < count; ++i)
                out[i] = static_cast<int16_t>(std::clamp(mix_[i], -32768, 32767));
        }
        return static_cast<qint64>(count) * bytesPerSample;
    }

private:
    std::mutex mutex_;
    std::list<Voice> voices_;
    std::vector<int32_t> mix_;
};

class QtAudioDevice : public AudioDevice {
public:
    QtAudioDevice()
    {
        if (!QCoreApplication::instance())
            return;
        const QAudioDevice out = QMediaDevices::defaultAudioOutput();
        if (out.isNull())
            return;
        QAudioFormat fmt;
        fmt.setSampleRate(44100);
        fmt.setChannelCount(2);
        fmt.setSampleFormat(QAudioFormat::Int16);
        if (!out.isFormatSupported(fmt)) {
            fmt = out.preferredFormat();
            if (fmt.sampleFormat() != QAudioFormat::Float)
                fmt.setSampleFormat(QAudioFormat::Int16);
        }
        mixer_.format = fmt;
        thread_ = new QThread;
        thread_->setObjectName("audio");
        thread_->start();
        // The context object lives on the audio thread, so the sink is
        // created, fed and destroyed there.
        worker_ = new QObject;
        worker_->moveToThread(thread_);
        QMetaObject::invokeMethod(
            worker_,
            [this, out, fmt] {
                sink_ = new QAudioSink(out, fmt);
                // A small buffer kept topped up: a click is heard at once.
                sink_->setBufferSize(fmt.bytesForDuration(kBufferUs));
                QIODevice* stream = sink_->start();
                auto* feed = new QTimer(worker_);
                feed->setTimerType(Qt::PreciseTimer);
                QObject::connect(feed, &QTimer::timeout, worker_, [this, stream] {
                    const qint64 free = sink_->bytesFree();
                    if (free <= 0 || !stream)
                        return;
                    chunk_.resize(free);
                    stream->write(chunk_.constData(), mixer_.mix(chunk_.data(), free));
                });
                feed->start(kFeedMs);
            },
            Qt::QueuedConnection);
        ready_ = true;
    }
    ~QtAudioDevice() override { shutdown(); }

    void shutdown()
    {
        if (!thread_)
            return;
        QMetaObject::invokeMethod(
            worker_,
            [this] {
                if (sink_) {
                    sink_->stop();
                    delete sink_;
                    sink_ = nullptr;
                }
                delete worker_;
                worker_ = nullptr;
            },
            Qt::BlockingQueuedConnection);
        thread_->quit();
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
        ready_ = false;
    }

    uint64_t start(const std::shared_ptr<const std::string>& bytes) override
    {
        if (!ready_ || !bytes)
            return 0;
        const uint64_t id = ++nextId_;
        Voice v;
        v.id = id;
        Pcm pcm;
        if (decodeWav(*bytes, pcm)) {
            v.pcm = std::make_shared<Pcm>(convertPcm(pcm, mixer_.format.sampleRate(), mixer_.format.channelCount()));
            mixer_.add(std::move(v));
        } else {
            mixer_.add(std::move(v));
            decodeLater(id, bytes);
        }
        return id;
    }

    void stop(uint64_t voice) override
    {
        if (ready_)
            mixer_.remove(voice);
    }

private:
    // Other formats (MP3, OGG, ...) go through Qt's decoder on the audio thread.
    void decodeLater(uint64_t id, std::shared_ptr<const std::string> bytes)
    {
        QMetaObject::invokeMethod(
            worker_,
            [this, id, bytes] {
                auto* buffer = new QBuffer;
                buffer->setData(QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())));
                buffer->open(QIODevice::ReadOnly);
                auto* decoder = new QAudioDecoder;
                QAudioFormat want;
                want.setSampleRate(mixer_.format.sampleRate());
                want.setChannelCount(mixer_.format.channelCount());
                want.setSampleFormat(QAudioFormat::Int16);
                decoder->setAudioFormat(want);
                decoder->setSourceDevice(buffer);
                auto pcm = std::make_shared<Pcm>();
                pcm->sampleRate = want.sampleRate();
                pcm->channels = want.channelCount();
                QObject::connect(decoder, &QAudioDecoder::bufferReady, decoder, [decoder, pcm] {
                    const QAudioBuffer b = decoder->read();
                    const auto* s = b.constData<int16_t>();
                    if (b.format().sampleFormat() == QAudioFormat::Int16)
                        pcm->samples.insert(pcm->samples.end(), s, s + b.sampleCount());
                });
                auto finish = [this, decoder, buffer, pcm, id] {
                    Pcm fixed = convertPcm(*pcm, mixer_.format.sampleRate(), mixer_.format.channelCount());
                    mixer_.setPcm(id, std::make_shared<Pcm>(std::move(fixed)));
                    decoder->deleteLater();
                    buffer->deleteLater();
                };
                QObject::connect(decoder, &QAudioDecoder::finished, decoder, finish);
                QObject::connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), decoder,
                                 [decoder, buffer] {
                                     decoder->deleteLater();
                                     buffer->deleteLater();
                                 });
                decoder->start();
            },
            Qt::QueuedConnection);
    }

    static constexpr int kBufferUs = 30000;
    static constexpr int kFeedMs = 5;

    Mixer mixer_;
    QByteArray chunk_;  // audio thread only
    QThread* thread_ = nullptr;
    QObject* worker_ = nullptr;
    QAudioSink* sink_ = nullptr;
    std::atomic<uint64_t> nextId_{0};
    bool ready_ = false;
};

QtAudioDevice* g_device = nullptr;

}  // namespace

AudioDevice& systemAudioDevice()
{
    if (!g_device) {
        g_device = new QtAudioDevice;
        qAddPostRoutine(shutdownAudio);
    }
    return *g_device;
}

void shutdownAudio()
{
    if (g_device)
        g_device->shutdown();
}

}  // namespace platform
