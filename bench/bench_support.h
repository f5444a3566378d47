// What the benchmarks share: a platform whose sound card only counts plays,
// a program folder with media, and the offscreen entry point.
#pragma once

#include "platform/media_control.h"
#include "platform/platform.h"

#include <QTemporaryDir>

#include <initializer_list>
#include <string>

namespace bench {

// Real renames, its own media interpreter over a counting sound card; no
// dialogs, no pauses.
class BenchPlatform : public platform::Platform, private platform::AudioDevice {
public:
    explicit BenchPlatform(std::string exe);
    ~BenchPlatform() override;
    uint64_t plays = 0;

    bool moveFile(const std::string& a, const std::string& b) override;
    int mciSendString(const std::string& c) override { return mci_.send(c); }
    void playSoundNone() override {}
    void sleep(int) override {}
    void messageBox(const std::string&, const std::string&) override {}
    int messageDlg(const std::string&) override { return platform::mrNo; }
    platform::Handle createMutex(const std::string&) override { return 1; }
    unsigned long getLastError() override { return 0; }
    void closeHandle(platform::Handle) override {}
    uint64_t highResolutionCounter() override { return 1; }
    std::string exeName() override { return exe_; }

private:
    uint64_t start(const std::shared_ptr<const std::string>&) override { return ++plays; }
    void stop(uint64_t) override {}

    std::string exe_;
    platform::Platform* previous_;
    platform::MediaInterpreter mci_{this};
};

// The program folder: the build's own when its media folder holds the
// sounds, otherwise a temporary one with short stand-ins.
class ProgramFolder {
public:
    ProgramFolder(const std::string& mediaFolder, std::initializer_list<const char*> sounds);
    const std::string& exe() const { return exe_; }

private:
    QTemporaryDir tmp_;
    std::string exe_;
};

// Runs the registered benchmarks with an application object on the
// offscreen platform.
int RunOffscreen(int argc, char** argv);

}  // namespace bench
