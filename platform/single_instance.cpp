#include "platform/single_instance.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int RunSingleInstance(const std::function<int()>& body)
{
    Platform& p = current();
    const Handle mutex = p.createMutex("OnlyOne");
    if (mutex == 0) {
        p.messageBox("创建互斥对象失败!", "Error");
        return 0;
    }
    if (p.getLastError() == ERROR_ALREADY_EXISTS) {
        p.closeHandle(mutex);
        return 0;
    }
    const int code = body();
    p.closeHandle(mutex);
    return code;
}

namespace {

// A folder in which no other user can remove, rename or replace the lock
// file: its owner is the user or root, and the others cannot write to it
// (in a sticky folder they can, but only their own files).
bool isSafeFolder(const struct stat& st)
{
    return S_ISDIR(st.st_mode) && (st.st_uid == ::geteuid() || st.st_uid == 0) &&
           ((st.st_mode & (S_IWGRP | S_IWOTH)) == 0 || (st.st_mode & S_ISVTX) != 0);
}

}  // namespace

InstanceLock takeInstanceLock(const std::string& folder, const std::string& name)
{
    InstanceLock lock;
    lock.path = folder + (folder.empty() || folder.back() != '/' ? "/" : "") + name + ".lock";
    const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        lock.error = errno;
        return lock;
    }
    struct stat st {};
    if (::fstat(dir, &st) != 0 || !isSafeFolder(st)) {
        lock.error = EPERM;
        ::close(dir);
        return lock;
    }
    // Not through a link; a FIFO or device planted under the name neither
    // blocks nor becomes the terminal.
    const std::string file = name + ".lock";
    const int fd = ::openat(dir, file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    lock.error = fd < 0 ? errno : 0;
    ::close(dir);
    if (fd < 0)
        return lock;
    // A lock file someone else made, or one with another name that someone
    // else can reach, is never used: it could be held against this user
    // forever.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1 ||
        ((st.st_mode & 077) != 0 && ::fchmod(fd, 0600) != 0)) {
        lock.error = EPERM;
        ::close(fd);
        return lock;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) {
            lock.error = errno;
            ::close(fd);
            return lock;
        }
        lock.heldElsewhere = true;
    }
    lock.fd = fd;
    return lock;
}

Handle createInstanceLock(const std::string& folder, const std::string& name, unsigned long& lastError)
{
    const InstanceLock lock = takeInstanceLock(folder, name);
    if (lock.fd < 0) {
        lastError = static_cast<unsigned long>(lock.error);
        return 0;
    }
    lastError = lock.heldElsewhere ? ERROR_ALREADY_EXISTS : 0;
    return lock.fd + 1;  // 0 stays "no handle" even for descriptor 0
}

void closeInstanceLock(Handle handle)
{
    if (handle > 0)
        ::close(static_cast<int>(handle - 1));
}

}  // namespace platform
