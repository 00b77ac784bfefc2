// Reading and replacing the suite's files safely. A read takes only a
// regular file, up to a limit that suits its format, and never blocks on a
// FIFO or a device. A replacement is atomic: an exclusively created,
// unpredictably named temporary file in the target's own folder is written,
// flushed and renamed over the target, so a crash, a full disk or a planted
// link never leaves a half-written file or writes somewhere else.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvyn {

enum class ReadStatus {
    Ok,
    Missing,    // no such file (or a folder on the way is missing)
    NotRegular, // a FIFO, a device, a folder, a socket
    TooLarge,   // larger than the caller's limit
    Failed,     // no permission, I/O error, a link where none is allowed
};

// Whether the last component of a path may be a symbolic link. Settings
// files may be links (dotfiles kept elsewhere); names that only the suite
// creates are opened without following one.
enum class LinkPolicy { Follow, Refuse };

struct FileRead {
    ReadStatus status = ReadStatus::Failed;
    std::string contents; // the whole file when status is Ok
    std::string error;    // what went wrong, for a message; empty when Ok
    bool ok() const { return status == ReadStatus::Ok; }
};

// Reads the whole file at `path` when it is a regular file of at most
// `maxBytes` bytes. Memory stays bounded by the limit whatever the file is.
FileRead readRegularFile(const std::string &path, std::size_t maxBytes,
                         LinkPolicy links = LinkPolicy::Follow);

// Replaces the file at `path` with `contents` atomically. When `path` is a
// symbolic link, the file it points to is replaced in its own folder and the
// link stays. The new file keeps the old file's mode (0644 for a new one).
// On failure the old file is untouched, no temporary file is left, and
// `error` (when given) says why.
bool replaceFileAtomically(const std::string &path, std::string_view contents, std::string *error = nullptr);

// The file a path finally names after following symbolic links (up to 40);
// the path itself when it is not a link; empty for a link loop.
std::string resolveLinks(const std::string &path);

// Advisory lock on a folder for the length of a read-modify-write cycle, so
// programs that share the folder never lose each other's edits. Best
// effort: without it a write is still atomic, only concurrent edits race.
class FolderLock {
public:
    explicit FolderLock(const std::string &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;
    bool locked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The folder part of a path ("." for a bare name, "/" for the root).
std::string folderOfPath(const std::string &path);

} // namespace orvyn
