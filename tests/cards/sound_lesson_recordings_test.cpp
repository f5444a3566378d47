// The sound lesson "闻声识物" plays the sounds of the pictured things: every
// card declares its recording (or is a named voice imitation), every built
// file is 1 to 4 seconds in the common format at the voices' loudness, and
// each made sound shows in its spectrum and envelope what it is.
#include "lessons/cards/cards.h"
#include "tests/support/sound_analysis.h"
#include "tools/content_gen/recordings.h"
#include "tools/content_gen/voices.h"

#include <QCoreApplication>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace testing_support;

namespace {

constexpr const char* kFolder = "tdongw\\";

// What each card plays: a recording, or nullptr where a voice imitates the thing.
// clang-format off
const std::pair<const char*, const char*> kCards[] = {
    {"001", "dog"}, {"002", "cat"}, {"003", "tiger"}, {"004", "horse"}, {"005", "frog"},
    {"006", "cicada"}, {"007", "goat"}, {"008", "pig"}, {"009", "cow"}, {"010", "cuckoo"},
    {"011", "rooster"}, {"012", "duck"}, {"013", "train"}, {"014", "wolf"}, {"015", "firecrackers"},
    {"016", "snoring"}, {"017", "clapping"}, {"018", "car_horn"}, {"019", "telephone"}, {"020", "baby_cry"},
};
// clang-format on

// The loudness band of the lesson's files, spoken or recorded: the RMS level
// of the voices lies in it, and so must every recording's.
constexpr double kQuietestRmsDb = -22.0;
constexpr double kLoudestRmsDb = -15.0;

std::string builtFile(const std::string& name)
{
    return QCoreApplication::applicationDirPath().toStdString() + "/tdongw/" + name + ".dat";
}

std::map<std::string, content::Sound> declared()
{
    content::Manifest m;
    cards::addPagedCardContent(m);
    std::map<std::string, content::Sound> sounds;
    for (const content::Sound& s : m.sounds)
        if (s.folder == kFolder)
            sounds[s.name] = s;
    return sounds;
}

TEST(SoundLessonRecordings, EveryCardPlaysItsThingsRecordingOrANamedImitation)
{
    const auto sounds = declared();
    for (const auto& [card, recording] : kCards) {
        SCOPED_TRACE(card);
        ASSERT_EQ(sounds.count(card), 1u);
        EXPECT_EQ(sounds.at(card).recording, recording ? recording : "");
        if (recording) {
            EXPECT_NE(gen::findRecording(recording), nullptr);
        }
    }
    for (const gen::Recording& r : gen::recordings()) {
        EXPECT_TRUE(
            std::any_of(std::begin(kCards), std::end(kCards), [&](auto& c) { return c.second && r.name == c.second; }))
            << "no card plays " << r.name;
    }
    for (const auto& [name, sound] : sounds) {
        if (name != "st" && name != "n" && name != "l") {
            EXPECT_TRUE(std::any_of(std::begin(kCards), std::end(kCards), [&](auto& c) { return name == c.first; }))
                << name << " is not a card of the lesson";
        }
    }
}

TEST(SoundLessonRecordings, EveryFileIsOneToFourSecondsInTheCommonFormatAtTheVoicesLoudness)
{
    std::vector<std::string> names = {"st", "n", "l"};  // the lesson's speech: the band's reference
    for (const auto& card : kCards)
        names.push_back(card.first);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        platform::WavInfo info;
        const Sound s = ReadSound(builtFile(name), &info);
        ASSERT_FALSE(s.x.empty()) << "not a WAV: " << builtFile(name);
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.sampleRate, gen::kSampleRate);
        EXPECT_EQ(info.bits, 16);
        EXPECT_FALSE(info.isFloat);
        if (name.size() == 3) {
            EXPECT_GE(s.seconds(), 1.0);
            EXPECT_LE(s.seconds(), 4.0);
        }
        EXPECT_EQ(std::count_if(s.x.begin(), s.x.end(), [](double v) { return std::abs(v) >= 32767 / 32768.0; }), 0)
            << "clipped";
        EXPECT_LE(PeakDb(s), gen::kRecordingPeakDb + 0.05);
        EXPECT_GE(RmsDb(s), kQuietestRmsDb);
        EXPECT_LE(RmsDb(s), kLoudestRmsDb);
    }
}

// Frames of `ms` milliseconds over [from, to) seconds, as (first sample, length).
std::vector<std::pair<size_t, size_t>> frames(const Sound& s, double from, double to, double ms)
{
    std::vector<std::pair<size_t, size_t>> out;
    const size_t n = size_t(s.rate * ms / 1000);
    for (size_t i = s.at(from); i + n <= s.at(to); i += n)
        out.push_back({i, n});
    return out;
}

// The seconds a burst of an envelope of `ms` frames covers.
std::pair<double, double> span(const Burst& b, double ms)
{
    return {b.first * ms / 1000, (b.last + 1) * ms / 1000};
}

