#include "platform/single_instance.h"

#include "platform/platform.h"

#include <cerrno>
#include <cstdlib>
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

std::string env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// A real folder (not a link) of this user's that nobody else can write to.
bool isPrivateFolder(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0 && ::access(path.c_str(), W_OK | X_OK) == 0;
}

// Creates the folder 0700 when missing; one that exists must be the user's.
bool makePrivateFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    if ((st.st_mode & 077) != 0 && ::chmod(path.c_str(), 0700) != 0)
        return false;
    return isPrivateFolder(path);
}

}  // namespace

std::vector<std::string> instanceLockFolders()
{
    std::vector<std::string> folders;
    const std::string runtime = env("XDG_RUNTIME_DIR");
    if (!runtime.empty() && isPrivateFolder(runtime))
        folders.push_back(runtime);
    const std::string uid = std::to_string(::geteuid());
    std::string temp = env("TMPDIR");
    if (temp.empty())
        temp = "/tmp";
    if (const std::string own = temp + "/qinghe-" + uid; makePrivateFolder(own))
        folders.push_back(own);
    if (const std::string home = env("HOME"); !home.empty()) {
        const std::string cache = home + "/.cache";
        ::mkdir(cache.c_str(), 0700);
        if (const std::string own = cache + "/qinghe-" + uid; makePrivateFolder(own))
            folders.push_back(own);
    }
    return folders;
}

InstanceLock takeInstanceLock(const std::string& name)
{
    InstanceLock lock;
    lock.error = ENOENT;
    for (const std::string& folder : instanceLockFolders()) {
        const std::string path = folder + "/" + name + ".lock";
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            lock.error = errno;
            continue;
        }
        // A lock file someone else made is never used: it could be held
        // against this user forever.
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
            lock.error = EPERM;
            ::close(fd);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) {
                lock.error = errno;
                ::close(fd);
                continue;
            }
            lock.heldElsewhere = true;
        }
        lock.fd = fd;
        lock.error = 0;
        lock.path = path;
        return lock;
    }
    return lock;
}

}  // namespace platform
