// Reading a whole file from a folder that others may write to (sounds,
// pictures): only a regular file is read, within a size limit, and it is
// opened without blocking, so a FIFO, a device, a socket or a directory
// under its name never holds up the window thread.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

enum class FileReadStatus {
    Read,        // the whole file is in `out`
    Missing,     // nothing under the name
    NotRegular,  // a FIFO, device, socket or directory: not opened for reading
    TooLarge,    // larger than the limit: nothing read
    Failed,      // no permission, or an error while reading
};

struct FileRead {
    FileReadStatus status = FileReadStatus::Missing;
    const char* kind = "";  // what it is when not a regular file ("a FIFO", "a directory")
    uint64_t size = 0;      // its size when it is a regular file
};

// Reads the file at path (links followed) into out when it is a regular
// file of at most maxBytes bytes; out is empty otherwise.
FileRead readRegularFile(const std::string& path, uint64_t maxBytes, std::string& out);

// What a file of that st_mode is, as a warning names it ("a directory").
const char* fileKind(unsigned mode);

}  // namespace platform
