#include "platform/file_reading.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

const char* fileKind(unsigned mode)
{
    switch (mode & S_IFMT) {
    case S_IFREG:
        return "a regular file";
    case S_IFDIR:
        return "a directory";
    case S_IFIFO:
        return "a FIFO";
    case S_IFSOCK:
        return "a socket";
    case S_IFCHR:
        return "a character device";
    case S_IFBLK:
        return "a block device";
    case S_IFLNK:
        return "a symbolic link";
    default:
        return "not a regular file";
    }
}

namespace {

FileRead failure(int error)
{
    FileRead r;
    r.status = error == ENOENT || error == ENOTDIR || error == ELOOP ? FileReadStatus::Missing : FileReadStatus::Failed;
    return r;
}

FileRead notRegular(mode_t mode)
{
    FileRead r;
    r.status = FileReadStatus::NotRegular;
    r.kind = fileKind(mode);
    return r;
}

}  // namespace

FileRead readRegularFile(const std::string& path, uint64_t maxBytes, std::string& out)
{
    out.clear();
    // Looked at before it is opened: opening a device can do something of
    // its own, and opening a socket fails without saying what it is.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return failure(errno);
    if (!S_ISREG(st.st_mode))
        return notRegular(st.st_mode);
    // Something else may have been put under the name since: without
    // O_NONBLOCK a FIFO would wait here for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failure(errno);
    FileRead r;
    if (::fstat(fd, &st) != 0) {
        r = failure(errno);
    } else if (!S_ISREG(st.st_mode)) {
        r = notRegular(st.st_mode);
    } else {
        r.size = static_cast<uint64_t>(st.st_size);
        if (r.size > maxBytes) {
            r.status = FileReadStatus::TooLarge;
        } else {
            out.resize(static_cast<size_t>(r.size));
            size_t got = 0;
            r.status = FileReadStatus::Read;
            while (got < out.size()) {
                const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0) {
                    r.status = FileReadStatus::Failed;
                    break;
                }
                if (n == 0)
                    break;  // shorter than it was a moment ago
                got += static_cast<size_t>(n);
            }
            out.resize(r.status == FileReadStatus::Read ? got : 0);
        }
    }
    ::close(fd);
    return r;
}

}  // namespace platform
