// A recording double of the platform: one ordered log of renames, media
// commands, pauses, dialogs and their answers. Renames are also carried out
// on disk (by default), so the ".dat"/".wav" round trip can be checked.
#pragma once

#include "platform/platform.h"

#include <QTemporaryDir>

#include <deque>
#include <string>
#include <vector>

namespace testing_support {

class RecordingPlatform : public platform::Platform {
public:
    RecordingPlatform();
    ~RecordingPlatform() override;

    std::vector<std::string> log;
    bool performRenames = true;
    std::deque<int> dialogAnswers;  // answers to messageDlg, in order; mrNo when empty
    bool mutexFails = false;
    bool mutexExists = false;
    uint64_t counter = 0x12345678u;
    std::string exe;  // full path of the "running program"

    // Log lines of one kind.
    std::vector<std::string> mediaCommands() const;  // the raw command strings
    void clear() { log.clear(); }

    bool moveFile(const std::string& from, const std::string& to) override;
    int mciSendString(const std::string& command) override;
    void playSoundNone() override;
    void sleep(int milliseconds) override;
    void messageBox(const std::string& text, const std::string& title) override;
    int messageDlg(const std::string& text) override;
    platform::Handle createMutex(const std::string& name) override;
    unsigned long getLastError() override;
    void closeHandle(platform::Handle handle) override;
    uint64_t highResolutionCounter() override;
    std::string exeName() override;

private:
    platform::Platform* previous_;
    unsigned long lastError_ = 0;
};

// Expected log lines of one PlayLessonSound (without its stop step).
std::vector<std::string> PlaySteps(const std::string& mediaFolder, const std::string& name);
// Expected log lines of one StopLessonSound.
std::vector<std::string> StopSteps(const std::string& alias);
// Log line formats.
std::string RenameLine(const std::string& from, const std::string& to);
std::string SleepLine(int ms);
std::string AskLine(const std::string& text);
std::string BoxLine(const std::string& title, const std::string& text);
inline const char* kPlaySoundNone = "PlaySound(nil)";

// Concatenation of step lists.
std::vector<std::string> Steps(std::initializer_list<std::vector<std::string>> parts);

// A program folder in a temporary directory whose name contains a blank,
// with media folders holding ".dat" files; the double's exe lives there.
class MediaFixture {
public:
    explicit MediaFixture(RecordingPlatform& platform);
    // The folder of the running program, with its trailing "/".
    std::string programFolder() const;
    // Creates folder/name.dat (folder is a media folder literal such as
    // "pinyin\\yunmu\\"); returns its path.
    std::string addSound(const std::string& folderLiteral, const std::string& name,
                         const std::string& bytes = "RIFF----WAVEfmt ");
    std::string path(const std::string& folderLiteral, const std::string& file) const;

private:
    QTemporaryDir dir_;
    std::string root_;
};

}  // namespace testing_support
