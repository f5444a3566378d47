#include "platform/sound_files.h"

#include "platform/file_reading.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

int restoreLeftoverSounds(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    std::vector<std::string> stems;
    while (const dirent* e = ::readdir(dir)) {
        const size_t n = std::strlen(e->d_name);
        if (n > 4 && std::strcmp(e->d_name + n - 4, ".wav") == 0)
            stems.emplace_back(e->d_name, n - 4);
    }
    ::closedir(dir);
    int restored = 0;
    for (const std::string& stem : stems) {
        const std::string wav = folder + stem + ".wav", dat = folder + stem + ".dat";
        // Whatever a play renamed (a FIFO, a directory, a link as much as a
        // regular file) gets its name back; nothing is opened.
        struct stat st {};
        if (::lstat(wav.c_str(), &st) != 0)
            continue;
        // The rename never replaces: with both names present nothing moves.
        if (real().moveFile(wav, dat)) {
            qWarning("Sound file %s (%s) was left under its .wav name; renamed back", wav.c_str(),
                     fileKind(st.st_mode));
            ++restored;
        }
    }
    return restored;
}

namespace {

int g_pipe[2] = {-1, -1};

extern "C" void noteSignal(int signo)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signo);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

void installTerminationHandler(std::function<void()> beforeExit)
{
    if (g_pipe[0] >= 0 || !QCoreApplication::instance())
        return;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("Termination signals: no pipe: %s", std::strerror(errno));
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, beforeExit] {
        unsigned char byte = 0;
        while (::read(g_pipe[0], &byte, 1) == 1) {}
        notifier->setEnabled(false);
        qWarning("Ending on signal %d", static_cast<int>(byte));
        if (beforeExit)
            beforeExit();
        QCoreApplication::exit(0);
    });
    struct sigaction sa {};
    sa.sa_handler = noteSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (const int signo : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signo, &sa, nullptr);
}

}  // namespace platform
