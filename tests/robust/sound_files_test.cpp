// Malformed, oversized and low-rate recordings played through the frame's
// player into the real mixing code: the file always gets its ".dat" name
// back, nothing escapes a handler, memory stays near the file's size, and a
// sound that cannot be played plays nothing.
#include "lesson_frame/lesson_screen.h"
#include "platform/audio_device.h"
#include "platform/media_control.h"
#include "tests/support/recording_platform.h"
#include "tests/support/wav_bytes.h"
#include "tests/support/process_memory.h"

#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

using namespace platform;
using testing_support::le;
using testing_support::MediaFixture;
using testing_support::RecordingPlatform;
using testing_support::wav;
using testing_support::wavHeader;

namespace {

std::string floats(std::initializer_list<float> values, size_t repeat)
{
    std::string s;
    for (size_t r = 0; r < repeat; ++r)
        for (float f : values) {
            char b[4];
            std::memcpy(b, &f, 4);
            s.append(b, 4);
        }
    return s;
}

using testing_support::ResidentKb;

// The real platform's renames and a media interpreter over the real mixer
// (without a sound card), recorded like the double records.
class MixingPlatform : public RecordingPlatform {
public:
    Mixer mixer;
    MediaInterpreter mci{&mixer};
    bool throwOnOpen = false;

    MixingPlatform() { mixer.setFormat(44100, 2, false); }
    int mciSendString(const std::string& command) override
    {
        RecordingPlatform::mciSendString(command);
        if (throwOnOpen && command.rfind("OPEN ", 0) == 0)
            throw std::bad_alloc();
        return mci.send(command);
    }
    // Plays the mix to its end (or `maxSeconds`); returns the largest sample.
    int drain(double maxSeconds, long* peakGrowthKb = nullptr)
    {
        std::vector<char> buf(44100 / 10 * 2 * 2);  // 100 ms
        const long before = ResidentKb();
        int loudest = 0;
        for (int i = 0; i < maxSeconds * 10 && !mixer.idle(); ++i) {
            mixer.mix(buf.data(), static_cast<int64_t>(buf.size()));
            const auto* s = reinterpret_cast<const int16_t*>(buf.data());
            for (size_t k = 0; k < buf.size() / 2; ++k)
                loudest = std::max(loudest, std::abs(static_cast<int>(s[k])));
            if (peakGrowthKb && i % 50 == 0)
                *peakGrowthKb = std::max(*peakGrowthKb, ResidentKb() - before);
        }
        return loudest;
    }
};

class SoundFiles : public ::testing::Test {
protected:
    SoundFiles() : media(platform) { screen.SetMediaFolder(); }
    std::string folder() const { return screen.MediaFolder; }
    bool hasDat(const std::string& name) const
    {
        return QFile::exists(QString::fromStdString(folder() + name + ".dat"));
    }
    bool hasWav(const std::string& name) const
    {
        return QFile::exists(QString::fromStdString(folder() + name + ".wav"));
    }
    // A sparse file of `size` bytes that starts with `head`.
    void addSparse(const std::string& name, const std::string& head, off_t size)
    {
        const std::string path = media.addSound("yanse\\", name, head);
        ASSERT_EQ(::truncate(path.c_str(), size), 0);
    }

