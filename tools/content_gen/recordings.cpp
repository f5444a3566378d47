#include "tools/content_gen/recordings.h"

#include "platform/media_control.h"
#include "tools/content_gen/plan.h"
#include "tools/content_gen/voices.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace gen {

namespace fs = std::filesystem;

namespace {

// The vibrato of the wolf's held note, as pitch bends: swings of 50 cents,
// five a second.
constexpr const char* kHowlVibrato =
    "0,25,0.05 0,-50,0.1 0,50,0.1 0,-50,0.1 0,50,0.1 0,-50,0.1 0,50,0.1 0,-50,0.1 0,50,0.1 0,-50,0.1 0,50,0.1 "
    "0,-25,0.05";

// The recordings, cut so that each lasts 1 to 4 seconds. A short call is
// heard twice ("pad G repeat 1 trim G" puts a gap of G between the two).
// The made sounds are mixed from their parts; noise is the same on every run
// (sox -R).
// clang-format off
const Recording kRecordings[] = {
    {.name = "dog", .source = "animals/mammals/dogs/dog.ogg", .effects = "fade t 0.005 0 0.06 pad 0.35 repeat 1 trim 0.35"},
    {.name = "cat", .source = "seasonal/halloween/blackcat.ogg", .effects = "trim 0.15 1.25 fade t 0.05 0 0.15"},
    {.name = "tiger", .source = "animals/mammals/cats/tiger.ogg", .effects = "trim 1.2 3 fade t 0.05 0 0.4"},
    {.name = "horse", .source = "animals/mammals/equines/horse.ogg", .effects = "trim 0.45 1.45 fade t 0.03 0 0.1"},
    {.name = "frog", .source = "animals/amphibians/frog.ogg", .effects = "fade t 0.02 0 0.06"},
    {.name = "goat", .source = "animals/mammals/bovines/goat.ogg", .effects = "fade t 0.01 0 0.08 pad 0.25 repeat 1 trim 0.25"},
    {.name = "pig", .source = "animals/mammals/pig.ogg", .effects = "fade t 0.005 0 0.03 pad 0.3 repeat 1 trim 0.3"},
    {.name = "cow", .source = "animals/mammals/bovines/cow.ogg", .effects = "fade t 0.05 0 0.1"},
    {.name = "cuckoo", .source = "animals/birds/cuckoo.ogg",
     .effects = "trim 0.1 0.75 highpass 250 fade t 0.02 0 0.05 pad 0.3 repeat 1 trim 0.3"},
    {.name = "rooster", .source = "animals/birds/rooster.ogg", .effects = "fade t 0.02 0 0.1"},
    {.name = "duck", .source = "animals/birds/duck.ogg", .effects = "trim 0.05 2.45 fade t 0.02 0 0.05"},
    // A buzz of 4 to 6 kHz pulsed 115 times a second, swelling and fading.
    {.name = "cicada",
     .parts = {"synth 2.6 whitenoise synth exp amod 115 0 0 20 10 synth sine amod 1.5 0 75 sinc 3800-6200 gain -3 "
               "fade h 0.25 2.6 0.4"}},
    // A steam whistle's chord, then the chuffs of the engine, every other one stronger.
    {.name = "train",
     .parts = {"synth 1.1 sawtooth 587 gain -18 fade q 0.06 1.1 0.25 lowpass 2500",
               "synth 1.1 sawtooth 740 gain -20 fade q 0.06 1.1 0.25 lowpass 2500",
               "synth 1.1 sawtooth 880 gain -21 fade q 0.06 1.1 0.25 lowpass 2500",
               "synth 3.2 pinknoise synth exp amod 4.6 0 0 20 10 synth exp amod 2.3 0 0 20 3 sinc 200-4000 "
               "fade q 0.3 3.2 0.4"},
     .effects = "reverb 20 50 30 fade q 0.01 3.2 0.1"},
    // A howl: rising from 320 to 560 Hz, held with vibrato, falling away; a little breath.
    {.name = "wolf",
     .parts = {std::string("synth 2.7 sawtooth 320 gain -12 lowpass 650 lowpass 900 bend -f 50 0.05,970,0.6 ") +
                   kHowlVibrato + " 0,-150,0.2 0,-650,0.6 fade h 0.3 2.7 0.6",
               "synth 2.7 pinknoise gain -30 sinc 400-3000 fade h 0.3 2.7 0.6"},
     .effects = "reverb 40 50 60 gain -3"},
    // Five strings of sharp cracks at rates that never line up: an irregular crackle.
    {.name = "firecrackers",
     .parts = {"synth 2.6 whitenoise synth exp amod 7.3 0 0 1 50 synth exp amod 7.3 0 0 1 50",
               "synth 2.6 whitenoise synth exp amod 9.7 0 30 1 50 synth exp amod 9.7 0 30 1 50 gain -4",
               "synth 2.6 whitenoise synth exp amod 12.9 0 60 1 50 synth exp amod 12.9 0 60 1 50 gain -2",
               "synth 2.6 whitenoise synth exp amod 16.1 0 15 1 50 synth exp amod 16.1 0 15 1 50 synth sine amod 0.7 0 0",
               "synth 2.6 whitenoise synth exp amod 5.3 0 45 1 50 synth exp amod 5.3 0 45 1 50"},
     .effects = "gain -3 overdrive 12 sinc 200-9500 reverb 30 50 45 fade q 0.01 2.6 0.2"},
    // Breathing in with a low rasp (the throat fluttering 36 times a second), out with a soft breath; twice.
    {.name = "snoring",
     .parts = {"synth 0.85 pinknoise synth exp amod 36 0 0 20 8 synth 0.85 sawtooth mix 36 gain -12 sinc 60-1500 "
               "lowpass 1000 fade h 0.35 0.85 0.25",
               "synth 0.65 pinknoise gain -13 sinc 250-2500 fade h 0.15 0.65 0.4 pad 0.9"},
     .effects = "gain -3 pad 0 0.15 repeat 1 trim 0 3.25"},
    // Three pairs of hands clapping together, four and a half times a second.
    {.name = "clapping",
     .parts = {"synth 0.035 whitenoise gain -8 fade t 0.0005 0.035 0.034 sinc 600-7000 equalizer 1300 1q 8",
               "synth 0.035 whitenoise gain -8 fade t 0.0005 0.035 0.034 sinc 500-6000 equalizer 1000 1q 8 pad 0.009",
               "synth 0.05 whitenoise gain -8 fade t 0.0005 0.05 0.049 sinc 700-8000 equalizer 1800 1q 8 pad 0.017"},
     .effects = "pad 0 0.15 repeat 10 reverb 30 50 25"},
    // A horn's two notes (415 and 520 Hz) sounded together: beep beep, beep beep.
    {.name = "car_horn",
     .parts = {"synth 0.32 sawtooth 415", "synth 0.32 sawtooth 520"},
     .effects = "gain -6 lowpass 2600 lowpass 3500 overdrive 8 fade h 0.015 0 0.03 pad 0 0.12 repeat 1 pad 0 0.5 "
                "repeat 1 trim 0 2.15"},
    // A ringer's two tones (1250 and 1550 Hz) taking turns 20 times a second: ring ring, ring ring.
    {.name = "telephone",
     .parts = {"synth 0.35 sine 1250 synth trapezium amod 20 0 0 6 44 50",
               "synth 0.35 sine 1550 synth trapezium amod 20 0 50 6 44 50"},
     .effects = "fade q 0.005 0 0.01 pad 0 0.15 repeat 1 pad 0 0.45 repeat 1 trim 0 2.45"},
    // Three cries "waa" of 400 to 500 Hz, each rising a little and falling, through the formants of an open mouth.
    {.name = "baby_cry",
     .parts = {"synth 0.7 sawtooth 420 gain -8 bend -f 50 0,300,0.1 0.1,-500,0.45 fade h 0.07 0.7 0.3",
               "synth 0.8 sawtooth 450 gain -8 bend -f 50 0,300,0.1 0.15,-550,0.5 fade h 0.07 0.8 0.3 pad 0.85",
               "synth 0.9 sawtooth 440 gain -8 bend -f 50 0,320,0.1 0.15,-700,0.6 fade h 0.07 0.9 0.4 pad 1.8"},
     .effects = "gain -16 highpass 350 equalizer 1150 1.5q 16 equalizer 2700 2q 14 equalizer 4200 3q 6 lowpass 5500"},
};
// clang-format on

// The blank-separated words of text, after what `to` holds.
void append(std::vector<std::string>& to, const std::string& text)
{
    std::istringstream in(text);
    for (std::string w; in >> w;)
        to.push_back(w);
}

// The voices' format, mono 16-bit WAV at the common rate, for the output path.
void appendCommonFormat(std::vector<std::string>& to, const std::string& path)
{
    const std::vector<std::string> format = soxOut(path);
    to.insert(to.end(), format.begin(), format.end());
}

// Runs sox without dither and with repeatable noise; a clipped sample fails
// the recording as much as a failed command does.
void sox(const content::Sound& sound, const Recording& recording, std::vector<std::string> args)
{
    args.insert(args.begin(), {"sox", "-D", "-R"});
    const std::string who = describe(sound) + ", recording \"" + recording.name + "\"";
    const std::string log = runOrThrow(args, who);
    if (log.find("clipped") != std::string::npos)
        throw ContentError(who + ": \"" + commandLine(args) + "\" clipped:\n" + log);
}

struct Levels {
    double peakDb = -200;
    double rmsDb = -200;
};

Levels measure(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    platform::Pcm pcm;
    Levels l;
    if (!platform::decodeWav(bytes, pcm) || pcm.empty())
        return l;
    double sum = 0;
    int peak = 0;
    for (const int16_t s : pcm.samples) {
        sum += double(s) * s;
        peak = std::max(peak, std::abs(int(s)));
    }
    if (peak > 0) {
        l.peakDb = 20 * std::log10(peak / 32768.0);
        l.rmsDb = 10 * std::log10(sum / double(pcm.samples.size()) / (32768.0 * 32768.0));
    }
    return l;
}

}  // namespace