// Two tones taking turns 20 times a second, in four rings of a third of a second.
void telephoneRings(const Sound& s)
{
    const auto rings = Bursts(Envelope(s, 10), 20);
    ASSERT_EQ(rings.size(), 4u);
    for (const Burst& ring : rings) {
        EXPECT_NEAR(ring.frames() * 0.01, 0.35, 0.05);
        int low = 0, high = 0, count = 0;
        const auto [from, to] = span(ring, 10);
        for (const auto& [at, n] : frames(s, from + 0.02, to - 0.02, 10)) {
            const double a = ToneDb(s, at, n, 1250), b = ToneDb(s, at, n, 1550), off = ToneDb(s, at, n, 900);
            low += a > b + 10 && a > off + 20;
            high += b > a + 10 && b > off + 20;
            ++count;
        }
        EXPECT_GE(low, count / 4) << "1250 Hz leads in " << low << " of " << count;
        EXPECT_GE(high, count / 4) << "1550 Hz leads in " << high << " of " << count;
    }
}

// Two notes sounded together at a steady pitch: beep beep, beep beep.
void hornBeeps(const Sound& s)
{
    const auto beeps = Bursts(Envelope(s, 10), 20);
    ASSERT_EQ(beeps.size(), 4u);
    for (const Burst& beep : beeps) {
        const auto [from, to] = span(beep, 10);
        for (const auto& [at, n] : frames(s, from + 0.03, to - 0.03, 40)) {
            EXPECT_EQ(StrongestHz(s, at, n, 300, 480, 5), 415);
            EXPECT_EQ(StrongestHz(s, at, n, 480, 700, 5), 520);
            EXPECT_GT(ToneDb(s, at, n, 520), ToneDb(s, at, n, 467) + 20);
        }
    }
}

// Short bursts of noise from low to high frequencies, four and a half a second.
void clappingBursts(const Sound& s)
{
    const auto claps = Bursts(Envelope(s, 10), 20);
    EXPECT_GE(claps.size(), 9u);
    EXPECT_LE(claps.size(), 13u);
    for (size_t i = 0; i < claps.size(); ++i) {
        const Burst& clap = claps[i];
        EXPECT_LE(clap.frames(), 12u) << "a clap is short";
        if (i > 0) {
            EXPECT_GE(clap.first - claps[i - 1].last, 7u) << "quiet between claps";
        }
        const auto [from, to] = span(clap, 10);
        const size_t at = s.at(from), n = s.at(to) - at;
        const double middle = BandDb(s, at, n, 1000, 2000);
        for (const double low : {300.0, 4000.0, 6000.0})
            EXPECT_GT(BandDb(s, at, n, low, low + 1000), middle - 20) << low << " Hz and up are missing from a clap";
    }
}

// A buzz between 4 and 6 kHz with nothing low, swelling four times.
void cicadaBuzz(const Sound& s)
{
    EXPECT_EQ(Bursts(Envelope(s, 20), 15, 2).size(), 4u);
    const auto [at, n] = std::pair{s.at(0.2), s.at(0.6) - s.at(0.2)};
    const double buzz = BandDb(s, at, n, 4000, 6000);
    EXPECT_GT(buzz, BandDb(s, at, n, 100, 2000) + 30);
    EXPECT_GT(buzz, BandDb(s, at, n, 7000, 9000) + 30);
}

// A whistle's three tones in the first second, then chuffs.
void trainWhistleAndChuffs(const Sound& s)
{
    const auto [at, n] = std::pair{s.at(0.3), s.at(0.9) - s.at(0.3)};
    for (const double hz : {587.0, 740.0, 880.0})
        EXPECT_GT(ToneDb(s, at, n, hz), ToneDb(s, at, n, hz * 0.92) + 20) << hz;
    const Sound after{s.rate, std::vector<double>(s.x.begin() + long(s.at(1.3)), s.x.end())};
    const size_t chuffs = Bursts(Envelope(after, 20), 10).size();
    EXPECT_GE(chuffs, 7u);
    EXPECT_LE(chuffs, 11u);
}

// A long tone rising to about 560 Hz and falling again, with harmonics.
void wolfHowl(const Sound& s)
{
    const auto pitch = [&](double second) {
        return StrongestHz(s, s.at(second - 0.1), s.at(second + 0.1) - s.at(second - 0.1), 250, 700, 5);
    };
    EXPECT_LT(pitch(0.3), 420);
    EXPECT_NEAR(pitch(1.2), 560, 25);
    EXPECT_LT(pitch(2.5), 450);
    const auto [at, n] = std::pair{s.at(1.0), s.at(1.4) - s.at(1.0)};
    EXPECT_GT(ToneDb(s, at, n, 2 * pitch(1.2)), ToneDb(s, at, n, 1.5 * pitch(1.2)) + 10) << "a second harmonic";
}

