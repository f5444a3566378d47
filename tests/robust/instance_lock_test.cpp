// The instance lock's folder: the runtime folder when it is usable, else a
// private folder of the user's, and never a folder or lock file that another
// user made (as root, checked from a child that runs as "nobody").
#include "platform/platform.h"
#include "platform/single_instance.h"
#include "tests/support/recording_platform.h"

#include <QByteArray>
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
    std::string root;
};

// Saves and restores the variables the lock reads.
class Env {
public:
    Env()
    {
        for (const char* n : kNames)
            saved_.push_back(qgetenv(n));
    }
    ~Env()
    {
        for (size_t i = 0; i < saved_.size(); ++i)
            saved_[i].isNull() ? qunsetenv(kNames[i]) : qputenv(kNames[i], saved_[i]);
    }
    static void set(const char* name, const std::string& value)
    {
        if (value.empty())
            qunsetenv(name);
        else
            qputenv(name, QByteArray::fromStdString(value));
    }

private:
    static constexpr const char* kNames[] = {"XDG_RUNTIME_DIR", "TMPDIR", "HOME"};
    std::vector<QByteArray> saved_;
};

mode_t modeOf(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEST(InstanceLock, FallsBackToAPrivateFolderOfTheUser)
{
    const std::string uid = std::to_string(::geteuid());
    struct Case {
        const char* name;
        std::function<std::string(Scratch&)> runtime;  // XDG_RUNTIME_DIR ("" unset)
        std::function<void(Scratch&)> prepare;
        const char* lockUnder;  // folder expected to hold the lock, under the scratch root
    } cases[] = {
        {"usable runtime folder", [](Scratch& s) { return s.mkdir("run", 0700); }, nullptr, "run"},
        {"no runtime folder", [](Scratch&) { return std::string(); }, nullptr, "tmp/qinghe-"},
        {"runtime folder missing", [](Scratch& s) { return s.root + "/missing"; }, nullptr, "tmp/qinghe-"},
        {"runtime folder is a file",
         [](Scratch& s) {
             ::close(::open((s.root + "/file").c_str(), O_CREAT | O_WRONLY, 0600));
             return s.root + "/file";
         },
         nullptr, "tmp/qinghe-"},
        {"runtime folder writable by all", [](Scratch& s) { return s.mkdir("open", 0777); }, nullptr, "tmp/qinghe-"},
        {"private folder left open is closed again", [](Scratch&) { return std::string(); },
         [uid](Scratch& s) { s.mkdir("tmp/qinghe-" + uid, 0755); }, "tmp/qinghe-"},
        {"private folder is a link", [](Scratch&) { return std::string(); },
         [uid](Scratch& s) {
             s.mkdir("elsewhere", 0700);
             ::symlink((s.root + "/elsewhere").c_str(), (s.root + "/tmp/qinghe-" + uid).c_str());
         },
         "home/.cache/qinghe-"},
        {"lock file is a link", [](Scratch&) { return std::string(); },
         [uid](Scratch& s) {
             s.mkdir("tmp/qinghe-" + uid, 0700);
             ::symlink("/etc/passwd", (s.root + "/tmp/qinghe-" + uid + "/OnlyOne.lock").c_str());
         },
         "home/.cache/qinghe-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Env env;
        Scratch s;
        s.mkdir("tmp", 01777);
        s.mkdir("home", 0700);
        if (c.prepare)
            c.prepare(s);
        Env::set("XDG_RUNTIME_DIR", c.runtime(s));
        Env::set("TMPDIR", s.root + "/tmp");
        Env::set("HOME", s.root + "/home");
        const InstanceLock lock = takeInstanceLock("OnlyOne");
        ASSERT_GE(lock.fd, 0);
        EXPECT_FALSE(lock.heldElsewhere);
        std::string expected = s.root + "/" + c.lockUnder;
        if (expected.back() == '-')
            expected += uid;
        EXPECT_EQ(lock.path, expected + "/OnlyOne.lock");
        EXPECT_EQ(modeOf(expected) & 077, 0u);
        // A second taker sees it held.
        const InstanceLock second = takeInstanceLock("OnlyOne");
        EXPECT_TRUE(second.heldElsewhere);
        ::close(second.fd);
        ::close(lock.fd);
    }
}

TEST(InstanceLock, FailureBoxOnlyWhenNoFolderCanHoldTheLock)
{
    Env env;
    Env::set("XDG_RUNTIME_DIR", "");
    Env::set("TMPDIR", "/nonexistent/tmp");
    Env::set("HOME", "");
    EXPECT_EQ(real().createMutex("OnlyOne"), 0);
    // Through the guard: the failure box, and the body never runs.
    struct BoxOnly : testing_support::RecordingPlatform {
        Handle createMutex(const std::string& name) override { return real().createMutex(name); }
    } rec;
    bool ran = false;
    RunSingleInstance([&] {
        ran = true;
        return 0;
    });
    EXPECT_FALSE(ran);
    EXPECT_EQ(rec.log, (std::vector<std::string>{testing_support::BoxLine("Error", "创建互斥对象失败!")}));
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
    Env env;
    Scratch s;
    s.mkdir("tmp", 01777);
    // nobody's runtime folder, in which root made the lock file and holds it.
    const std::string run = s.mkdir("run", 0700);
    ASSERT_EQ(::chown(run.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    const int held = ::open((run + "/OnlyOne.lock").c_str(), O_CREAT | O_RDWR, 0644);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::fchmod(held, 0666), 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    // root also made the private folder nobody would use in the temp folder.
    s.mkdir("tmp/qinghe-" + std::to_string(nobody->pw_uid), 0777);
    const std::string home = s.mkdir("home", 0700);
    ASSERT_EQ(::chown(home.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    Env::set("XDG_RUNTIME_DIR", run);
    Env::set("TMPDIR", s.root + "/tmp");
    Env::set("HOME", home);
    const std::string expected = home + "/.cache/qinghe-" + std::to_string(nobody->pw_uid) + "/OnlyOne.lock";
    const int code = asNobody([&] {
        const Handle h = real().createMutex("OnlyOne");
        if (h == 0)
            return 1;
        if (real().getLastError() != 0)
            return 2;
        return takeInstanceLock("OnlyOne").path == expected ? 0 : 3;
    });
    EXPECT_EQ(code, 0) << "1: no lock, 2: blocked by the other user's lock, 3: wrong folder";
    ::close(held);
}

}  // namespace
