// The main window's speed: creation, one menu page change (ten icons decoded
// from the embedded pictures, nothing cached), and one lesson sound up to the
// sound card's play call.
#include "app/Main_Form.h"
#include "platform/media_control.h"
#include "platform/pictures.h"
#include "platform/platform.h"
#include "platform/widgets.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Counts play calls instead of playing.
class CountingDevice : public platform::AudioDevice {
public:
    uint64_t plays = 0;
    uint64_t start(const std::shared_ptr<const std::string>&) override { return ++plays; }
    void stop(uint64_t) override {}
};

// The real renames and a media interpreter of its own; no dialogs.
class BenchPlatform : public platform::Platform {
public:
    explicit BenchPlatform(std::string exe) : exe_(std::move(exe)) { previous_ = platform::install(this); }
    ~BenchPlatform() override { platform::install(previous_); }
    CountingDevice device;
    platform::MediaInterpreter mci{&device};

    bool moveFile(const std::string& a, const std::string& b) override { return platform::real().moveFile(a, b); }
    int mciSendString(const std::string& c) override { return mci.send(c); }
    void playSoundNone() override {}
    void sleep(int) override {}
    void messageBox(const std::string&, const std::string&) override {}
    int messageDlg(const std::string&) override { return platform::mrNo; }
    platform::Handle createMutex(const std::string&) override { return 1; }
    unsigned long getLastError() override { return 0; }
    void closeHandle(platform::Handle) override {}
    uint64_t highResolutionCounter() override { return 1; }
    std::string exeName() override { return exe_; }

private:
    std::string exe_;
    platform::Platform* previous_;
};

// The program folder: the real media folders when the benchmark runs from
// the build's bin folder, otherwise a temporary one with a short WAV.
struct Folder {
    QTemporaryDir tmp;
    std::string exe;
    Folder()
    {
        const QString bin = QCoreApplication::applicationDirPath();
        if (QFile::exists(bin + "/mainform/kj.dat")) {
            exe = (bin + "/qinghe").toStdString();
            return;
        }
        QDir().mkpath(tmp.path() + "/mainform");
        QFile f(tmp.path() + "/mainform/kj.dat");
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray("RIFF") + QByteArray(40000, '\0'));
        exe = (tmp.path() + "/qinghe").toStdString();
    }
};

void BM_MainWindowCreation(benchmark::State& state)
{
    Folder folder;
    BenchPlatform p(folder.exe);
    for (auto _ : state) {
        TMainForm form;
        form.Create();
        benchmark::DoNotOptimize(form.CurrentSoundAlias);
    }
}
BENCHMARK(BM_MainWindowCreation)->Unit(benchmark::kMillisecond);

void BM_MenuPageChange(benchmark::State& state)
{
    Folder folder;
    BenchPlatform p(folder.exe);
    TMainForm form;
    form.Create();
    bool forward = true;
    for (auto _ : state) {
        if (forward)
            form.btn_NextPageClick();
        else
            form.btn_lastpageClick();
        forward = !forward;
    }
    state.counters["icons_shown"] = form.Slot(9).icon->hasPicture() ? 10 : 0;
}
BENCHMARK(BM_MenuPageChange)->Unit(benchmark::kMicrosecond);

void BM_PlayLessonSound(benchmark::State& state)
{
    Folder folder;
    BenchPlatform p(folder.exe);
    TMainForm form;
    form.SetMediaFolder();
    for (auto _ : state)
        form.PlayLessonSound("kj");
    state.counters["plays"] = static_cast<double>(p.device.plays);
}
BENCHMARK(BM_PlayLessonSound)->Unit(benchmark::kMicrosecond);

void BM_DecodeIcon(benchmark::State& state)
{
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(platform::loadPictureResource("mainformt001"));
        } catch (const std::exception&) {
            state.SkipWithError("no embedded icons");
            break;
        }
    }
}
BENCHMARK(BM_DecodeIcon)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
