// The main window's speed: creation, one menu page change (ten icons through
// the picture cache), one icon decoded from its embedded bytes past the
// cache, and one lesson sound up to the sound card's play call.
#include "app/Main_Form.h"
#include "bench/bench_support.h"
#include "platform/audio_device.h"
#include "platform/pictures.h"
#include "platform/widgets.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

void BM_MainWindowCreation(benchmark::State& state)
{
    bench::ProgramFolder folder{"mainform", {"kj", "n", "l", "lm", "re"}};
    bench::BenchPlatform p(folder.exe());
    for (auto _ : state) {
        TMainForm form;
        form.Create();
        benchmark::DoNotOptimize(form.CurrentSoundAlias);
    }
}
BENCHMARK(BM_MainWindowCreation)->Unit(benchmark::kMillisecond);

void BM_MenuPageChange(benchmark::State& state)
{
    bench::ProgramFolder folder{"mainform", {"kj", "n", "l", "lm", "re"}};
    bench::BenchPlatform p(folder.exe());
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
    bench::ProgramFolder folder{"mainform", {"kj", "n", "l", "lm", "re"}};
    bench::BenchPlatform p(folder.exe());
    TMainForm form;
    form.SetMediaFolder();
    for (auto _ : state)
        form.PlayLessonSound("kj");
    state.counters["plays"] = static_cast<double>(p.plays);
}
BENCHMARK(BM_PlayLessonSound)->Unit(benchmark::kMicrosecond);

// What the sound card does with a PLAY before mixing: decode the WAV and
// convert it to the output's rate and channels.
void BM_DecodeSoundForPlay(benchmark::State& state)
{
    QFile f(QCoreApplication::applicationDirPath() + "/mainform/kj.dat");
    if (!f.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no generated kj.dat");
        return;
    }
    const QByteArray bytes = f.readAll();
    const std::string data(bytes.constData(), static_cast<size_t>(bytes.size()));
    for (auto _ : state) {
        platform::Pcm pcm;
        platform::decodeWav(data, pcm);
        benchmark::DoNotOptimize(platform::convertPcm(pcm, 44100, 2));
    }
}
BENCHMARK(BM_DecodeSoundForPlay)->Unit(benchmark::kMicrosecond);

void BM_DecodeIcon(benchmark::State& state)
{
    const auto bytes = platform::embeddedResource(QStringLiteral("MAINFORMT001"), platform::ResourceKind::Picture);
    if (!bytes) {
        state.SkipWithError("no embedded icons");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::decodePicture(*bytes));
}
BENCHMARK(BM_DecodeIcon)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::RunOffscreen(argc, argv);
}
