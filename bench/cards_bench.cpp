// The card lessons' speed: one page change of the appliance cards (ten
// 140 by 140 pictures through the picture cache, which keeps the pages seen
// last) and one card click up to the sound device's play call.
#include "bench/bench_support.h"
#include "lesson_frame/lesson_registry.h"
#include "lessons/cards/cards.h"
#include "lessons/cards/picture_card_lesson.h"
#include "platform/pictures.h"
#include "platform/widgets.h"
#include "tools/content_gen/picture_writers.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

namespace {

// The appliance pictures: the embedded ones when the program's content is
// linked in, otherwise 140 by 140 bitmaps served as resources.
class AppliancePictures {
public:
    AppliancePictures()
    {
        try {
            platform::loadPictureResource("JDT001");
            return;
        } catch (const std::exception&) {}
        for (int n = 1; n <= 30; ++n) {
            QImage img(140, 140, QImage::Format_RGB32);
            img.fill(QColor::fromHsv(n * 11, 180, 220));
            char name[8];
            std::snprintf(name, sizeof name, "JDT%03d", n);
            bmps_[QString::fromLatin1(name)] = gen::encodeBmp24(img);
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

// An appliance lesson open on page 0, with its sounds and pictures.
struct OpenLesson {
    bench::ProgramFolder folder{"jiad", {"001", "st", "n", "l"}};
    bench::BenchPlatform platform{folder.exe()};
    AppliancePictures pictures;
    std::unique_ptr<frame::LessonScreen> created{[] {
        cards::RegisterPagedCardLessons();
        return (*frame::FindLesson("TFM_SeeJiaYongDianQi"))();
    }()};
    cards::PictureCardLesson& screen = static_cast<cards::PictureCardLesson&>(*created);
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
    state.counters["plays_per_click"] =
        static_cast<double>(lesson.platform.plays - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_CardClickToPlay)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return bench::RunOffscreen(argc, argv);
}
