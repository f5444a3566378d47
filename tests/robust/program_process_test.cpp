// The program itself, run in a folder of its own: termination signals end
// it cleanly with every sound file under its ".dat" name, also when the
// signal comes while a sound is renamed; files left under ".wav" by a killed
// run (a FIFO among them) get their name back at start.
#include "app/sound_safety.h"
#include "platform/sound_files.h"
#include "tests/robust/program_copy.h"
#include "tests/support/wav_bytes.h"
#include "tests/support/recording_platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using robust_test::ProgramCopy;
using robust_test::waitFor;

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray get(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// `bytes` bytes of silence, 22.05 kHz mono 16-bit.
QByteArray silence(int bytes)
{
    return QByteArray::fromStdString(testing_support::wav(22050, 1, 16, std::string(static_cast<size_t>(bytes), '\0')));
}

TEST(TerminationSignals, EndTheProgramCleanlyWithEverySoundBack)
{
    for (const int signo : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signo);
        ProgramCopy copy;
        // A welcome sound large enough to stay renamed while it is read.
        const QByteArray kj = silence(40 << 20);
        put(copy.media("mainform/kj.dat"), kj);
        ASSERT_TRUE(copy.start());
        // The signal lands while the sound carries its ".wav" name.
        const bool held = waitFor([&] { return QFile::exists(copy.media("mainform/kj.wav")); }, 10000);
        if (!held) {
            ADD_FAILURE() << "never saw the sound renamed";
            waitFor([&] { return copy.holdsLock(); }, 10000);
            QThread::msleep(500);
        }
        ::kill(static_cast<pid_t>(copy.process.processId()), signo);
        ASSERT_TRUE(copy.process.waitForFinished(10000));
        EXPECT_EQ(copy.process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(copy.process.exitCode(), 0);
        EXPECT_FALSE(QFile::exists(copy.media("mainform/kj.wav")));
        EXPECT_EQ(get(copy.media("mainform/kj.dat")).size(), kj.size());
    }
}

TEST(LeftoverSounds, StartUpGivesThemTheirNameBackBeforeAnythingPlays)
{
    ProgramCopy copy;
    put(copy.media("yanse/st.wav"), "ST");             // left by a killed run
    put(copy.media("pinyin/yunmu/001.wav"), "YUNMU");  // a nested media folder
    put(copy.media("yanse/n.wav"), "WAV");             // both names: nothing moves
    put(copy.media("yanse/n.dat"), "DAT");
    put(copy.media("yanse/notes.txt.wav.bak"), "OTHER");  // not a sound
    // A FIFO that a killed run's play had renamed.
    ASSERT_EQ(::mkfifo(copy.media("yanse/pipe.wav").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(copy.start());
    ASSERT_TRUE(waitFor([&] { return QFile::exists(copy.media("yanse/st.dat")); }, 10000));
    ::kill(static_cast<pid_t>(copy.process.processId()), SIGTERM);
    ASSERT_TRUE(copy.process.waitForFinished(10000));
    EXPECT_EQ(copy.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(get(copy.media("yanse/st.dat")), "ST");
    EXPECT_FALSE(QFile::exists(copy.media("yanse/st.wav")));
    EXPECT_EQ(get(copy.media("pinyin/yunmu/001.dat")), "YUNMU");
    EXPECT_EQ(get(copy.media("yanse/n.wav")), "WAV");
    EXPECT_EQ(get(copy.media("yanse/n.dat")), "DAT");
    EXPECT_TRUE(QFile::exists(copy.media("yanse/notes.txt.wav.bak")));
    struct stat st {};
    EXPECT_EQ(::lstat(copy.media("yanse/pipe.dat").toLocal8Bit().constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_FALSE(QFile::exists(copy.media("yanse/pipe.wav")));
}

TEST(LeftoverSounds, EveryMediaFolderIsVisitedOnce)
{
    testing_support::RecordingPlatform rec;
    testing_support::MediaFixture media(rec);
    const std::vector<std::string> folders = app::MediaFolders();
    EXPECT_EQ(folders.front(), media.programFolder() + "mainform/");
    EXPECT_NE(std::find(folders.begin(), folders.end(), media.programFolder() + "pinyin/yunmu/"), folders.end());
    std::vector<std::string> sorted = folders;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end());
    media.addSound("yanse\\", "gz", "GZ");
    const std::string dat = media.path("yanse\\", "gz.dat");
    ASSERT_TRUE(QFile::rename(QString::fromStdString(dat), QString::fromStdString(media.path("yanse\\", "gz.wav"))));
    EXPECT_EQ(app::RestoreLeftoverSounds(), 1);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dat)));
    EXPECT_EQ(app::RestoreLeftoverSounds(), 0);
    EXPECT_EQ(platform::restoreLeftoverSounds(media.programFolder() + "no such folder/"), 0);
}

}  // namespace
