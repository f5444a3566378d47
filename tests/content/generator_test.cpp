// A generation run: makes only what is new or changed, uses real content in
// place of generated, never leaves half a file, names what it cannot make,
// and gives the same bytes every time.
#include "platform/media_control.h"
#include "tools/content_gen/generator.h"
#include "tools/content_gen/recordings.h"
#include "tools/content_gen/voices.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

content::Picture solid(const std::string& name, uint32_t colour)
{
    content::Picture p;
    p.name = name;
    p.width = 20;
    p.height = 10;
    p.recipe = "solid";
    p.colour = colour;
    return p;
}

content::Sound sound(const std::string& name, const std::string& say, content::Voice voice = content::Voice::Chinese)
{
    content::Manifest m;
    return m.sound("mainform\\", name, say, voice);
}

class GeneratorTest : public ::testing::Test {
protected:
    GeneratorTest()
    {
        options.pictureDir = root("pictures");
        options.soundRoot = root("bin");
        options.overrideRoot = root("resources");
        options.stateFile = root("pictures") + "/state.txt";
        options.rcc = QH_RCC;
        options.rccOut = root("pictures") + "/content.rcc";
        options.artVersion = "art 1";
        options.voiceVersion = "voice 1";
        options.jobs = 4;
    }
    std::string root(const std::string& sub) const { return dir.path().toStdString() + "/" + sub; }
    fs::path pictureFile(const std::string& name) const { return fs::path(root("pictures")) / "pictures" / name; }
    fs::path soundFile(const std::string& name) const { return fs::path(root("bin")) / "mainform" / (name + ".dat"); }
    gen::Report run() { return gen::generate(plan, options); }
    // No temporaries anywhere under the run's folders.
    bool noHalfFiles() const
    {
        for (const auto& e : fs::recursive_directory_iterator(dir.path().toStdString()))
            if (e.path().extension() == ".part")
                return false;
        return true;
    }

    QTemporaryDir dir;
    gen::Options options;
    gen::Plan plan{{solid("ONE", 0xFF0000), solid("TWO", 0x00FF00)}, {sound("n", "下一页")}};
};

TEST_F(GeneratorTest, MakesOnlyWhatIsNewOrChanged)
{
    const gen::Report first = run();
    EXPECT_EQ(first.picturesMade, 2);
    EXPECT_EQ(first.soundsMade, 1);
    EXPECT_TRUE(first.packed);
    EXPECT_TRUE(fs::exists(pictureFile("ONE.bmp")));
    EXPECT_TRUE(fs::exists(soundFile("n")));

    const gen::Report again = run();
    EXPECT_EQ(again.picturesMade, 0);
    EXPECT_EQ(again.picturesKept, 2);
    EXPECT_EQ(again.soundsMade, 0);
    EXPECT_EQ(again.soundsKept, 1);
    EXPECT_FALSE(again.packed) << "nothing changed, nothing repacked";

    plan.pictures[1].colour = 0x0000FF;
    const gen::Report changed = run();
    EXPECT_EQ(changed.picturesMade, 1);
    EXPECT_EQ(changed.picturesKept, 1);
    EXPECT_EQ(changed.soundsKept, 1);
    EXPECT_TRUE(changed.packed);

    options.artVersion = "art 2";  // the drawing code changed
    const gen::Report redrawn = run();
    EXPECT_EQ(redrawn.picturesMade, 2);
    EXPECT_EQ(redrawn.soundsMade, 0);

    fs::remove(soundFile("n"));  // deleted by hand: made again
    EXPECT_EQ(run().soundsMade, 1);
}

TEST_F(GeneratorTest, WhatIsNoLongerDeclaredIsRemoved)
{
    run();
    plan.pictures.pop_back();
    plan.sounds.clear();
    const gen::Report r = run();
    EXPECT_EQ(r.removed, 2);
    EXPECT_FALSE(fs::exists(pictureFile("TWO.bmp")));
    EXPECT_FALSE(fs::exists(soundFile("n")));
    EXPECT_TRUE(fs::exists(pictureFile("ONE.bmp")));
}

