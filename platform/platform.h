// The seam between the program and the operating system: every side effect
// (renames, media commands, pauses, dialogs, the instance lock, the clock that
// seeds the random generator) goes through the current Platform, so tests can
// swap in a recording double.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Answers of the Yes/No question (the screens compare with 6 for Yes).
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// The error the instance lock reports when another copy holds it already.
constexpr unsigned long ERROR_ALREADY_EXISTS = 183;

using Handle = intptr_t;  // 0 means "no handle"

class Platform {
public:
    virtual ~Platform() = default;

    // Renames a file, never over an existing one: false when the source is
    // missing or the target exists.
    virtual bool moveFile(const std::string& from, const std::string& to) = 0;
    // One command of the media interpreter ("OPEN ... ALIAS x", "PLAY x",
    // "CLOSE x"); 0 when it was carried out.
    virtual int mciSendString(const std::string& command) = 0;
    // Silences the system sound player.
    virtual void playSoundNone() = 0;
    // Blocks the calling (window) thread for that long.
    virtual void sleep(int milliseconds) = 0;
    // A message box with an OK button and the information icon.
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    // A Yes/No question: mrYes or mrNo.
    virtual int messageDlg(const std::string& text) = 0;
    // The instance lock "OnlyOne" of the program's folder: taken, the error
    // of the last attempt, released.
    virtual Handle createMutex(const std::string& name) = 0;
    virtual unsigned long getLastError() = 0;
    virtual void closeHandle(Handle handle) = 0;
    // The monotonic clock in nanoseconds that Randomize seeds from.
    virtual uint64_t highResolutionCounter() = 0;
    // Full path of the running program (/proc/self/exe).
    virtual std::string exeName() = 0;
};

// The platform in force; the real one unless a test installed another.
Platform& current();
// Installs p (nullptr restores the real platform); returns the previous one.
Platform* install(Platform* p);

// The real platform: POSIX files, the media interpreter, Qt dialogs.
Platform& real();

// Shorthands for the screens, named as the screens' steps name them.
inline bool MoveFileA(const std::string& from, const std::string& to)
{
    return current().moveFile(from, to);
}
inline int mciSendStringA(const std::string& command)
{
    return current().mciSendString(command);
}
inline void Sleep(int ms)
{
    current().sleep(ms);
}

// ExtractFilePath: everything up to and including the last '/' (or '\\', ':').
std::string ExtractFilePath(const std::string& path);

}  // namespace platform
