#pragma once
#include <QString>
#include <string_view>

namespace wrk7 {

// What a path names, symbolic links followed. Readers take regular files
// only; a save writes into a stream as it is instead of renaming a new file
// over it, which would put a regular file where the pipe or device was.
enum class FileKind {
    kMissing,  // nothing, or nothing that can be looked at
    kRegular,
    kDirectory,
    kStream,  // a FIFO or a character device (/dev/stdout, a terminal)
    kOther,   // a block device or a socket: neither read nor written
};
FileKind KindOf(const QString& path);

// The reason given for anything but a regular file, where a message has room
// for one.
inline constexpr std::string_view kNotRegularFile = "not a regular file";

}  // namespace wrk7