std::span<const Recording> recordings()
{
    return kRecordings;
}

const Recording* findRecording(const std::string& name)
{
    for (const Recording& r : kRecordings)
        if (r.name == name)
            return &r;
    return nullptr;
}

void record(const Recording& recording, const content::Sound& sound, const std::string& stem,
            const std::string& outPath)
{
    std::vector<std::string> scratch;
    const auto cleanUp = [&] {
        for (const std::string& f : scratch) {
            std::error_code ec;
            fs::remove(f, ec);
        }
    };
    try {
        const std::string cutFile = stem + ".cut.wav";
        std::vector<std::string> cut;
        if (!recording.source.empty()) {
            const std::string source = std::string(kStampSoundFolder) + recording.source;
            if (!fs::is_regular_file(source))
                throw ContentError(describe(sound) + ", recording \"" + recording.name + "\": its source " + source +
                                   " is missing (Debian package " + kStampSoundPackage + ")");
            // The stamp sounds peak at full scale: room for resampling.
            cut = {source};
            appendCommonFormat(cut, cutFile);
            append(cut, "gain -3");
        } else {
            if (recording.parts.size() > 1)
                cut.push_back("-m");
            for (size_t i = 0; i < recording.parts.size(); ++i) {
                const std::string part = stem + ".part" + std::to_string(i) + ".wav";
                scratch.push_back(part);
                std::vector<std::string> make = {"-r", std::to_string(kSampleRate), "-c", "1", "-n"};
                appendCommonFormat(make, part);
                append(make, recording.parts[i]);
                sox(sound, recording, make);
                cut.push_back(part);
            }
            appendCommonFormat(cut, cutFile);
        }
        scratch.push_back(cutFile);
        append(cut, recording.effects);
        append(cut, "pad 0.05 0.15");  // the voices' silence before and after
        sox(sound, recording, cut);

        const Levels l = measure(cutFile);
        if (l.peakDb < -90)
            throw ContentError(describe(sound) + ", recording \"" + recording.name + "\": silent");
        char gain[32];
        std::snprintf(gain, sizeof gain, "%.2f", std::min(kRecordingRmsDb - l.rmsDb, kRecordingPeakDb - l.peakDb));
        const std::string part = outPath + ".part";
        scratch.push_back(part);
        std::vector<std::string> finish = {cutFile};
        appendCommonFormat(finish, part);
        finish.insert(finish.end(), {"gain", gain});
        fs::create_directories(fs::path(outPath).parent_path());
        sox(sound, recording, finish);
        fs::rename(part, outPath);
    } catch (...) {
        cleanUp();
        throw;
    }
    cleanUp();
}

void makeRecording(const content::Sound& sound, const std::string& stem, const std::string& outPath)
{
    const Recording* recording = findRecording(sound.recording);
    if (!recording)
        throw ContentError(describe(sound) + ": no recording is called \"" + sound.recording + "\"");
    record(*recording, sound, stem, outPath);
}

}  // namespace gen
