// Renames that never lose a file, the random generator's exact sequence, the
// text list, and the single-instance guard in one and in two processes.
#include "platform/platform.h"
#include "platform/random.h"
#include "platform/single_instance.h"
#include "tests/support/reference_random.h"
#include "platform/strings.h"
#include "tests/support/recording_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace platform;

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

QByteArray get(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

TEST(MoveFile, RenamesButNeverReplaces)
{
    QTemporaryDir dir;
    const QString dat = dir.path() + "/a b/kj.dat", wav = dir.path() + "/a b/kj.wav";
    QDir().mkpath(dir.path() + "/a b");
    put(dat, "DAT");
    EXPECT_TRUE(real().moveFile(dat.toStdString(), wav.toStdString()));
    EXPECT_EQ(get(wav), "DAT");
    EXPECT_FALSE(QFile::exists(dat));
    // Both names present: the rename fails and both files stay as they were.
    put(dat, "OTHER");
    EXPECT_FALSE(real().moveFile(wav.toStdString(), dat.toStdString()));
    EXPECT_EQ(get(wav), "DAT");
    EXPECT_EQ(get(dat), "OTHER");
    EXPECT_FALSE(real().moveFile((dir.path() + "/none.dat").toStdString(), (dir.path() + "/none.wav").toStdString()));
}

TEST(ExtractFilePath, KeepsTheSeparator)
{
    EXPECT_EQ(ExtractFilePath("/opt/qing he/qinghe"), "/opt/qing he/");
    EXPECT_EQ(ExtractFilePath("C:\\prog\\a.exe"), "C:\\prog\\");
    EXPECT_EQ(ExtractFilePath("C:a.exe"), "C:");
    EXPECT_EQ(ExtractFilePath("qinghe"), "");
}

TEST(RandomGenerator, ExactSequenceFromAKnownSeed)
{
    RandSeed = 0;
    // s: 1, 134775814, ... ; Random(100) of s=1 is 0, of s=134775814 is 3.
    EXPECT_EQ(Random(100), 0);
    EXPECT_EQ(RandSeed, 1u);
    EXPECT_EQ(Random(100), 3);
    EXPECT_EQ(RandSeed, 134775814u);
    for (uint32_t seed : {0u, 1u, 0xDEADBEEFu, 0xFFFFFFFFu}) {
        RandSeed = seed;
        testing_support::ReferenceRandom ref{seed};
        for (int i = 0; i < 200; ++i) {
            const int32_t n = 1 + i % 31;
            const int32_t v = Random(n);
            EXPECT_EQ(v, ref.below(n)) << "seed " << seed << " draw " << i;
            EXPECT_GE(v, 0);
            EXPECT_LT(v, n);
        }
    }
}

TEST(RandomGenerator, RandomizeSeedsFromTheCounter)
{
    testing_support::RecordingPlatform rec;
    rec.counter = 0x1122334455667788ull;
    Randomize();
    EXPECT_EQ(RandSeed, 0x55667788u);
}

TEST(TextList, AddDeleteFind)
{
    TStrings list;
    for (const char* s : {"001", "002", "003"})
        list.Add(s);
    EXPECT_EQ(list.IndexOf("002"), 1);
    list.Delete(1);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.Get(1), "003");
    EXPECT_EQ(list.IndexOf("002"), -1);
    EXPECT_EQ(list.IndexOf("ABC"), -1);
    list.Add("abc");
    EXPECT_EQ(list.IndexOf("ABC"), 2);
    EXPECT_THROW(list.Delete(5), std::out_of_range);
    EXPECT_THROW(list.Get(-1), std::out_of_range);
}

TEST(SingleInstanceGuard, Outcomes)
{
    struct Case {
        bool fails;
        bool exists;
        bool bodyRuns;
        std::vector<std::string> log;
    } cases[] = {
        {true, false, false, {"CreateMutex OnlyOne", "box Error: 创建互斥对象失败!"}},
        {false, true, false, {"CreateMutex OnlyOne", "CloseHandle 42"}},
        {false, false, true, {"CreateMutex OnlyOne", "body", "CloseHandle 42"}},
    };
    for (const Case& c : cases) {
        testing_support::RecordingPlatform rec;
        rec.mutexFails = c.fails;
        rec.mutexExists = c.exists;
        bool ran = false;
        const int code = RunSingleInstance([&] {
            ran = true;
            rec.log.push_back("body");
            return 0;
        });
        EXPECT_EQ(code, 0);
        EXPECT_EQ(ran, c.bodyRuns);
        EXPECT_EQ(rec.log, c.log);
    }
}

TEST(SingleInstanceGuard, RealLockIsHeldUntilClosed)
{
    // The lock of a folder of the test's own: the build's program folder
    // may hold a running copy's.
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    unsigned long error = 99;
    const Handle first = createInstanceLock(folder, "OnlyOne", error);
    ASSERT_NE(first, 0);
    EXPECT_EQ(error, 0u);
    const Handle second = createInstanceLock(folder, "OnlyOne", error);
    ASSERT_NE(second, 0);
    EXPECT_EQ(error, ERROR_ALREADY_EXISTS);
    closeInstanceLock(second);
    closeInstanceLock(first);
    const Handle third = createInstanceLock(folder, "OnlyOne", error);
    EXPECT_NE(third, 0);
    EXPECT_EQ(error, 0u);
    closeInstanceLock(third);
}

TEST(SingleInstanceGuard, SecondCopyOfTheProgramEndsAtOnceAndSilently)
{
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // A copy of the program in a folder of its own: its sounds are renamed
    // while it plays, and the build's media folders belong to other tests.
    QTemporaryDir programFolder;
    const QString program = programFolder.path() + "/qinghe";
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/qinghe", program));
    QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted(5000));
    // Wait until the first copy holds the lock, which lies beside it.
    QElapsedTimer wait;
    wait.start();
    const QString lock = programFolder.path() + "/OnlyOne.lock";
    while (!QFile::exists(lock) && wait.elapsed() < 10000)
        QThread::msleep(20);
    QThread::msleep(300);
    ASSERT_EQ(first.state(), QProcess::Running);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished(5000);
    // The lock goes with the killed process: a new copy starts.
    QProcess third;
    third.setProcessEnvironment(env);
    third.start(program, {});
    ASSERT_TRUE(third.waitForStarted(5000));
    EXPECT_FALSE(third.waitForFinished(1500));
    third.kill();
    third.waitForFinished(5000);
}

}  // namespace
