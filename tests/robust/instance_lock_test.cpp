// The instance lock: one lock file beside the program, so every copy that
// would rename the same media folders finds the first whatever its
// environment; a start creates nothing else; and a folder or lock file that
// another user could change or hold is never used (as root, checked from a
// child that runs as "nobody"), which shows the failure box.
#include "platform/platform.h"
#include "platform/single_instance.h"
#include "tests/robust/program_copy.h"
#include "tests/support/recording_platform.h"

#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;
using robust_test::ProgramCopy;
using robust_test::waitFor;

namespace {

// A scratch folder that every user can enter, removed afterwards.
class Scratch {
public:
    Scratch()
    {
        char tmpl[] = "/tmp/qh-lock-XXXXXX";
        root = ::mkdtemp(tmpl);
        ::chmod(root.c_str(), 0755);
    }
    ~Scratch() { std::system(("rm -rf '" + root + "'").c_str()); }
    std::string mkdir(const std::string& name, mode_t mode)
    {
        const std::string p = root + "/" + name;
        ::mkdir(p.c_str(), mode);
        ::chmod(p.c_str(), mode);
        return p;
    }
    std::string put(const std::string& name, const std::string& bytes = "x", mode_t mode = 0600)
    {
        const std::string p = root + "/" + name;
        const int fd = ::open(p.c_str(), O_CREAT | O_WRONLY | O_TRUNC, mode);
        if (fd >= 0) {
            [[maybe_unused]] const ssize_t n = ::write(fd, bytes.data(), bytes.size());
            ::fchmod(fd, mode);
            ::close(fd);
        }
        return p;
    }
    std::string root;
};

mode_t modeOf(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

std::string contentOf(const std::string& path)
{
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(InstanceLock, OnlyALockFileOfTheUsersOwnInAFolderNoOneElseCanChangeIsUsed)
{
    struct Case {
        const char* name;
        std::function<std::string(Scratch&)> folder;  // where the lock is taken
        bool usable;
    } cases[] = {
        {"private folder", [](Scratch& s) { return s.mkdir("own", 0700); }, true},
        {"folder others can read", [](Scratch& s) { return s.mkdir("own", 0755); }, true},
        {"sticky folder all can write", [](Scratch& s) { return s.mkdir("tmp", 01777); }, true},
        {"trailing slash", [](Scratch& s) { return s.mkdir("own", 0700) + "/"; }, true},
        {"lock file left open to others is closed again",
         [](Scratch& s) {
             s.mkdir("own", 0700);
             s.put("own/OnlyOne.lock", "", 0644);
             return s.root + "/own";
         },
         true},
        {"folder its group can write", [](Scratch& s) { return s.mkdir("shared", 0770); }, false},
        {"folder all can write", [](Scratch& s) { return s.mkdir("open", 0777); }, false},
        {"no such folder", [](Scratch& s) { return s.root + "/missing"; }, false},
        {"folder is a file", [](Scratch& s) { return s.put("file"); }, false},
        {"lock file is a link",
         [](Scratch& s) {
             s.mkdir("own", 0700);
             ::symlink(s.put("target", "KEEP").c_str(), (s.root + "/own/OnlyOne.lock").c_str());
             return s.root + "/own";
         },
         false},
        {"lock file has a second name",
         [](Scratch& s) {
             s.mkdir("own", 0700);
             ::link(s.put("other", "KEEP").c_str(), (s.root + "/own/OnlyOne.lock").c_str());
             return s.root + "/own";
         },
         false},
        {"lock file is a FIFO",
         [](Scratch& s) {
             s.mkdir("own", 0700);
             ::mkfifo((s.root + "/own/OnlyOne.lock").c_str(), 0600);
             return s.root + "/own";
         },
         false},
        {"lock file is a folder",
         [](Scratch& s) {
             s.mkdir("own", 0700);
             s.mkdir("own/OnlyOne.lock", 0700);
             return s.root + "/own";
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Scratch s;
        std::string folder = c.folder(s);
        const InstanceLock lock = takeInstanceLock(folder, "OnlyOne");
        if (folder.back() == '/')
            folder.pop_back();
        EXPECT_EQ(lock.path, folder + "/OnlyOne.lock");
        if (!c.usable) {
            EXPECT_EQ(lock.fd, -1);
            EXPECT_NE(lock.error, 0);
            // Whatever lay under the name is as it was.
            if (c.name == std::string("lock file is a link") || c.name == std::string("lock file has a second name")) {
                EXPECT_EQ(contentOf(lock.path), "KEEP");
            }
            continue;
        }
        ASSERT_GE(lock.fd, 0) << lock.error;
        EXPECT_FALSE(lock.heldElsewhere);
        EXPECT_EQ(modeOf(lock.path), 0600u);
        // A second taker sees it held.
        const InstanceLock second = takeInstanceLock(folder, "OnlyOne");
        ASSERT_GE(second.fd, 0);
        EXPECT_TRUE(second.heldElsewhere);
        ::close(second.fd);
        ::close(lock.fd);
    }
}

TEST(InstanceLock, FailureBoxWhenTheLockCannotBeMade)
{
    Scratch s;
    const std::string open = s.mkdir("open", 0777);
    struct BoxOnly : testing_support::RecordingPlatform {
        std::string folder;
        unsigned long error = 0;
        Handle createMutex(const std::string& name) override { return createInstanceLock(folder, name, error); }
        unsigned long getLastError() override { return error; }
    } rec;
    rec.folder = open;
    bool ran = false;
    RunSingleInstance([&] {
        ran = true;
        return 0;
    });
    EXPECT_FALSE(ran);
    EXPECT_EQ(rec.log, (std::vector<std::string>{testing_support::BoxLine("Error", "创建互斥对象失败!")}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(open + "/OnlyOne.lock")));
}

// Runs `check` in a child process as the user "nobody"; its exit code.
int asNobody(const std::function<int()>& check)
{
    const passwd* nobody = ::getpwnam("nobody");
    if (!nobody)
        return -1;
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            ::_exit(90);
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

TEST(InstanceLock, ALockFileOrFolderOfAnotherUserIsNeverUsed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as two users";
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    Scratch s;
    // nobody's program folder, in which root made the lock file and holds it:
    // nobody's copy must not end as if another copy of its own ran.
    const std::string program = s.mkdir("program", 0755);
    ASSERT_EQ(::chown(program.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const int held = ::open((program + "/OnlyOne.lock").c_str(), O_CREAT | O_RDWR, 0644);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::fchmod(held, 0666), 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    const int code = asNobody([&] {
        unsigned long error = 0;
        const Handle h = createInstanceLock(program, "OnlyOne", error);
        if (h != 0)
            return error == ERROR_ALREADY_EXISTS ? 2 : 3;
        return 0;
    });
    EXPECT_EQ(code, 0) << "2: blocked by the other user's lock, 3: took the other user's lock file";
    ::close(held);

    // A folder of nobody's, which nobody could empty under root's copy.
    const std::string theirs = s.mkdir("theirs", 0755);
    ASSERT_EQ(::chown(theirs.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const InstanceLock lock = takeInstanceLock(theirs, "OnlyOne");
    EXPECT_EQ(lock.fd, -1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(theirs + "/OnlyOne.lock")));
}

// The copies differ in every variable a lock folder was once chosen by.
TEST(InstanceLock, ASecondCopyForTheSameMediaFoldersEndsWhateverItsEnvironment)
{
    QTemporaryDir otherRuntime, otherTemp, otherHome;
    struct Case {
        const char* name;
        bool firstHasRuntime;
        std::vector<std::pair<QString, QString>> second;  // changes to the first copy's environment ("" unsets)
    } cases[] = {
        {"runtime folder set, then unset", true, {{"XDG_RUNTIME_DIR", ""}}},
        {"runtime folder unset, then set", false, {{"XDG_RUNTIME_DIR", otherRuntime.path()}}},
        {"another runtime folder", true, {{"XDG_RUNTIME_DIR", otherRuntime.path()}}},
        {"another TMPDIR", true, {{"TMPDIR", otherTemp.path()}}},
        {"everything else", true, {{"XDG_RUNTIME_DIR", ""}, {"TMPDIR", otherTemp.path()}, {"HOME", otherHome.path()}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramCopy first;
        if (!c.firstHasRuntime) {
            QProcessEnvironment env = first.process.processEnvironment();
            env.remove("XDG_RUNTIME_DIR");
            first.process.setProcessEnvironment(env);
        }
        ASSERT_TRUE(first.start());
        ASSERT_TRUE(waitFor([&] { return first.holdsLock(); }, 10000));
        QProcess second;
        QProcessEnvironment env = first.process.processEnvironment();
        for (const auto& [name, value] : c.second)
            value.isEmpty() ? env.remove(name) : env.insert(name, value);
        second.setProcessEnvironment(env);
        second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        second.start(first.program, {});
        // Ends without a window: offscreen, a failure box would wait for
        // its OK and the copy would not end.
        ASSERT_TRUE(second.waitForFinished(10000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(first.process.state(), QProcess::Running);
        EXPECT_TRUE(first.holdsLock());
    }
}

// Every file and folder under root, relative to it.
QStringList everythingUnder(const QString& root)
{
    QStringList all;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        all << QDir(root).relativeFilePath(it.next());
    all.sort();
    return all;
}

TEST(InstanceLock, AStartCreatesNothingButTheLockFileBesideTheProgram)
{
    QTemporaryDir runtime, temp, home;
    for (const bool withRuntime : {true, false}) {
        SCOPED_TRACE(withRuntime ? "runtime folder set" : "no runtime folder");
        ProgramCopy copy;
        QProcessEnvironment env = copy.process.processEnvironment();
        if (withRuntime)
            env.insert("XDG_RUNTIME_DIR", runtime.path());
        else
            env.remove("XDG_RUNTIME_DIR");
        env.insert("TMPDIR", temp.path());
        env.insert("HOME", home.path());
        env.remove("XDG_CACHE_HOME");
        copy.process.setProcessEnvironment(env);
        ASSERT_TRUE(copy.start());
        ASSERT_TRUE(waitFor([&] { return copy.holdsLock(); }, 10000));
        EXPECT_EQ(everythingUnder(copy.folder.path()), (QStringList{"OnlyOne.lock", "qinghe"}));
        EXPECT_EQ(modeOf(copy.lockFile().toStdString()), 0600u);
        EXPECT_EQ(everythingUnder(runtime.path()), QStringList{});
        QStringList inTemp = everythingUnder(temp.path());
        // Without a runtime folder Qt itself makes one of its own there (as
        // every Qt program does, to look for a Wayland display in it).
        if (!withRuntime)
            inTemp.removeAll(QString("runtime-") + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
        EXPECT_EQ(inTemp, QStringList{});
        EXPECT_EQ(everythingUnder(home.path()), QStringList{});
    }
}

}  // namespace
