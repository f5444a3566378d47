// Sound figures against a live PulseAudio server (a null sink will do):
// - start latency: from the PLAY command to the moment its first samples
//   come back from the output's monitor, with the output busy and after a
//   silence long enough for it to go idle (an upper bound: it includes the
//   monitor's own buffering);
// - first-play hold: how long a fresh copy of the program keeps its welcome
//   sound under the ".wav" name at start;
// - idle: the program's wake-ups per second and CPU, and the server's CPU,
//   while nothing plays.
// Qt does not list monitor sources as inputs, so the probe loads a remap
// source of the default sink's monitor for the run (QH_MONITOR names
// another input to use instead).
//
// Usage: audio_latency [IDLE_SECONDS]   (default 10; the program "qinghe"
// and its "mainform" folder are taken from beside this probe)
// With no server running, start one first:
//   pulseaudio --start --exit-idle-time=-1 && pactl load-module module-null-sink sink_name=null &&
//   pactl set-default-sink null
#include "bench/measures.h"
#include "platform/platform.h"

#include <QAudioSource>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/inotify.h>
#include <unistd.h>
#include <vector>

namespace {

const char kUsage[] =
    "usage: audio_latency [IDLE_SECONDS]\n"
    "needs a PulseAudio server; to start one with a null sink:\n"
    "  pulseaudio --start --exit-idle-time=-1 && pactl load-module module-null-sink sink_name=null && "
    "pactl set-default-sink null\n";

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

QString pactl(const QStringList& args)
{
    QProcess p;
    p.start("pactl", args);
    if (!p.waitForFinished(5000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// An input that hears the default output: QH_MONITOR, a listed monitor, or
// a remap source of the default sink's monitor loaded for this run.
class Monitor {
public:
    Monitor()
    {
        const QByteArray wanted =
            qEnvironmentVariableIsSet("QH_MONITOR") ? qgetenv("QH_MONITOR") : QByteArray("monitor");
        device = find(wanted);
        if (!device.isNull())
            return;
        const QString sink = pactl({"get-default-sink"});
        if (sink.isEmpty())
            return;
        module_ = pactl({"load-module", "module-remap-source", "master=" + sink + ".monitor",
                         "source_name=qh_probe_monitor", "source_properties=device.description=qh_probe_monitor"});
        QElapsedTimer t;
        t.start();
        while (device.isNull() && t.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            device = find("qh_probe_monitor");
        }
    }
    ~Monitor()
    {
        if (!module_.isEmpty())
            pactl({"unload-module", module_});
    }
    QAudioDevice device;

private:
    static QAudioDevice find(const QByteArray& id)
    {
        for (const QAudioDevice& d : QMediaDevices::audioInputs())
            if (d.id().contains(id))
                return d;
        return {};
    }
    QString module_;
};

// PLAY to first samples heard, for `trials` plays `gapMs` apart.
std::vector<double> startLatencies(QCoreApplication& app, const QAudioDevice& monitor, int trials, int gapMs)
{
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
        if (trial == trials + 1) {
            app.quit();
            return;
        }
        p.mciSendString("CLOSE click");
        p.mciSendString(open);
        playedAt = clock.nsecsElapsed();
        p.mciSendString("PLAY click");
        ++trial;
    });
    p.mciSendString(open);
    QTimer::singleShot(800, [&] { timer.start(gapMs); });
    app.exec();
    source.stop();
    if (latencies.size() > 1)
        latencies.erase(latencies.begin());  // the first includes the output's start
    return latencies;
}

// A copy of the program in a folder of its own with its welcome sound, on
// Qt's offscreen platform, talking to the same audio server.
class ProgramRun {
public:
    explicit ProgramRun(const QString& probeFolder)
    {
        const QString program = folder.path() + "/qinghe";
        QDir().mkpath(folder.path() + "/mainform");
        ok = QFile::copy(probeFolder + "/qinghe", program) &&
             QFile::copy(probeFolder + "/mainform/kj.dat", folder.path() + "/mainform/kj.dat");
        QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString runtime = env.value("XDG_RUNTIME_DIR");
        if (!env.contains("PULSE_SERVER") && !runtime.isEmpty())
            env.insert("PULSE_SERVER", "unix:" + runtime + "/pulse/native");
        env.insert("XDG_RUNTIME_DIR", lockFolder.path());  // its own instance lock
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.setProgram(program);
    }
    ~ProgramRun()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QString media() const { return folder.path() + "/mainform"; }

    QTemporaryDir folder, lockFolder;
    QProcess process;
    bool ok = false;
};

// Milliseconds between kj.dat becoming kj.wav and kj.wav becoming kj.dat
// again in a fresh start of the program; -1 when it was not seen.
double firstPlayHold(const QString& probeFolder)
{
    ProgramRun run(probeFolder);
    if (!run.ok)
        return -1;
    const int fd = inotify_init1(IN_CLOEXEC);
    inotify_add_watch(fd, run.media().toLocal8Bit().constData(), IN_MOVED_FROM);
    run.process.start();
    QElapsedTimer clock;
    clock.start();
    qint64 renamed = -1;
    double hold = -1;
    alignas(inotify_event) char buf[4096];
    while (hold < 0 && clock.elapsed() < 10000) {
        const ssize_t n = ::read(fd, buf, sizeof buf);  // blocks until a rename
        const qint64 now = clock.nsecsElapsed();
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
            const QByteArray name(e->len ? e->name : "");
            if (name == "kj.dat")
                renamed = now;
            else if (name == "kj.wav" && renamed >= 0)
                hold = static_cast<double>(now - renamed) / 1e6;
            at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
        }
    }
    ::close(fd);
    return hold;
}

struct Usage {
    long long switches = 0;  // voluntary and involuntary context switches of all threads
    long long cpuTicks = 0;
};

Usage usageOf(qint64 pid)
{
    Usage u;
    for (const QString& task : QDir(QString("/proc/%1/task").arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const std::string status = QString("/proc/%1/task/%2/status").arg(pid).arg(task).toStdString();
        for (const char* field : {"voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:"})
            u.switches += std::max(0LL, bench::StatusField(status, field));  // 0 for a thread gone meanwhile
    }
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray s = stat.readAll();
        const QList<QByteArray> f = s.mid(s.lastIndexOf(')') + 2).split(' ');
        if (f.size() > 12)
            u.cpuTicks = f[11].toLongLong() + f[12].toLongLong();  // utime, stime
    }
    return u;
}

qint64 serverPid()
{
    QFile f(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/pulse/pid");
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed().toLongLong() : 0;
}

// The program left alone after its welcome sound: wake-ups and CPU.
void idleFigures(const QString& probeFolder, int seconds)
{
    ProgramRun run(probeFolder);
    if (!run.ok) {
        std::printf("idle: no program beside the probe\n");
        return;
    }
    run.process.start();
    if (!run.process.waitForStarted(5000))
        return;
    QThread::sleep(11);  // the welcome sound (8 s) ends, and the output goes idle
    const qint64 pid = run.process.processId(), server = serverPid();
    const Usage a = usageOf(pid), sa = server ? usageOf(server) : Usage{};
    QThread::sleep(static_cast<unsigned long>(seconds));
    const Usage b = usageOf(pid), sb = server ? usageOf(server) : Usage{};
    const double tick = 1000.0 / static_cast<double>(::sysconf(_SC_CLK_TCK));
    std::printf("idle over %d s: program %.1f wake-ups/s, %.0f ms CPU; audio server %.0f ms CPU\n", seconds,
                static_cast<double>(b.switches - a.switches) / seconds,
                static_cast<double>(b.cpuTicks - a.cpuTicks) * tick,
                server ? static_cast<double>(sb.cpuTicks - sa.cpuTicks) * tick : -1.0);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 10;
    if (idleSeconds < 0 || argc > 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString probeFolder = QCoreApplication::applicationDirPath();

    std::vector<double> holds;
    for (int i = 0; i < 5; ++i)
        if (const double h = firstPlayHold(probeFolder); h >= 0)
            holds.push_back(h);
    if (!holds.empty())
        std::printf("first-play hold over %zu starts: median %.1f ms, max %.1f ms\n", holds.size(),
                    bench::Median(holds), *std::max_element(holds.begin(), holds.end()));

    Monitor monitor;
    if (monitor.device.isNull()) {
        std::fprintf(stderr, "no input hears the output\n%s", kUsage);
        return 1;
    }
    std::vector<double> busy = startLatencies(app, monitor.device, 12, 400);
    std::vector<double> quiet = startLatencies(app, monitor.device, 10, 2500);
    if (busy.empty() || quiet.empty()) {
        std::printf("no sound came back\n");
        return 1;
    }
    std::sort(busy.begin(), busy.end());
    std::printf("start latency over %zu plays: min %.1f ms, median %.1f ms, max %.1f ms\n", busy.size(), busy.front(),
                bench::Median(busy), busy.back());
    std::printf("start latency after 2.5 s of silence over %zu plays: median %.1f ms, max %.1f ms\n", quiet.size(),
                bench::Median(quiet), *std::max_element(quiet.begin(), quiet.end()));
    if (idleSeconds > 0)
        idleFigures(probeFolder, idleSeconds);
    return 0;
}
