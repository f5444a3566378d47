// A copy of the built program in a temporary folder of its own (its media
// folders are its own to rename in), with a runtime folder of its own so it
// never meets another copy's instance lock; run offscreen unless a test sets
// another environment. A copy still running at the end is killed.
#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace robust_test {

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
    bool holdsLock() const { return QFile::exists(runtime.path() + "/OnlyOne.lock"); }

    QTemporaryDir folder, runtime;
    QString program;
    QProcess process;
};

}  // namespace robust_test