TEST_F(GeneratorTest, AMediaFilePictureIsWrittenIntoItsFolderAndNotEmbedded)
{
    content::Picture trapped = solid("A001", 0x336699);
    trapped.storage = content::Storage::MediaFile;
    trapped.folder = "password\\";
    plan = gen::makePlan({{plan.pictures[0], trapped}, {sound("n", "下一页")}, {}});
    const fs::path file = fs::path(root("bin")) / "password" / "a001.bmp";

    EXPECT_EQ(run().picturesMade, 2);
    const QImage drawn = QImage::fromData(QByteArray::fromStdString(readFile(file)), "BMP");
    EXPECT_EQ(drawn.size(), QSize(20, 10));
    EXPECT_EQ(drawn.pixel(5, 5), qRgb(0x33, 0x66, 0x99));
    EXPECT_FALSE(fs::exists(pictureFile("A001.bmp")));
    EXPECT_EQ(readFile(options.pictureDir + "/content.qrc").find("A001"), std::string::npos) << "not packed";

    fs::remove(file);  // deleted by hand: made again
    EXPECT_EQ(run().picturesMade, 1);
    EXPECT_TRUE(fs::exists(file));

    // Real content for it lies below the real pictures, in its folder path.
    QImage real(20, 10, QImage::Format_RGB32);
    real.fill(Qt::magenta);
    fs::create_directories(root("resources") + "/pictures/password");
    real.save(QString::fromStdString(root("resources") + "/pictures/password/A001.bmp"));
    EXPECT_EQ(run().picturesMade, 1);
    EXPECT_EQ(QImage(QString::fromStdString(file.string())).pixel(5, 5), QColor(Qt::magenta).rgb());

    plan.pictures.pop_back();
    EXPECT_EQ(run().removed, 1);
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(GeneratorTest, AMediaFilePictureNeedsAMediaFolder)
{
    content::Picture trapped = solid("A001", 0x336699);
    trapped.storage = content::Storage::MediaFile;
    for (const char* folder : {"", "Password\\", "\\password\\", "password"}) {
        trapped.folder = folder;
        EXPECT_THROW(gen::makePlan({{trapped}, {}, {}}), gen::ContentError) << folder;
    }
}

TEST_F(GeneratorTest, RealContentUnderResourcesReplacesTheGenerated)
{
    run();
    const std::string recorded = readFile(soundFile("n"));
    QImage real(20, 10, QImage::Format_RGB32);
    real.fill(Qt::magenta);
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    real.save(&buf, "PNG");
    writeFile(fs::path(root("resources")) / "pictures" / "two.png", png.toStdString());
    writeFile(fs::path(root("resources")) / "sounds" / "mainform" / "n.wav", recorded + std::string(100, '\0'));

    const gen::Report r = run();
    EXPECT_EQ(r.picturesMade, 1) << "only the replaced picture";
    EXPECT_EQ(r.soundsMade, 1);
    EXPECT_EQ(readFile(pictureFile("TWO.png")), png.toStdString());
    EXPECT_FALSE(fs::exists(pictureFile("TWO.bmp"))) << "the generated one is gone";
    EXPECT_EQ(readFile(soundFile("n")), recorded + std::string(100, '\0'));
    EXPECT_NE(readFile(options.pictureDir + "/content.qrc").find("pictures/TWO.png"), std::string::npos);

    // Taking the real files away brings the generated ones back.
    fs::remove_all(root("resources"));
    EXPECT_EQ(run().picturesMade, 1);
    EXPECT_TRUE(fs::exists(pictureFile("TWO.bmp")));
    EXPECT_EQ(readFile(soundFile("n")), recorded);
}

TEST_F(GeneratorTest, RealContentThatCannotServeStopsTheRunNamingTheFile)
{
    const struct {
        const char* file;
        std::string bytes;
        const char* mentions;
    } cases[] = {
        {"pictures/ONE.bmp", "not a picture", "not a picture"},
        {"pictures/ONE.png", "", "not a picture"},
        {"sounds/mainform/n.wav", "RIFF0000WAVEjunk", "not playable"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fs::remove_all(root("resources"));
        writeFile(fs::path(root("resources")) / c.file, c.bytes);
        try {
            run();
            ADD_FAILURE() << "accepted";
        } catch (const gen::ContentError& e) {
            EXPECT_NE(std::string(e.what()).find(c.file), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.mentions), std::string::npos) << e.what();
        }
    }
    // A real picture of the wrong size.
    fs::remove_all(root("resources"));
    QImage wrong(30, 30, QImage::Format_RGB32);
    wrong.fill(Qt::blue);
    fs::create_directories(root("resources") + "/pictures");
    wrong.save(QString::fromStdString(root("resources") + "/pictures/ONE.png"));
    try {
        run();
        ADD_FAILURE() << "accepted";
    } catch (const gen::ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("30x30"), std::string::npos) << e.what();
    }
}

