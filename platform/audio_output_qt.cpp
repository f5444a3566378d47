// The sound card on Qt Multimedia: built as the module the audio thread
// loads, and used only on that thread.
#include "platform/audio_output.h"

#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QIODevice>
#include <QMediaDevices>

namespace platform {

namespace {

class QtAudioOutput : public AudioOutput {
public:
    ~QtAudioOutput() override
    {
        if (sink_)
            sink_->stop();
        delete sink_;
    }

    bool open(Format& format, int bufferUs) override
    {
        const QAudioDevice out = QMediaDevices::defaultAudioOutput();
        if (out.isNull())
            return false;
        QAudioFormat fmt;
        fmt.setSampleRate(44100);
        fmt.setChannelCount(2);
        fmt.setSampleFormat(QAudioFormat::Int16);
        if (!out.isFormatSupported(fmt)) {
            fmt = out.preferredFormat();
            if (fmt.sampleFormat() != QAudioFormat::Float)
                fmt.setSampleFormat(QAudioFormat::Int16);
        }
        format_ = fmt;
        format = {fmt.sampleRate(), fmt.channelCount(), fmt.sampleFormat() == QAudioFormat::Float};
        sink_ = new QAudioSink(out, fmt);
        // A small buffer kept topped up: a click is heard at once. Set once:
        // a stream started again keeps the size the server settled on.
        sink_->setBufferSize(fmt.bytesForDuration(bufferUs));
        return true;
    }

    bool start() override
    {
        stream_ = sink_->start();
        return stream_ != nullptr;
    }

    void stop() override
    {
        sink_->stop();
        stream_ = nullptr;
    }

    int64_t bytesFree() const override { return stream_ ? sink_->bytesFree() : 0; }

    void write(const char* data, int64_t size) override
    {
        if (stream_)
            stream_->write(data, size);
    }

    void decode(std::shared_ptr<const std::string> bytes, std::function<void(std::shared_ptr<const Pcm>)> done) override
    {
        const size_t maxSamples = static_cast<size_t>(format_.sampleRate()) *
                                  static_cast<size_t>(format_.channelCount()) * static_cast<size_t>(kMaxSoundSeconds);
        auto* buffer = new QBuffer;
        buffer->setData(QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size())));
        buffer->open(QIODevice::ReadOnly);
        // The buffer reads the bytes where they lie: they stay until it is gone.
        QObject::connect(buffer, &QObject::destroyed, [bytes] {});
        auto* decoder = new QAudioDecoder;
        QAudioFormat want;
        want.setSampleRate(format_.sampleRate());
        want.setChannelCount(format_.channelCount());
        want.setSampleFormat(QAudioFormat::Int16);
        decoder->setAudioFormat(want);
        decoder->setSourceDevice(buffer);
        auto pcm = std::make_shared<Pcm>();
        pcm->sampleRate = want.sampleRate();
        pcm->channels = want.channelCount();
        // Whichever of the decoder's signals comes first ends it.
        auto finish = [decoder, buffer, done](std::shared_ptr<const Pcm> result) {
            decoder->disconnect();
            decoder->stop();
            decoder->deleteLater();
            buffer->deleteLater();
            done(std::move(result));
        };
        QObject::connect(decoder, &QAudioDecoder::bufferReady, decoder, [decoder, pcm, maxSamples, finish] {
            const QAudioBuffer b = decoder->read();
            if (b.format().sampleFormat() == QAudioFormat::Int16) {
                const auto* s = b.constData<int16_t>();
                pcm->samples.insert(pcm->samples.end(), s, s + b.sampleCount());
            }
            if (pcm->samples.size() > maxSamples) {
                qWarning("Sound longer than %d s; not played", kMaxSoundSeconds);
                finish(nullptr);
            }
        });
        QObject::connect(decoder, &QAudioDecoder::finished, decoder,
                         [pcm, finish] { finish(pcm->samples.empty() ? nullptr : pcm); });
        QObject::connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), decoder,
                         [finish] { finish(nullptr); });
        decoder->start();
    }

private:
    QAudioFormat format_;
    QAudioSink* sink_ = nullptr;
    QIODevice* stream_ = nullptr;
};

}  // namespace

}  // namespace platform

extern "C" __attribute__((visibility("default"))) platform::AudioOutput* qh_make_audio_output()
{
    return new platform::QtAudioOutput;
}