    MixingPlatform platform;
    MediaFixture media;
    frame::LessonScreen screen{frame::ScreenSettings("TFM_SeeColor")};
};

TEST_F(SoundFiles, DamagedAndOversizedFilesPlayNothingAndKeepTheirName)
{
    std::mt19937 rng(7);
    std::string random(1 << 20, '\0');
    for (char& c : random)
        c = static_cast<char>(rng());
    struct Case {
        const char* name;
        std::string head;
        off_t sparseSize;  // > 0: the file is that long, zeros after head
        bool plays;
    } cases[] = {
        {"empty", "", 0, false},
        {"header_only", wavHeader(22050, 1, 16, 0).substr(0, 36), 0, false},
        {"truncated", wavHeader(22050, 1, 16, 1 << 20) + std::string(100, '\x10'), 0, true},
        {"random", random, 0, false},
        {"riff_random", "RIFF" + le(1000, 4) + "WAVE" + random.substr(0, 4096), 0, false},
        {"no_format", "RIFF" + le(1000, 4) + "WAVEdata" + le(8, 4) + "12345678", 0, false},
        {"huge", wavHeader(22050, 1, 16, 0xFFFFFFF0u), off_t(kMaxSoundFileBytes) + 1, false},
        {"low_rate_long", wavHeader(1000, 1, 8, 0xFFFFFFF0u), 6 << 20, false},
        {"low_rate", wavHeader(1000, 1, 8, 20000) + std::string(20000, '\xF0'), 0, true},
        {"giant_chunk", "RIFF" + le(100, 4) + "WAVE" + "LIST" + le(0xFFFFFFFFu, 4) + "x", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.sparseSize > 0)
            addSparse(c.name, c.head, c.sparseSize);
        else
            media.addSound("yanse\\", c.name, c.head);
        EXPECT_NO_THROW(screen.PlayLessonSound(c.name));
        EXPECT_TRUE(hasDat(c.name));
        EXPECT_FALSE(hasWav(c.name));
        EXPECT_EQ(screen.CurrentSoundAlias, c.name);
        EXPECT_EQ(platform.mixer.voiceCount(), c.plays ? 1u : 0u);
        EXPECT_LE(platform.drain(30), c.plays ? 32767 : 0);
        EXPECT_TRUE(platform.mixer.idle());
    }
    screen.StopLessonSound();
}

TEST_F(SoundFiles, ALowRateRecordingIsConvertedWhilePlayingNotAtOnce)
{
    // Nine minutes at 1000 Hz, 8-bit: 540 kB of file, 95 MB once converted.
    const size_t frames = 540000;
    std::string samples(frames, '\0');
    for (size_t i = 0; i < frames; ++i)
        samples[i] = static_cast<char>(128 + ((i / 10) % 2 ? 100 : -100));
    media.addSound("yanse\\", "st", wav(1000, 1, 8, samples));
    const long before = ResidentKb();
    screen.PlayLessonSound("st");
    EXPECT_LT(ResidentKb() - before, 24 * 1024);
    EXPECT_TRUE(hasDat("st"));
    long growth = 0;
    EXPECT_GT(platform.drain(600, &growth), 20000);
    EXPECT_LT(growth, 24 * 1024) << "kB";  // converted at once it would take 95 MB
}

TEST_F(SoundFiles, NanAndInfiniteFloatSamples)
{
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    media.addSound("yanse\\", "nan", wav(44100, 2, 32, floats({nan, -nan}, 4410), 3));
    screen.PlayLessonSound("nan");
    EXPECT_EQ(platform.drain(1), 0);
    media.addSound("yanse\\", "inf", wav(44100, 2, 32, floats({inf, -inf}, 4410), 3));
    screen.PlayLessonSound("inf");
    EXPECT_GE(platform.drain(1), 32766);
    Pcm pcm;
    ASSERT_TRUE(decodeWav(wav(8000, 1, 32, floats({nan, 0.5f, -inf}, 1), 3), pcm));
    EXPECT_EQ(pcm.samples, (std::vector<int16_t>{0, 16383, -32767}));
}

TEST_F(SoundFiles, AFailureBetweenTheRenamesNeverLeavesTheWavName)
{
    media.addSound("yanse\\", "st", wav(22050, 1, 16, std::string(100, '\0')));
    platform.throwOnOpen = true;
    EXPECT_NO_THROW(screen.PlayLessonSound("st"));
    EXPECT_TRUE(hasDat("st"));
    EXPECT_FALSE(hasWav("st"));
    EXPECT_EQ(screen.CurrentSoundAlias, "st");
    EXPECT_EQ(platform.log.back(), testing_support::RenameLine(folder() + "st.wav", folder() + "st.dat"));
}

TEST(MediaInterpreterLimits, AFileOverTheLimitIsNotRead)
{
    RecordingPlatform rec;
    MediaFixture media(rec);
    const std::string path = media.addSound("mainform\\", "kj", "RIFF");
    ASSERT_EQ(::truncate(path.c_str(), off_t(kMaxSoundFileBytes) + 1), 0);
    Mixer mixer;
    MediaInterpreter mci(&mixer);
    const long before = ResidentKb();
    EXPECT_EQ(mci.send("OPEN " + path + " TYPE mpegvideo ALIAS kj"), MCIERR_INVALID_FILE);
    EXPECT_LT(ResidentKb() - before, 4 * 1024);
    EXPECT_FALSE(mci.isOpen("kj"));
    // Just under the limit opens (and, being silence of a valid header, plays).
    ASSERT_EQ(::truncate(path.c_str(), 0), 0);
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const std::string head = wavHeader(44100, 2, 16, 0xFFFFFFF0u);
    f.write(head.data(), static_cast<qint64>(head.size()));
    f.close();
    ASSERT_EQ(::truncate(path.c_str(), off_t(kMaxSoundFileBytes)), 0);
    EXPECT_EQ(mci.send("OPEN " + path + " TYPE mpegvideo ALIAS kj"), MCI_OK);
    EXPECT_EQ(mci.send("PLAY kj"), MCI_OK);
    EXPECT_EQ(mixer.voiceCount(), 1u);
    EXPECT_EQ(mci.send("CLOSE kj"), MCI_OK);
    EXPECT_TRUE(mixer.idle());
}

TEST(SoundStreamConversion, PiecesMatchTheWholeConversion)
{
    Pcm in;
    in.sampleRate = 22050;
    in.channels = 1;
    for (int i = 0; i < 5000; ++i)
        in.samples.push_back(static_cast<int16_t>((i * 37) % 20000 - 10000));
    const Pcm whole = convertPcm(in, 44100, 2);
    SoundStream stream(pcmSource(std::make_shared<Pcm>(in)), 44100, 2);
    ASSERT_EQ(stream.totalFrames() * 2, whole.samples.size());
    std::vector<int32_t> pieces(whole.samples.size());
    size_t at = 0;
    for (size_t n = 1; !stream.done(); n = n * 3 % 997 + 1)
        at += stream.mixInto(pieces.data() + at * 2, n);
    EXPECT_EQ(at, stream.totalFrames());
    EXPECT_TRUE(std::equal(pieces.begin(), pieces.end(), whole.samples.begin()));
}

}  // namespace

namespace {

// Sound inputs kept from fuzzing: decoded and mixed a little, never worse.
TEST(SoundFuzzInputs, RegressionCorpusPlaysOrIsRefused)
{
    int seen = 0;
    QDirIterator it(QString(QH_FUZZ_CORPUS) + "/fuzz_wav", QDir::Files);
    std::vector<char> buf(16384);
    while (it.hasNext()) {
        QFile f(it.next());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        Mixer mixer;
        mixer.setFormat(48000, 1, true);
        if (mixer.start(std::make_shared<const std::string>(data.constData(), static_cast<size_t>(data.size()))))
            for (int i = 0; i < 16 && !mixer.idle(); ++i)
                mixer.mix(buf.data(), static_cast<int64_t>(buf.size()));
        ++seen;
    }
    EXPECT_GT(seen, 0);
}

}  // namespace
