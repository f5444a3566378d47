// The seam between the program and the operating system: every side effect
// (renames, media commands, pauses, dialogs, the instance lock, the clock that
// seeds the random generator) goes through the current Platform, so tests can
// swap in a recording double.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Answers of the Yes/No question, as the class library numbers them.
constexpr int mrYes = 6;
constexpr int mrNo = 7;

// GetLastError value after CreateMutexA when the mutex exists already.
constexpr unsigned long ERROR_ALREADY_EXISTS = 183;

using Handle = intptr_t;  // 0 means "no handle"

class Platform {
public:
    virtual ~Platform() = default;

    // MoveFileA: false when the source is missing or the target exists.
    virtual bool moveFile(const std::string& from, const std::string& to) = 0;
    // mciSendStringA with no return buffer and no callback window.
    virtual int mciSendString(const std::string& command) = 0;
    // PlaySoundA(nil, 0, 0): silences what PlaySound started.
    virtual void playSoundNone() = 0;
    // Sleep: blocks the calling (window) thread.
    virtual void sleep(int milliseconds) = 0;
    // MessageBoxA with an OK button and the information icon.
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    // MessageDlg(text, mtConfirmation, [mbYes, mbNo]): mrYes or mrNo.
    virtual int messageDlg(const std::string& text) = 0;
    // CreateMutexA / GetLastError / CloseHandle.
    virtual Handle createMutex(const std::string& name) = 0;
    virtual unsigned long getLastError() = 0;
    virtual void closeHandle(Handle handle) = 0;
    // The high-resolution performance counter that Randomize reads.
    virtual uint64_t highResolutionCounter() = 0;
    // Full path of the running program (TApplication.GetExeName).
    virtual std::string exeName() = 0;
};

// The platform in force; the real one unless a test installed another.
Platform& current();
// Installs p (nullptr restores the real platform); returns the previous one.
Platform* install(Platform* p);

// The real platform: POSIX files, the media interpreter, Qt dialogs.
Platform& real();

// Shorthands in the Windows API's spelling, used by the screens.
inline bool MoveFileA(const std::string& from, const std::string& to) { return current().moveFile(from, to); }
inline int mciSendStringA(const std::string& command) { return current().mciSendString(command); }
inline void Sleep(int ms) { current().sleep(ms); }

// ExtractFilePath: everything up to and including the last '/' (or '\\', ':').
std::string ExtractFilePath(const std::string& path);

}  // namespace platform
