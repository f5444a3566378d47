// Malformed, oversized and low-rate recordings played through the frame's
// player into the real mixing code: the file always gets its ".dat" name
// back, nothing escapes a handler, memory stays near the file's size, and a
// sound that cannot be played plays nothing.
#include "lesson_frame/lesson_screen.h"
#include "platform/audio_device.h"
#include "platform/media_control.h"
#include "platform/sound_files.h"
#include "tests/support/recording_platform.h"
#include "tests/support/wav_bytes.h"
#include "tests/support/process_memory.h"
#include "tests/support/screen_driver.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
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

// What may lie under a sound's name in a folder others can write to.
enum class Kind { Fifo, Directory, Socket, DeviceLink };

void makeFile(Kind kind, const std::string& path)
{
    switch (kind) {
    case Kind::Fifo:
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        break;
    case Kind::Directory:
        ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
        break;
    case Kind::Socket: {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(path.size(), sizeof address.sun_path);
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(fd);  // the socket's file stays
        break;
    }
    case Kind::DeviceLink:
        ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0);
        break;
    }
}

// The kind of file at path (links not followed), 0 when there is none.
mode_t kindAt(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// Played once each: nothing plays, one warning line says what the file is,
// the window answers at once, and the thing is back under its ".dat" name.
TEST_F(SoundFiles, ASoundThatIsNotARegularFileNeverBlocks)
{
    struct Case {
        const char* name;  // the sound's name
        Kind kind;
        const char* lies;  // the name it lies under
        mode_t type;       // its kind as lstat sees it
        const char* said;  // what the warning calls it
    } cases[] = {
        {"fifo", Kind::Fifo, ".dat", S_IFIFO, "a FIFO"},
        {"leftover", Kind::Fifo, ".wav", S_IFIFO, "a FIFO"},
        {"folder", Kind::Directory, ".dat", S_IFDIR, "a directory"},
        {"socket", Kind::Socket, ".dat", S_IFSOCK, "a socket"},
        {"zero", Kind::DeviceLink, ".dat", S_IFLNK, "a character device"},
    };
    QDir().mkpath(QString::fromStdString(folder()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        makeFile(c.kind, folder() + c.name + c.lies);
        testing_support::WarningLog warnings;
        bool answered = false;
        QTimer::singleShot(0, [&] { answered = true; });
        // Should the play wait on a FIFO, a writer that comes and goes after
        // a while ends the wait, so the test fails instead of hanging.
        std::atomic<bool> played{false}, blocked{false};
        std::thread watchdog([&] {
            for (int i = 0; i < 200 && !played; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (played)
                return;
            blocked = true;
            for (const char* ext : {".wav", ".dat"})
                if (const int fd = ::open((folder() + c.name + ext).c_str(), O_WRONLY | O_NONBLOCK); fd >= 0)
                    ::close(fd);
        });
        EXPECT_NO_THROW(screen.PlayLessonSound(c.name));
        played = true;
        watchdog.join();
        EXPECT_FALSE(blocked) << "the play waited on the file";
        QCoreApplication::processEvents();
        EXPECT_TRUE(answered);
        EXPECT_EQ(warnings.lines, std::vector<std::string>{"Sound file " + folder() + c.name + ".wav is " + c.said +
                                                           ", not a regular file; not played"});
        EXPECT_FALSE(platform.mci.isOpen(c.name));
        EXPECT_EQ(platform.mixer.voiceCount(), 0u);
        EXPECT_EQ(kindAt(folder() + c.name + ".dat"), c.type);
        EXPECT_EQ(kindAt(folder() + c.name + ".wav"), 0u);
        EXPECT_EQ(screen.CurrentSoundAlias, c.name);
    }
    // A FIFO left as ".wav" beside a regular ".dat": neither name moves.
    media.addSound("yanse\\", "both", wav(22050, 1, 16, std::string(100, '\0')));
    makeFile(Kind::Fifo, folder() + "both.wav");
    screen.PlayLessonSound("both");
    EXPECT_EQ(kindAt(folder() + "both.dat"), S_IFREG);
    EXPECT_EQ(kindAt(folder() + "both.wav"), S_IFIFO);
    screen.StopLessonSound();
}

// A killed run leaves under ".wav" whatever a play had renamed; the start's
// repair gives each its ".dat" name back without opening it.
TEST_F(SoundFiles, TheStartsRepairGivesEveryKindOfLeftoverItsNameBack)
{
    QDir().mkpath(QString::fromStdString(folder()));
    const std::pair<Kind, mode_t> kinds[] = {
        {Kind::Fifo, S_IFIFO}, {Kind::Directory, S_IFDIR}, {Kind::Socket, S_IFSOCK}, {Kind::DeviceLink, S_IFLNK}};
    for (const auto& [kind, type] : kinds)
        makeFile(kind, folder() + "k" + std::to_string(type) + ".wav");
    media.addSound("yanse\\", "reg", "RIFF");
    ASSERT_EQ(::rename((folder() + "reg.dat").c_str(), (folder() + "reg.wav").c_str()), 0);
    testing_support::WarningLog warnings;
    EXPECT_EQ(restoreLeftoverSounds(folder()), 5);
    EXPECT_EQ(warnings.lines.size(), 5u);
    for (const auto& [kind, type] : kinds) {
        const std::string stem = folder() + "k" + std::to_string(type);
        EXPECT_EQ(kindAt(stem + ".dat"), type) << stem;
        EXPECT_EQ(kindAt(stem + ".wav"), 0u) << stem;
    }
    EXPECT_EQ(kindAt(folder() + "reg.dat"), S_IFREG);
    EXPECT_EQ(std::count(warnings.lines.begin(), warnings.lines.end(),
                         "Sound file " + folder() + "k" + std::to_string(S_IFIFO) +
                             ".wav (a FIFO) was left under its .wav name; renamed back"),
              1);
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
