#include "platform/platform.h"

#include "platform/media_control.h"
#include "platform/single_instance.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <time.h>
#include <unistd.h>

namespace platform {

namespace {

class RealPlatform : public Platform {
public:
    bool moveFile(const std::string& from, const std::string& to) override
    {
        // Never replace an existing target: a sound file is never lost to a
        // rename.
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
        // File systems without RENAME_NOREPLACE: link, then unlink the old name.
        if (::link(from.c_str(), to.c_str()) != 0)
            return false;
        ::unlink(from.c_str());
        return true;
    }

    int mciSendString(const std::string& command) override { return mediaInterpreter().send(command); }

    void playSoundNone() override {}

    void sleep(int milliseconds) override
    {
        if (milliseconds > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

    void messageBox(const std::string& text, const std::string& title) override
    {
        QMessageBox box(QMessageBox::Information, QString::fromStdString(title), QString::fromStdString(text),
                        QMessageBox::Ok);
        box.exec();
    }

    int messageDlg(const std::string& text) override
    {
        // Worded for the program's Chinese-speaking users.
        QMessageBox box(QMessageBox::Question, QStringLiteral("确认"), QString::fromStdString(text),
                        QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否"));
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? mrYes : mrNo;
    }

    Handle createMutex(const std::string& name) override
    {
        // Like the system's named mutex, the lock goes with the process, also
        // when it crashes. It lies beside the program, in the folder that
        // holds its media folders: every copy that would rename the same
        // sound files finds it, whatever its environment.
        return createInstanceLock(ExtractFilePath(exeName()), name, lastError_);
    }

    unsigned long getLastError() override { return lastError_; }

    void closeHandle(Handle handle) override { closeInstanceLock(handle); }

    uint64_t highResolutionCounter() override
    {
        timespec ts{};
        if (::clock_gettime(CLOCK_MONOTONIC, &ts) == 0)
            return static_cast<uint64_t>(ts.tv_sec) * 1000000000ull + static_cast<uint64_t>(ts.tv_nsec);
        // No high-resolution counter: the tick count in milliseconds.
        return static_cast<uint64_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
                .count());
    }

    std::string exeName() override
    {
        char buf[PATH_MAX];
        const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
        if (n > 0)
            return std::string(buf, static_cast<size_t>(n));
        return QCoreApplication::applicationFilePath().toStdString();
    }

private:
    unsigned long lastError_ = 0;
};

Platform* g_installed = nullptr;

}  // namespace

Platform& real()
{
    static RealPlatform p;
    return p;
}

Platform& current()
{
    return g_installed ? *g_installed : real();
}

Platform* install(Platform* p)
{
    Platform* previous = g_installed;
    g_installed = p;
    return previous;
}

std::string ExtractFilePath(const std::string& path)
{
    const size_t i = path.find_last_of("/\\:");
    return i == std::string::npos ? std::string() : path.substr(0, i + 1);
}

}  // namespace platform
