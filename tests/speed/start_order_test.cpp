// What the program does before its window shows, and what it leaves until
// after: pictures decoded ahead before the application object exists, and
// the sound card's module loaded only once the window has painted. Each case
// runs in a fresh copy of this executable (the application object and the
// sound card are once per process), which prints what it saw.
#include "platform/audio_device.h"
#include "platform/audio_output.h"
#include "platform/picture_cache.h"
#include "platform/pictures.h"
#include "tests/support/wav_bytes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

std::string g_self;

bool mapped(const char* library)
{
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find(library) != std::string::npos)
            return true;
    return false;
}

bool moduleLoaded()
{
    return mapped(platform::kAudioOutputModule);
}

// Runs the event loop until `done` or `ms` have passed; returns `done()`.
template <typename F>
bool waitFor(F done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return done();
}

// A hundredth of a second of silence.
std::shared_ptr<const std::string> shortWav()
{
    return std::make_shared<const std::string>(testing_support::wav(44100, 1, 16, std::string(882, '\0')));
}

int childPrefetch(int argc, char** argv)
{
    // No application object yet, as at the program's start.
    platform::prefetchPictures({"StartBmp", "StartPng"});
    platform::embeddedPictureCache().waitForPrefetch();
    std::printf("bmp kept %d\n", platform::embeddedPictureCache().contains("STARTBMP") ? 1 : 0);
    std::printf("png kept %d\n", platform::embeddedPictureCache().contains("STARTPNG") ? 1 : 0);
    QApplication app(argc, argv);
    const platform::Picture png = platform::loadPictureResource("StartPng");
    std::printf("png %dx%d\n", png.size().width(), png.size().height());
    const platform::Picture bmp = platform::loadPictureResource("StartBmp");
    std::printf("bmp pixel %08x\n", bmp.image().pixel(2, 1));
    return 0;
}

int childAudio(int argc, char** argv, bool show)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(100, 100);
    platform::openAudioAfterFirstFrame(&window);
    platform::AudioDevice& device = platform::systemAudioDevice();
    // A sound played before the window shows waits for the sound card.
    std::printf("voice %d\n", device.start(shortWav()) != 0 ? 1 : 0);
    waitFor([] { return false; }, 150);
    std::printf("before loaded %d multimedia %d\n", moduleLoaded() ? 1 : 0, mapped("libQt6Multimedia") ? 1 : 0);
    if (show)
        window.show();
    QElapsedTimer t;
    t.start();
    const bool loaded = waitFor(moduleLoaded, 3000);
    std::printf("after loaded %d ms %lld\n", loaded ? 1 : 0, static_cast<long long>(t.elapsed()));
    return 0;
}

int warningsSeen = 0;

int childNoModule(int argc, char** argv)
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtWarningMsg && text.startsWith("No sound:"))
            ++warningsSeen;
    });
    QApplication app(argc, argv);
    platform::AudioDevice& device = platform::systemAudioDevice();
    device.start(shortWav());
    // Once the module is found missing, the device stays silent.
    const bool silent = waitFor([&device] { return device.start(shortWav()) == 0; }, 3000);
    std::printf("silent %d warnings %d\n", silent ? 1 : 0, warningsSeen);
    return 0;
}

// Runs this executable (or `exe`) in `mode` and returns what it printed.
std::string runChild(const char* mode, const QString& exe = QString())
{
    QProcess child;
    QStringList env = QProcess::systemEnvironment();
    env << "QT_QPA_PLATFORM=offscreen";
    child.setEnvironment(env);
    child.start(exe.isEmpty() ? QString::fromStdString(g_self) : exe, {"--child", mode});
    if (!child.waitForFinished(20000)) {
        child.kill();
        child.waitForFinished();
        return "timed out";
    }
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << mode;
    EXPECT_EQ(child.exitCode(), 0) << mode << ": " << child.readAllStandardError().toStdString();
    return child.readAllStandardOutput().toStdString();
}

TEST(StartOrder, PicturesAheadOfTheApplicationObjectLeaveQtsReaderAlone)
{
    // The 24-bit BMP is decoded ahead; the PNG needs Qt's reader, which must
    // wait for the application object, and is decoded where it is first used.
    EXPECT_EQ(runChild("prefetch"), "bmp kept 1\npng kept 0\npng 2x2\nbmp pixel ffffffff\n");
}

TEST(StartOrder, TheSoundCardModuleLoadsOnlyOnceTheWindowHasPainted)
{
    const std::string out = runChild("audio-paint");
    EXPECT_NE(out.find("voice 1\n"), std::string::npos) << out;
    EXPECT_NE(out.find("before loaded 0 multimedia 0\n"), std::string::npos) << out;
    EXPECT_NE(out.find("after loaded 1 "), std::string::npos) << out;
}

TEST(StartOrder, AWindowThatNeverPaintsStillGetsItsSoundWithinASecond)
{
    const std::string out = runChild("audio-hidden");
    EXPECT_NE(out.find("before loaded 0 multimedia 0\n"), std::string::npos) << out;
    EXPECT_NE(out.find("after loaded 1 "), std::string::npos) << out;
}

TEST(StartOrder, AMissingSoundCardModuleMeansSilenceAndOneWarning)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath("start_order_tests");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(g_self), copy));
    EXPECT_EQ(runChild("no-module", copy), "silent 1 warnings 1\n");
}

}  // namespace

int main(int argc, char** argv)
{
    g_self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath().toStdString();
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        const std::string mode = argv[2];
        if (mode == "prefetch")
            return childPrefetch(argc, argv);
        if (mode == "audio-paint" || mode == "audio-hidden")
            return childAudio(argc, argv, mode == "audio-paint");
        if (mode == "no-module")
            return childNoModule(argc, argv);
        return 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
