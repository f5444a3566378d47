// The card lessons' speed: one page change of the appliance cards (ten
// 140 by 140 pictures decoded from the resources, nothing cached) and one
// card click up to the sound device's play call.
#include "lessons/cards/form_SeeJiaYongDianQi.h"
#include "platform/media_control.h"
#include "platform/pictures.h"
#include "platform/platform.h"
#include "platform/widgets.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

// Plays into a counter; the rest of the system is real renames and nothing.
class CardBenchPlatform : public platform::Platform, private platform::AudioDevice {
public:
    explicit CardBenchPlatform(std::string exe) : exe_(std::move(exe)), previous_(platform::install(this)) {}
    ~CardBenchPlatform() override { platform::install(previous_); }
    uint64_t plays = 0;

    bool moveFile(const std::string& a, const std::string& b) override { return platform::real().moveFile(a, b); }
    int mciSendString(const std::string& c) override { return mci_.send(c); }
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
    uint64_t start(const std::shared_ptr<const std::string>&) override { return ++plays; }
    void stop(uint64_t) override {}

    std::string exe_;
    platform::Platform* previous_;
    platform::MediaInterpreter mci_{this};
};

// The appliance pictures: the embedded ones when the program's content is
// linked in, otherwise 140 by 140 bitmaps served as resources.
class AppliancePictures {
public:
    AppliancePictures()
    {
        try {
            platform::loadPictureResource("JDT001");
            return;
        } catch (const std::exception&) {
        }
        for (int n = 1; n <= 30; ++n) {
            QImage img(140, 140, QImage::Format_RGB32);
            img.fill(QColor::fromHsv(n * 11, 180, 220));
            char name[8];
            std::snprintf(name, sizeof name, "JDT%03d", n);
            bmps_[QString::fromLatin1(name)] = platform::encodeBmp24(img);
        }
        platform::setResourceSource([this](const QString& upper, platform::ResourceKind) -> std::optional<QByteArray> {
            auto it = bmps_.find(upper);
            return it == bmps_.end() ? std::nullopt : std::optional<QByteArray>(it->second);
        });
    }
    ~AppliancePictures()
    {
        if (!bmps_.empty())
            platform::setResourceSource({});
    }

private:
    std::map<QString, QByteArray> bmps_;
};

// A program folder whose "jiad" media folder holds the card sounds: the
// build's own when it has them, otherwise short generated ones.
struct ProgramFolder {
    QTemporaryDir tmp;
    std::string exe;
    ProgramFolder()
    {
        const QString bin = QCoreApplication::applicationDirPath();
        if (QFile::exists(bin + "/jiad/001.dat")) {
            exe = (bin + "/qinghe").toStdString();
            return;
        }
        QDir().mkpath(tmp.path() + "/jiad");
        for (const char* name : {"st", "n", "l", "001"}) {
            QFile f(tmp.path() + "/jiad/" + name + ".dat");
            f.open(QIODevice::WriteOnly);
            f.write(QByteArray("RIFF") + QByteArray(40000, '\0'));
        }
        exe = (tmp.path() + "/qinghe").toStdString();
    }
};

// An appliance lesson open on page 0, with its sounds and pictures.
struct OpenLesson {
    ProgramFolder folder;
    CardBenchPlatform platform{folder.exe};
    AppliancePictures pictures;
    TFM_SeeJiaYongDianQi screen;
    OpenLesson() { screen.Create(); }
};

void BM_CardPageChange(benchmark::State& state)
{
    OpenLesson lesson;
    bool forward = true;
    for (auto _ : state) {
        if (forward)
            lesson.screen.btn_nextpageClick();
        else
            lesson.screen.btn_lastpageClick();
        forward = !forward;
    }
    auto* last = lesson.screen.findChild<platform::TImage*>("imgb5");
    state.counters["pictures_shown"] = last && last->hasPicture() ? 10 : 0;
}
BENCHMARK(BM_CardPageChange)->Unit(benchmark::kMicrosecond);

void BM_CardClickToPlay(benchmark::State& state)
{
    OpenLesson lesson;
    auto* card = lesson.screen.findChild<platform::TSpeedButton*>("btn_a1");
    const uint64_t before = lesson.platform.plays;
    for (auto _ : state)
        card->click();
    state.counters["plays_per_click"] = static_cast<double>(lesson.platform.plays - before) /
                                        static_cast<double>(state.iterations());
}
BENCHMARK(BM_CardClickToPlay)->Unit(benchmark::kMicrosecond);

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
