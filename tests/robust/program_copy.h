// A copy of the built program in a temporary folder of its own (its media
// folders are its own to rename in, and its instance lock lies beside it,
// so it never meets another copy's), with a runtime folder of its own; run
// offscreen unless a test sets another environment. A copy still running at
// the end is killed.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/stat.h>

namespace robust_test {

// Polls until done() holds (true) or ms milliseconds have passed (false).
inline bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QThread::usleep(200);
    }
    return true;
}

class ProgramCopy {
public:
    ProgramCopy()
    {
        program = folder.path() + "/qinghe";
        EXPECT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/qinghe", program));
        QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~ProgramCopy()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    // Sets one variable of the environment the copy starts in.
    void setEnv(const QString& name, const QString& value)
    {
        QProcessEnvironment env = process.processEnvironment();
        env.insert(name, value);
        process.setProcessEnvironment(env);
    }
    QString media(const QString& file) const { return folder.path() + "/" + file; }
    bool start()
    {
        process.start(program, {});
        return process.waitForStarted(5000);
    }
    QString lockFile() const { return folder.path() + "/OnlyOne.lock"; }
    // The running copy holds its instance lock (as the kernel's lock table
    // shows: trying the lock from here could take it from a copy starting).
    bool holdsLock() const { return lockHeldBy(lockFile(), process.processId()); }
    static bool lockHeldBy(const QString& file, qint64 pid)
    {
        struct stat st {};
        if (pid <= 0 || ::stat(file.toLocal8Bit().constData(), &st) != 0)
            return false;
        std::ifstream locks("/proc/locks");
        std::string line;
        while (std::getline(locks, line)) {
            // "1: FLOCK  ADVISORY  WRITE 4711 08:01:123456 0 EOF"
            std::istringstream fields(line);
            std::string number, kind, mode, access, device;
            long holder = 0;
            fields >> number >> kind >> mode >> access >> holder >> device;
            if (kind == "FLOCK" && holder == pid && device.substr(device.rfind(':') + 1) == std::to_string(st.st_ino))
                return true;
        }
        return false;
    }

    QTemporaryDir folder, runtime;
    QString program;
    QProcess process;
};

}  // namespace robust_test