// Many sharp cracks, from low to high frequencies, at no steady rhythm.
void firecrackerCrackle(const Sound& s)
{
    const std::vector<double> env = Envelope(s, 5);
    const auto cracks = Bursts(env, 12);
    EXPECT_GE(cracks.size(), 40u);
    std::vector<size_t> gaps;
    size_t sharp = 0;
    for (size_t i = 1; i < cracks.size(); ++i) {
        gaps.push_back(cracks[i].first - cracks[i - 1].first);
        sharp += env[cracks[i].first] > env[cracks[i].first - 1] + 8;
    }
    EXPECT_GE(sharp, cracks.size() * 6 / 10) << "cracks start at once";
    std::sort(gaps.begin(), gaps.end());
    EXPECT_GE(gaps[gaps.size() * 9 / 10], 2 * gaps[gaps.size() / 10]) << "no steady rhythm";
    const size_t at = s.at(0.3), n = s.at(2.3) - at;
    EXPECT_GT(BandDb(s, at, n, 5000, 8000), BandDb(s, at, n, 500, 3500) - 10) << "broadband";
}

// Breathing in low and rough, out soft and higher, twice.
void snoringBreaths(const Sound& s)
{
    const auto breaths = Bursts(Envelope(s, 50), 25);
    ASSERT_EQ(breaths.size(), 4u);
    for (size_t i = 0; i < breaths.size(); ++i) {
        const auto [from, to] = span(breaths[i], 50);
        const size_t at = s.at(from), n = s.at(to) - at;
        const double low = BandDb(s, at, n, 50, 400), high = BandDb(s, at, n, 1000, 2400);
        if (i % 2 == 0)
            EXPECT_GT(low, high + 10) << "in, breath " << i;
        else
            EXPECT_GT(high, low) << "out, breath " << i;
    }
}

// Three cries with a voice of 400 to 500 Hz that falls at each end.
void babyCries(const Sound& s)
{
    const auto cries = Bursts(Envelope(s, 20), 20);
    ASSERT_EQ(cries.size(), 3u);
    for (const Burst& cry : cries) {
        const auto [from, to] = span(cry, 20);
        const auto pitch = [&](double second) {
            return StrongestHz(s, s.at(second - 0.06), s.at(second + 0.06) - s.at(second - 0.06), 300, 650, 5);
        };
        const double middle = pitch(from + 0.25);
        EXPECT_GE(middle, 400);
        EXPECT_LE(middle, 540);
        EXPECT_LT(pitch(to - 0.12), middle - 30) << "falls at the end";
    }
}

struct MadeSound {
    const char* card;
    const char* what;
    std::function<void(const Sound&)> check;
};

const MadeSound kMadeSounds[] = {
    {"006", "cicada", cicadaBuzz},      {"013", "train", trainWhistleAndChuffs},
    {"014", "wolf", wolfHowl},          {"015", "firecrackers", firecrackerCrackle},
    {"016", "snoring", snoringBreaths}, {"017", "clapping", clappingBursts},
    {"018", "car horn", hornBeeps},     {"019", "telephone", telephoneRings},
    {"020", "baby's cry", babyCries},
};

TEST(SoundLessonRecordings, EachMadeSoundShowsWhatItIs)
{
    for (const MadeSound& m : kMadeSounds) {
        SCOPED_TRACE(std::string(m.card) + " " + m.what);
        const Sound s = ReadSound(builtFile(m.card));
        ASSERT_FALSE(s.x.empty());
        m.check(s);
    }
}

// A check that passes a sound it is not about proves nothing: each one
// refuses every other sound of the lesson, spoken or recorded.
TEST(SoundLessonRecordings, EachCheckRefusesTheLessonsOtherSounds)
{
    std::vector<std::string> others = {"st", "n", "l"};
    for (const auto& card : kCards)
        others.push_back(card.first);
    for (const MadeSound& m : kMadeSounds)
        for (const std::string& other : others) {
            if (other == m.card)
                continue;
            const Sound s = ReadSound(builtFile(other));
            ::testing::TestPartResultArray failures;
            {
                const ::testing::ScopedFakeTestPartResultReporter catcher(
                    ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
                m.check(s);
            }
            EXPECT_GT(failures.size(), 0) << "the " << m.what << " check passes " << other;
        }
}

TEST(SoundLessonRecordings, EveryMadeSoundIsChecked)
{
    for (const auto& [card, recording] : kCards) {
        const gen::Recording* r = recording ? gen::findRecording(recording) : nullptr;
        if (r && r->source.empty()) {
            EXPECT_TRUE(std::any_of(std::begin(kMadeSounds), std::end(kMadeSounds),
                                    [&](const MadeSound& m) { return std::string(m.card) == card; }))
                << card << " (" << recording << ") is made but nothing checks how it sounds";
        }
    }
}

}  // namespace