TEST_F(GeneratorTest, AnItemThatFailsLeavesNoHalfFileAndTheRestIsMade)
{
    run();
    content::Picture broken = solid("TWO", 0);
    broken.recipe = "shape";
    broken.param = "blob";
    plan.pictures[1] = broken;
    plan.pictures.push_back(solid("THREE", 0x123456));
    try {
        run();
        ADD_FAILURE() << "a broken picture passed";
    } catch (const gen::ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("TWO"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("blob"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(noHalfFiles());
    EXPECT_FALSE(fs::exists(pictureFile("TWO.bmp"))) << "no stale picture stands in for the broken one";
    EXPECT_TRUE(fs::exists(pictureFile("THREE.bmp")));
    // Fixed, the next run makes just that one.
    plan.pictures[1] = solid("TWO", 0x00FF00);
    const gen::Report r = run();
    EXPECT_EQ(r.picturesMade, 1);
    EXPECT_EQ(r.picturesKept, 2);
}

TEST_F(GeneratorTest, SoundsAreMono16BitWavAtOneRateAndAudible)
{
    content::Sound kj = sound("kj", "小朋友，你好！");
    kj.reading = "xiao3 peng2 you5, ni3 hao3!";
    plan.sounds = {kj, sound("hello", "Hello!", content::Voice::English), sound("gz", "", content::Voice::Cheer)};
    run();
    for (const char* name : {"kj", "hello", "gz"}) {
        SCOPED_TRACE(name);
        const std::string bytes = readFile(soundFile(name));
        platform::Pcm pcm;
        ASSERT_TRUE(platform::decodeWav(bytes, pcm));
        EXPECT_EQ(pcm.channels, 1);
        EXPECT_EQ(pcm.sampleRate, gen::kSampleRate);
        EXPECT_EQ(static_cast<unsigned char>(bytes[34]), 16);
        EXPECT_GT(pcm.samples.size(), static_cast<size_t>(gen::kSampleRate / 2)) << "at least half a second";
        int peak = 0;
        for (int16_t v : pcm.samples)
            peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_GT(peak, 25000) << "normalised near full scale";
    }
}

TEST_F(GeneratorTest, TheSameDeclarationsGiveTheSameBytes)
{
    plan.sounds.push_back(sound("gz", "", content::Voice::Cheer));
    run();
    QTemporaryDir other;
    gen::Options second = options;
    const std::string o = other.path().toStdString();
    second.pictureDir = o + "/pictures";
    second.soundRoot = o + "/bin";
    second.stateFile = o + "/pictures/state.txt";
    second.rccOut = o + "/pictures/content.rcc";
    gen::generate(plan, second);
    for (const char* f :
         {"pictures/ONE.bmp", "pictures/TWO.bmp", "pictures/content.rcc", "bin/mainform/n.dat", "bin/mainform/gz.dat"})
        EXPECT_EQ(readFile(dir.path().toStdString() + "/" + f), readFile(o + "/" + f)) << f;
}

TEST_F(GeneratorTest, ADeclaredRecordingIsHeardInsteadOfSpeechAndARealFileStillWins)
{
    // What the recording is on its own.
    const auto recorded = [&](const char* name) {
        gen::record(*gen::findRecording(name), plan.sounds[0], root("alone"), root("alone.dat"));
        return readFile(root("alone.dat"));
    };
    plan.sounds = {sound("001", "汪汪汪")};
    run();
    const std::string spoken = readFile(soundFile("001"));
    plan.sounds[0].recording = "dog";
    EXPECT_EQ(run().soundsMade, 1);
    EXPECT_EQ(readFile(soundFile("001")), recorded("dog"));
    plan.sounds[0].recording = "cat";
    EXPECT_EQ(run().soundsMade, 1) << "another recording is made again";
    EXPECT_EQ(readFile(soundFile("001")), recorded("cat"));
    plan.sounds[0].recording.clear();
    EXPECT_EQ(run().soundsMade, 1);
    EXPECT_EQ(readFile(soundFile("001")), spoken);

    // A real recording of the sound under resources/ replaces the declared one.
    plan.sounds[0].recording = "dog";
    writeFile(fs::path(root("resources")) / "sounds/mainform/001.wav", spoken);
    run();
    EXPECT_EQ(readFile(soundFile("001")), spoken);
}

TEST(VoiceTools, ChineseIsSpokenAsMandarinAndEnglishAsEnglish)
{
    // espeak-ng marks words it speaks in another language with "(xx)".
    const struct {
        content::Voice voice;
        const char* text;
    } cases[] = {{content::Voice::Chinese, "小朋友，你好！欢迎来到青禾早教乐园，一起来学习吧！"},
                 {content::Voice::English, "apple, one, two"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        content::Manifest m;
        const std::string text = gen::espeakText(m.sound("mainform\\", "kj", c.text, c.voice));
        std::string phonemes;
        ASSERT_EQ(gen::runProgram({"espeak-ng", "-q", "-x", "-v", gen::speechVoice(c.voice), text}, &phonemes), 0);
        EXPECT_FALSE(phonemes.empty());
        EXPECT_EQ(phonemes.find('('), std::string::npos) << "switched language: " << phonemes;
    }
}

// The Mandarin voice is given the text's reading in pinyin, never the
// characters; a text without a reading is not spoken at all.
TEST_F(GeneratorTest, MandarinIsSpokenFromItsReadingOrNotAtAll)
{
    content::Manifest m;
    content::Sound zebra = m.sound("mainform\\", "kj", "斑马");
    EXPECT_EQ(gen::espeakText(zebra), "ban1 ma3");
    zebra.reading = "ban1 ma3";
    EXPECT_EQ(gen::espeakText(zebra), "ban1 ma3");
    plan.sounds = {m.sound("mainform\\", "re", "没有读音的话")};
    try {
        run();
        ADD_FAILURE() << "a text without a reading was spoken";
    } catch (const gen::ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("no reading"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("\"re\""), std::string::npos) << e.what();
    }
    EXPECT_FALSE(fs::exists(soundFile("re")));
    EXPECT_TRUE(noHalfFiles());
}

TEST(VoiceTools, AMissingProgramIsNamedWithItsPackage)
{
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    std::string error;
    try {
        gen::voiceToolVersions();
    } catch (const gen::ContentError& e) {
        error = e.what();
    }
    qputenv("PATH", path);
    EXPECT_NE(error.find("\"espeak-ng\" is missing"), std::string::npos) << error;
    EXPECT_NE(error.find("Debian package espeak-ng"), std::string::npos) << error;
}

}  // namespace
