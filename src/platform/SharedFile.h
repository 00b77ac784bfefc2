// Named shared memory: a fixed-size file in the runtime folder mapped
// MAP_SHARED by every process that uses it, and a robust process-shared
// mutex kept in such a file.
//
// The owner creates the file under a temporary name, sizes and initialises
// it, then renames it into place, so a peer never sees a half-made object; a
// leftover of a crashed owner is replaced by that rename. The owner removes
// the file again when it closes (a peer's mapping stays valid until the peer
// unmaps). Peers open an existing file and refuse one that is not a regular
// file of exactly the expected size.
//
// The storage is allocated before the file is mapped, so a full file system
// is an error at creation instead of a SIGBUS at the first copy. A mapped
// file that someone shortens would fault the same way: checkSize() before
// each access finds that, and the owner restores the size.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <pthread.h>
#include <string>
#include <sys/types.h>

namespace orvyn {

enum class SharedFileResult {
    Ready,   // mapped
    Missing, // peer: no such file (its owner is not running)
    Invalid, // peer: not a regular file, or not exactly the expected size
    Error,   // any system failure; see error()
};

class SharedBlockFile {
public:
    SharedBlockFile() = default;
    ~SharedBlockFile(); // close()
    SharedBlockFile(const SharedBlockFile &) = delete;
    SharedBlockFile &operator=(const SharedBlockFile &) = delete;

    // Owner: a fresh zero-filled file of `size` bytes, mode 0600, at `path`.
    // `initialise` (optional) runs on the mapping before the file becomes
    // visible under its name.
    SharedFileResult create(const std::string &path, std::size_t size,
                            const std::function<bool(void *)> &initialise = {});
    // Peer: maps an existing file of exactly `size` bytes.
    SharedFileResult open(const std::string &path, std::size_t size);
    // Unmaps; the owner also removes the file while it is still its own.
    void close();

    enum class SizeCheck {
        Intact,   // the mapped file still has its size
        Restored, // it had been cut or grown; the owner gave it back its size
                  // (the cut part now reads as zeros)
        Broken,   // not mapped, or a peer's file with the wrong size
    };
    // Whether every byte of the mapping is still backed by the file. Call it
    // before touching the mapping.
    SizeCheck checkSize();

    bool isMapped() const { return data_ != nullptr; }
    bool isOwner() const { return owner_; }
    // True while the file at the path is still the one mapped (same device
    // and inode): an owner that started again has put a new one in place.
    bool isStillInPlace() const;
    void *data() const { return data_; }
    std::size_t size() const { return size_; }
    const std::string &error() const { return error_; }

private:
    void *data_ = nullptr;
    std::size_t size_ = 0;
    int fd_ = -1; // kept open for checkSize()
    std::string path_;
    bool owner_ = false;
    dev_t dev_ = 0;
    ino_t ino_ = 0;
    std::string error_;
};

enum class MutexLock {
    Acquired,
    RecoveredOwnerDied, // the previous holder died holding it; made
                        // consistent and now held (the data it guarded may
                        // be half-copied)
    Failed,             // not opened, unrecoverable, its file was cut, or
                        // not acquired within the time limit
};

// A holder stopped by a signal (or stuck) must not freeze the other program:
// a copy that cannot get the lock within this time is skipped.
inline constexpr std::chrono::milliseconds kMutexWaitLimit{2000};

// A pthread_mutex_t at offset 0 of its own file, PTHREAD_PROCESS_SHARED and
// PTHREAD_MUTEX_ROBUST (and error-checking, so a thread locking it twice
// fails instead of hanging). The file is exactly sizeof(pthread_mutex_t).
class RobustMutex {
public:
    static constexpr std::size_t kFileSize = sizeof(pthread_mutex_t);

    SharedFileResult create(const std::string &path);
    SharedFileResult open(const std::string &path);
    void close() { file_.close(); }
    bool isOpen() const { return file_.isMapped(); }
    bool isStillInPlace() const { return file_.isStillInPlace(); }
    const std::string &error() const { return file_.error(); }

    // Waits at most `limit`. A holder that dies does not block us:
    // EOWNERDEAD is answered with pthread_mutex_consistent and counts as
    // acquired. When the mutex file was cut, the owner restores and
    // re-initialises it and this lock fails.
    MutexLock lock(std::chrono::milliseconds limit = kMutexWaitLimit);
    void unlock();

private:
    pthread_mutex_t *mutex() const { return static_cast<pthread_mutex_t *>(file_.data()); }
    static bool initialise(void *at);
    SharedBlockFile file_;
};

// Holds a RobustMutex for one scope.
class MutexGuard {
public:
    explicit MutexGuard(RobustMutex &mutex, std::chrono::milliseconds limit = kMutexWaitLimit)
        : mutex_(mutex), result_(mutex.lock(limit)) {}
    ~MutexGuard() {
        if (locked())
            mutex_.unlock();
    }
    MutexGuard(const MutexGuard &) = delete;
    MutexGuard &operator=(const MutexGuard &) = delete;
    bool locked() const { return result_ != MutexLock::Failed; }
    MutexLock result() const { return result_; }

private:
    RobustMutex &mutex_;
    MutexLock result_;
};

} // namespace orvyn
