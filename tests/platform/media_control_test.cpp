// The media command interpreter: parsing, the alias table, files read at
// OPEN, and the WAV decoding behind the sound card.
#include "platform/audio_device.h"
#include "platform/media_control.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

using namespace platform;

namespace {

// Records what the interpreter asks of the sound card.
class FakeDevice : public AudioDevice {
public:
    std::vector<std::string> calls;
    uint64_t next = 0;
    uint64_t start(const std::shared_ptr<const std::string>& bytes) override
    {
        calls.push_back("start " + *bytes);
        return ++next;
    }
    void stop(uint64_t voice) override { calls.push_back("stop " + std::to_string(voice)); }
};

class InterpreterTest : public ::testing::Test {
protected:
    InterpreterTest() : folder(dir.path().toStdString() + "/program folder/mainform/")
    {
        QDir().mkpath(QString::fromStdString(folder));
    }
    std::string write(const std::string& file, const std::string& bytes)
    {
        QFile f(QString::fromStdString(folder + file));
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return folder + file;
    }
    std::string open(const std::string& file, const std::string& alias)
    {
        return "OPEN " + folder + file + " TYPE mpegvideo ALIAS " + alias;
    }

    QTemporaryDir dir;
    std::string folder;
    FakeDevice device;
    MediaInterpreter mci{&device};
};

TEST(OpenCommand, PathIsEverythingBeforeTheLastType)
{
    struct Case {
        const char* command;
        bool ok;
        const char* path;
        const char* alias;
    } cases[] = {
        {"OPEN /a b/c d/kj.wav TYPE mpegvideo ALIAS kj", true, "/a b/c d/kj.wav", "kj"},
        {"OPEN /x TYPE y/TYPE z/n.wav TYPE mpegvideo ALIAS n", true, "/x TYPE y/TYPE z/n.wav", "n"},
        {"open /p/st.wav type mpegvideo alias st", true, "/p/st.wav", "st"},
        {"OPEN /p/st.wav ALIAS st", false, "", ""},
        {"OPEN /p/st.wav TYPE mpegvideo", false, "", ""},
        {"OPEN  TYPE mpegvideo ALIAS st", false, "", ""},
        {"OPENED /p TYPE mpegvideo ALIAS st", false, "", ""},
    };
    for (const Case& c : cases) {
        OpenCommand o;
        EXPECT_EQ(parseOpen(c.command, o), c.ok) << c.command;
        if (c.ok) {
            EXPECT_EQ(o.path, c.path) << c.command;
            EXPECT_EQ(o.alias, c.alias) << c.command;
            EXPECT_EQ(o.type, "mpegvideo");
        }
    }
}

TEST_F(InterpreterTest, OpenReadsTheFileSoItCanBeRenamedBeforePlay)
{
    const std::string path = write("kj.wav", "KJ-BYTES");
    EXPECT_EQ(mci.send(open("kj.wav", "kj")), MCI_OK);
    ASSERT_TRUE(QFile::rename(QString::fromStdString(path), QString::fromStdString(folder + "kj.dat")));
    EXPECT_EQ(mci.send("PLAY kj"), MCI_OK);
    EXPECT_EQ(mci.send("CLOSE ANIMATION"), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(device.calls, (std::vector<std::string>{"start KJ-BYTES"}));
    EXPECT_EQ(mci.send("CLOSE kj"), MCI_OK);
    EXPECT_EQ(device.calls.back(), "stop 1");
    EXPECT_FALSE(mci.isOpen("kj"));
}

TEST_F(InterpreterTest, ReopeningAnAliasInUseClosesTheOlderSound)
{
    write("n.wav", "MAIN-N");
    const std::string lessonFolder = folder + "../landdw/";
    QDir().mkpath(QString::fromStdString(lessonFolder));
    QFile f(QString::fromStdString(lessonFolder + "n.wav"));
    f.open(QIODevice::WriteOnly);
    f.write("LESSON-N");
    f.close();
    mci.send(open("n.wav", "n"));
    mci.send("PLAY n");
    mci.send("OPEN " + lessonFolder + "n.wav TYPE mpegvideo ALIAS n");
    mci.send("PLAY n");
    EXPECT_EQ(device.calls, (std::vector<std::string>{"start MAIN-N", "stop 1", "start LESSON-N"}));
    EXPECT_EQ(mci.openCount(), 1u);
}

TEST_F(InterpreterTest, FailuresComeBackAsCodesAndChangeNothing)
{
    struct Case {
        std::string command;
        int code;
    } cases[] = {
        {open("missing.wav", "missing"), MCIERR_FILE_NOT_FOUND},
        {"PLAY missing", MCIERR_INVALID_DEVICE_NAME},
        {"CLOSE missing", MCIERR_INVALID_DEVICE_NAME},
        {"CLOSE ", MCIERR_MISSING_PARAMETER},
        {"PLAY", MCIERR_INVALID_DEVICE_NAME},
        {"SEEK kj TO START", MCIERR_UNRECOGNIZED_COMMAND},
        {"", MCIERR_UNRECOGNIZED_COMMAND},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mci.send(c.command), c.code) << c.command;
    EXPECT_EQ(mci.openCount(), 0u);
    EXPECT_TRUE(device.calls.empty());
}

TEST_F(InterpreterTest, PlayAgainStartsOver)
{
    write("st.wav", "ST");
    mci.send(open("st.wav", "st"));
    mci.send("PLAY st");
    mci.send("PLAY st");
    EXPECT_EQ(device.calls, (std::vector<std::string>{"start ST", "stop 1", "start ST"}));
}

TEST_F(InterpreterTest, WithoutADeviceEverythingStillAnswers)
{
    MediaInterpreter silent(nullptr);
    write("kj.wav", "X");
    EXPECT_EQ(silent.send(open("kj.wav", "kj")), MCI_OK);
    EXPECT_EQ(silent.send("PLAY kj"), MCI_OK);
    EXPECT_EQ(silent.send("CLOSE kj"), MCI_OK);
}

std::string wav(int rate, int channels, int bits, const std::string& data, int format = 1)
{
    auto le = [](uint32_t v, int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
        return s;
    };
    const int block = channels * bits / 8;
    std::string fmt = le(static_cast<uint32_t>(format), 2) + le(static_cast<uint32_t>(channels), 2) +
                      le(static_cast<uint32_t>(rate), 4) + le(static_cast<uint32_t>(rate * block), 4) +
                      le(static_cast<uint32_t>(block), 2) + le(static_cast<uint32_t>(bits), 2);
    std::string body = "WAVE" + std::string("fmt ") + le(16, 4) + fmt + "LIST" + le(4, 4) + "INFO" + "data" +
                       le(static_cast<uint32_t>(data.size()), 4) + data;
    return "RIFF" + le(static_cast<uint32_t>(body.size()), 4) + body;
}

TEST(WavDecoding, FormatsAndDamage)
{
    Pcm p;
    ASSERT_TRUE(decodeWav(wav(22050, 1, 16, std::string("\x01\x00\xff\x7f", 4)), p));
    EXPECT_EQ(p.sampleRate, 22050);
    EXPECT_EQ(p.channels, 1);
    EXPECT_EQ(p.samples, (std::vector<int16_t>{1, 32767}));

    ASSERT_TRUE(decodeWav(wav(8000, 2, 8, std::string("\x80\xff", 2)), p));
    EXPECT_EQ(p.samples, (std::vector<int16_t>{0, 127 << 8}));

    // A truncated data chunk plays what it has.
    std::string cut = wav(22050, 1, 16, std::string(100, '\0'));
    cut.resize(cut.size() - 51);
    ASSERT_TRUE(decodeWav(cut, p));
    EXPECT_EQ(p.samples.size(), 24u);

    for (const std::string& bad : {std::string(), std::string("RIFF"), std::string("ID3\x03 mp3 data"),
                                   wav(22050, 1, 12, "ab"), wav(22050, 0, 16, "ab"), wav(22050, 1, 16, "ab", 2)})
        EXPECT_FALSE(decodeWav(bad, p)) << bad.size();
}

TEST(PcmConversion, RateAndChannels)
{
    Pcm in;
    in.sampleRate = 22050;
    in.channels = 1;
    in.samples.assign(22050, 1000);
    const Pcm out = convertPcm(in, 44100, 2);
    EXPECT_EQ(out.samples.size(), 44100u * 2u);
    EXPECT_EQ(out.samples[101], 1000);
    Pcm stereo;
    stereo.sampleRate = 48000;
    stereo.channels = 2;
    stereo.samples = {100, 300, 100, 300};
    const Pcm mono = convertPcm(stereo, 48000, 1);
    EXPECT_EQ(mono.samples, (std::vector<int16_t>{200, 200}));
    EXPECT_TRUE(convertPcm(Pcm{}, 44100, 2).empty());
}

}  // namespace
