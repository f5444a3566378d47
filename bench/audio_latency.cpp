// Start latency of a sound: from the PLAY command to the moment its first
// samples come back from the output's monitor (PulseAudio's null sink
// monitor, or any monitor source named by QH_MONITOR). An upper bound: it
// includes the monitor's own buffering.
#include "platform/platform.h"

#include <QAudioSource>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray clickWav()
{
    // 200 ms of a loud square wave, 22050 Hz mono 16-bit.
    const int rate = 22050, n = rate / 5;
    QByteArray pcm;
    for (int i = 0; i < n; ++i) {
        const int16_t v = (i / 25) % 2 ? 20000 : -20000;
        pcm.append(reinterpret_cast<const char*>(&v), 2);
    }
    auto le = [](uint32_t v, int bytes) {
        QByteArray s;
        for (int i = 0; i < bytes; ++i)
            s.append(static_cast<char>((v >> (8 * i)) & 0xFF));
        return s;
    };
    QByteArray fmt = le(1, 2) + le(1, 2) + le(rate, 4) + le(rate * 2, 4) + le(2, 2) + le(16, 2);
    QByteArray body = "WAVEfmt " + le(16, 4) + fmt + "data" + le(static_cast<uint32_t>(pcm.size()), 4) + pcm;
    return "RIFF" + le(static_cast<uint32_t>(body.size()), 4) + body;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray wanted = qEnvironmentVariableIsSet("QH_MONITOR") ? qgetenv("QH_MONITOR") : QByteArray("monitor");
    QAudioDevice monitor;
    for (const QAudioDevice& d : QMediaDevices::audioInputs())
        if (d.id().contains(wanted))
            monitor = d;
    if (monitor.isNull()) {
        std::printf("no monitor source: start a PulseAudio null sink first\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString wav = dir.path() + "/click.wav";
    QFile f(wav);
    f.open(QIODevice::WriteOnly);
    f.write(clickWav());
    f.close();

    QAudioFormat fmt;
    fmt.setSampleRate(44100);
    fmt.setChannelCount(1);
    fmt.setSampleFormat(QAudioFormat::Int16);
    QAudioSource source(monitor, fmt);
    source.setBufferSize(fmt.bytesForDuration(5000));
    QIODevice* in = source.start();

    QElapsedTimer clock;
    clock.start();
    qint64 playedAt = -1;
    std::vector<double> latencies;
    QObject::connect(in, &QIODevice::readyRead, [&] {
        const QByteArray data = in->readAll();
        if (playedAt < 0)
            return;
        const auto* s = reinterpret_cast<const int16_t*>(data.constData());
        for (qsizetype i = 0; i < data.size() / 2; ++i)
            if (std::abs(s[i]) > 8000) {
                latencies.push_back(static_cast<double>(clock.nsecsElapsed() - playedAt) / 1e6);
                playedAt = -1;
                break;
            }
    });
    platform::Platform& p = platform::real();
    const std::string open = "OPEN " + wav.toStdString() + " TYPE mpegvideo ALIAS click";
    int trial = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (trial == 12) {
            app.quit();
            return;
        }
        p.mciSendString("CLOSE click");
        p.mciSendString(open);
        playedAt = clock.nsecsElapsed();
        p.mciSendString("PLAY click");
        ++trial;
    });
    p.mciSendString(open);  // opens the output stream
    QTimer::singleShot(800, [&] { timer.start(400); });
    app.exec();
    if (latencies.size() > 2)
        latencies.erase(latencies.begin());  // the first includes the stream's start
    std::sort(latencies.begin(), latencies.end());
    if (latencies.empty()) {
        std::printf("no sound came back\n");
        return 1;
    }
    std::printf("start latency over %zu plays: min %.1f ms, median %.1f ms, max %.1f ms\n", latencies.size(),
                latencies.front(), latencies[latencies.size() / 2], latencies.back());
    return 0;
}
