#include "platform/audio_device.h"

#include "platform/audio_output.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>

namespace platform {

// --- sources and conversion ---------------------------------------------------

namespace {

class WavBytes : public SampleSource {
public:
    WavBytes(std::shared_ptr<const std::string> bytes, const WavInfo& info) : bytes_(std::move(bytes)), info_(info)
    {
        rate = info.sampleRate;
        channels = info.channels;
        frames = info.frames;
    }
    int32_t at(size_t index) const override { return wavSample(info_, *bytes_, index); }

private:
    std::shared_ptr<const std::string> bytes_;
    WavInfo info_;
};

class PcmSamples : public SampleSource {
public:
    explicit PcmSamples(std::shared_ptr<const Pcm> pcm) : pcm_(std::move(pcm))
    {
        rate = pcm_->sampleRate;
        channels = pcm_->channels;
        frames = channels > 0 ? pcm_->samples.size() / static_cast<size_t>(channels) : 0;
    }
    int32_t at(size_t index) const override { return pcm_->samples[index]; }

private:
    std::shared_ptr<const Pcm> pcm_;
};

}  // namespace

std::shared_ptr<const SampleSource> wavSource(std::shared_ptr<const std::string> bytes)
{
    WavInfo info;
    if (!bytes || !parseWav(*bytes, info))
        return nullptr;
    return std::make_shared<WavBytes>(std::move(bytes), info);
}

std::shared_ptr<const SampleSource> pcmSource(std::shared_ptr<const Pcm> pcm)
{
    return pcm ? std::make_shared<PcmSamples>(std::move(pcm)) : nullptr;
}

SoundStream::SoundStream(std::shared_ptr<const SampleSource> source, int rate, int channels)
    : source_(std::move(source))
{
    if (!source_ || source_->frames == 0 || source_->channels <= 0 || source_->rate <= 0 || rate <= 0 || channels <= 0)
        return;
    inChannels_ = static_cast<size_t>(source_->channels);
    outChannels_ = static_cast<size_t>(channels);
    inFrames_ = source_->frames;
    keep_ = inChannels_ == outChannels_;
    step_ = (static_cast<uint64_t>(source_->rate) << 32) / static_cast<uint64_t>(rate);
    if (step_ == 0)
        return;
    outFrames_ = static_cast<size_t>((static_cast<uint64_t>(inFrames_) << 32) / step_);
}

int32_t SoundStream::value(size_t frame, size_t channel) const
{
    const size_t base = frame * inChannels_;
    if (keep_)
        return source_->at(base + channel);
    int32_t sum = 0;
    for (size_t c = 0; c < inChannels_; ++c)
        sum += source_->at(base + c);
    return sum / static_cast<int32_t>(inChannels_);
}

size_t SoundStream::mixInto(int32_t* mix, size_t frames)
{
    const size_t n = std::min(frames, outFrames_ - std::min(outFrames_, frame_));
    for (size_t f = 0; f < n; ++f, ++frame_, pos_ += step_) {
        const size_t i = static_cast<size_t>(pos_ >> 32);
        const size_t j = std::min(i + 1, inFrames_ - 1);
        const int64_t t = static_cast<int64_t>((pos_ >> 16) & 0xFFFF);  // 16-bit fraction
        for (size_t c = 0; c < outChannels_; ++c) {
            const size_t sc = keep_ ? c : 0;
            const int64_t a = value(i, sc), b = value(j, sc);
            mix[f * outChannels_ + c] += static_cast<int32_t>(a + (((b - a) * t) >> 16));
        }
    }
    return n;
}

Pcm convertPcm(const Pcm& in, int rate, int channels)
{
    Pcm out;
    out.sampleRate = rate;
    out.channels = channels;
    // The caller's pcm outlives the stream: borrowed, not copied.
    SoundStream stream(pcmSource(std::shared_ptr<const Pcm>(&in, [](const Pcm*) {})), rate, channels);
    std::vector<int32_t> mix(stream.totalFrames() * static_cast<size_t>(std::max(channels, 0)));
    stream.mixInto(mix.data(), stream.totalFrames());
    out.samples.assign(mix.begin(), mix.end());
    return out;
}

// --- mixer ----------------------------------------------------------------------

void Mixer::setFormat(int rate, int channels, bool isFloat)
{
    std::lock_guard lock(mutex_);
    rate_ = rate;
    channels_ = channels;
    float_ = isFloat;
}

uint64_t Mixer::start(const std::shared_ptr<const std::string>& bytes)
{
    // Only the header is read here; the samples are converted as they play.
    auto source = wavSource(bytes);
    if (!source)
        return 0;
    std::lock_guard lock(mutex_);
    Voice v;
    v.id = ++nextId_;
    v.source = std::move(source);
    voices_.push_back(std::move(v));
    return nextId_;
}

uint64_t Mixer::startPending()
{
    std::lock_guard lock(mutex_);
    Voice v;
    v.id = ++nextId_;
    v.pending = true;
    voices_.push_back(std::move(v));
    return nextId_;
}

void Mixer::setSource(uint64_t voice, std::shared_ptr<const SampleSource> source)
{
    std::lock_guard lock(mutex_);
    for (auto it = voices_.begin(); it != voices_.end(); ++it)
        if (it->id == voice) {
            if (source) {
                it->source = std::move(source);
                it->pending = false;
            } else {
                voices_.erase(it);  // nothing to play
            }
            return;
        }
}

void Mixer::stop(uint64_t voice)
{
    std::lock_guard lock(mutex_);
    voices_.remove_if([voice](const Voice& v) { return v.id == voice; });
}

bool Mixer::idle() const
{
    std::lock_guard lock(mutex_);
    return voices_.empty();
}

size_t Mixer::voiceCount() const
{
    std::lock_guard lock(mutex_);
    return voices_.size();
}

int64_t Mixer::mix(char* data, int64_t maxlen)
{
    std::lock_guard lock(mutex_);
    const int64_t bytesPerSample = float_ ? 4 : 2;
    const size_t channels = static_cast<size_t>(std::max(channels_, 1));
    const size_t frames = static_cast<size_t>(std::max<int64_t>(maxlen, 0) / bytesPerSample) / channels;
    const size_t count = frames * channels;
    mix_.assign(count, 0);
    for (auto it = voices_.begin(); it != voices_.end();) {
        if (it->pending || rate_ <= 0) {
            ++it;
            continue;
        }
        if (!it->stream)
            it->stream = std::make_unique<SoundStream>(it->source, rate_, channels_);
        it->stream->mixInto(mix_.data(), frames);
        it = it->stream->done() ? voices_.erase(it) : std::next(it);
    }
    if (float_) {
        auto* out = reinterpret_cast<float*>(data);
        for (size_t i = 0; i < count; ++i)
            out[i] = static_cast<float>(std::clamp(mix_[i], -32768, 32767)) / 32768.0f;
    } else {
        auto* out = reinterpret_cast<int16_t*>(data);
        for (size_t i = 0; i < count; ++i)
            out[i] = static_cast<int16_t>(std::clamp(mix_[i], -32768, 32767));
    }
    return static_cast<int64_t>(count) * bytesPerSample;
}

// --- the sound card -------------------------------------------------------------

namespace {

// Audio thread: the sound card module from the program's folder, loaded
// once and kept for the life of the process; null (and one warning) when it
// cannot be loaded.
std::unique_ptr<AudioOutput> loadAudioOutput()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string path = (exe.parent_path() / kAudioOutputModule).string();
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        qWarning("No sound: %s", ::dlerror());
        return nullptr;
    }
    const auto make = reinterpret_cast<MakeAudioOutput>(::dlsym(module, kAudioOutputEntry));
    if (!make) {
        qWarning("No sound: %s has no %s", path.c_str(), kAudioOutputEntry);
        return nullptr;
    }
    return std::unique_ptr<AudioOutput>(make());
}

QPointer<QObject> g_openAfter;

class QtAudioDevice : public AudioDevice {
public:
    QtAudioDevice()
    {
        if (!QCoreApplication::instance())
            return;
        thread_ = new QThread;
        thread_->setObjectName("audio");
        thread_->start();
        // The context object lives on the audio thread, so the output is
        // found, opened, fed and closed there, never holding up the window.
        worker_ = new QObject;
        worker_->moveToThread(thread_);
        ready_ = true;
        if (!g_openAfter)
            open();
        else
            openAfterFirstFrame(g_openAfter);
    }

    // Opens the output on the audio thread (once).
    void open()
    {
        if (!opening_.exchange(true))
            QMetaObject::invokeMethod(
                worker_, [this] { openOutput(); }, Qt::QueuedConnection);
    }
    ~QtAudioDevice() override { shutdown(); }

    void shutdown()
    {
        if (!thread_)
            return;
        QMetaObject::invokeMethod(
            worker_,
            [this] {
                output_.reset();
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
        if (!ready_ || silent_ || !bytes)
            return 0;
        uint64_t id = mixer_.start(bytes);
        if (id == 0) {
            if (isOverlongWav(*bytes))
                return 0;
            id = mixer_.startPending();
            decodeLater(id, bytes);
        }
        wake();
        return id;
    }

    void stop(uint64_t voice) override
    {
        if (ready_)
            mixer_.stop(voice);
    }

private:
    // Window thread: opens the output once `window` has painted (right after
    // that frame has gone to the screen), or half a second on at the latest.
    void openAfterFirstFrame(QObject* window)
    {
        struct FirstFrame : QObject {
            std::function<void()> open;
            bool eventFilter(QObject* watched, QEvent* event) override
            {
                if (event->type() == QEvent::Paint) {
                    watched->removeEventFilter(this);
                    // Queued: runs once this paint has been flushed.
                    QMetaObject::invokeMethod(
                        this,
                        [this] {
                            open();
                            deleteLater();
                        },
                        Qt::QueuedConnection);
                }
                return false;
            }
        };
        auto* watch = new FirstFrame;
        watch->open = [this] { open(); };
        window->installEventFilter(watch);
        QObject::connect(window, &QObject::destroyed, watch, [this, watch] {
            open();
            watch->deleteLater();
        });
        QTimer::singleShot(kLatestOpenMs, watch, [this] { open(); });
    }

    // Audio thread.
    void openOutput()
    {
        output_ = loadAudioOutput();
        AudioOutput::Format fmt;
        if (!output_ || !output_->open(fmt, kBufferUs)) {
            output_.reset();
            silent_ = true;
            return;
        }
        mixer_.setFormat(fmt.rate, fmt.channels, fmt.isFloat);
        running_ = output_->start();
        feed_ = new QTimer(worker_);
        feed_->setTimerType(Qt::PreciseTimer);
        QObject::connect(feed_, &QTimer::timeout, worker_, [this] { feed(); });
        sinceSound_.start();
        feed_->start(kFeedMs);
    }

    // Audio thread: tops the buffer up; after a second of silence closes the
    // stream and stops the timer, so neither the program nor the audio server
    // wakes while nothing plays. A new stream starts with an empty buffer, so
    // the next sound is heard sooner than through a running one.
    void feed()
    {
        if (!output_)
            return;
        const bool quiet = mixer_.idle();
        if (!quiet)
            sinceSound_.restart();
        // No stream (the server refused one): wait for the next play to try again.
        if (!running_ || (quiet && sinceSound_.elapsed() >= kIdleMs)) {
            feed_->stop();
            output_->stop();
            running_ = false;
            stopped_ = true;
            return;
        }
        const int64_t free = output_->bytesFree();
        if (free <= 0)
            return;
        chunk_.resize(static_cast<size_t>(free));
        output_->write(chunk_.data(), mixer_.mix(chunk_.data(), free));
    }

    // Any thread: a new voice opens the stream again.
    void wake()
    {
        QMetaObject::invokeMethod(
            worker_,
            [this] {
                if (!output_)
                    return;
                sinceSound_.restart();
                if (stopped_) {
                    stopped_ = false;
                    running_ = output_->start();
                }
                feed();
                if (!stopped_ && !feed_->isActive())
                    feed_->start(kFeedMs);
            },
            Qt::QueuedConnection);
    }

    // Other formats (MP3, OGG, ...) go through the module's decoder on the
    // audio thread, kept to the longest sound that plays.
    void decodeLater(uint64_t id, std::shared_ptr<const std::string> bytes)
    {
        QMetaObject::invokeMethod(
            worker_,
            [this, id, bytes] {
                if (!output_) {
                    mixer_.setSource(id, nullptr);
                    return;
                }
                output_->decode(bytes, [this, id](std::shared_ptr<const Pcm> pcm) {
                    mixer_.setSource(id, pcm ? pcmSource(std::move(pcm)) : nullptr);
                });
            },
            Qt::QueuedConnection);
    }

    static constexpr int kBufferUs = 30000;
    static constexpr int kFeedMs = 5;
    static constexpr int kIdleMs = 1000;
    static constexpr int kLatestOpenMs = 500;

    Mixer mixer_;
    // Audio thread only:
    std::unique_ptr<AudioOutput> output_;
    std::vector<char> chunk_;
    QTimer* feed_ = nullptr;
    QElapsedTimer sinceSound_;
    bool running_ = false;
    bool stopped_ = false;

    QThread* thread_ = nullptr;
    QObject* worker_ = nullptr;
    std::atomic<bool> silent_{false};  // no audio output: nothing is kept
    std::atomic<bool> opening_{false};
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

void openAudioAfterFirstFrame(QObject* window)
{
    g_openAfter = window;
}

void shutdownAudio()
{
    if (g_device)
        g_device->shutdown();
}

}  // namespace platform
