// SPDX-License-Identifier: MIT
#include "engine/file_write.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <utility>

namespace engine {

namespace {

std::string systemError(int error) {
    std::string text = std::strerror(error);
    if (!text.empty()) {
        text[0] = char(std::tolower(static_cast<unsigned char>(text[0])));
    }
    return text;
}

thread_local std::string lastFailure;

FolderGate& folderGate() {
    static FolderGate gate;
    return gate;
}

// `cause` is why, `context` what was being done when it happened.
WriteResult failed(std::string cause, const std::string& context = {}) {
    lastFailure = cause;
    return {WriteResult::Status::Failed,
            context.empty() ? std::move(cause) : context + ": " + cause};
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The temporary files being written, for a signal handler to remove: fixed slots of plain
// characters, so the handler neither allocates nor follows a pointer that may be freed. A
// write that finds every slot taken goes on unregistered (its file is only left behind if
// a signal comes in the few instants it takes).
struct TemporarySlot {
    std::atomic<bool> taken{false};
    std::atomic<bool> live{false};
    char path[PATH_MAX];
};
std::array<TemporarySlot, 32> temporarySlots;

class RegisteredTemporary {
  public:
    explicit RegisteredTemporary(const std::string& path) {
        if (path.size() >= PATH_MAX) {
            return;
        }
        for (TemporarySlot& slot : temporarySlots) {
            if (!slot.taken.exchange(true, std::memory_order_acquire)) {
                std::memcpy(slot.path, path.c_str(), path.size() + 1);
                slot.live.store(true, std::memory_order_release);
                slot_ = &slot;
                return;
            }
        }
    }
    ~RegisteredTemporary() {
        if (slot_ != nullptr) {
            slot_->live.store(false, std::memory_order_release);
            slot_->taken.store(false, std::memory_order_release);
        }
    }
    RegisteredTemporary(const RegisteredTemporary&) = delete;
    RegisteredTemporary& operator=(const RegisteredTemporary&) = delete;

  private:
    TemporarySlot* slot_ = nullptr;
};

std::string randomName() {
    thread_local std::mt19937_64 generator{std::random_device{}()};
    char text[32];
    std::snprintf(text, sizeof text, ".corvel-%016llx.tmp",
                  static_cast<unsigned long long>(generator()));
    return text;
}

// A new empty file in `folder`, registered for removal on a signal before it exists.
class Temporary {
  public:
    explicit Temporary(const std::string& folder) {
        if (const FolderGate& gate = folderGate(); gate) {
            error_ = gate(folder);
            if (error_ != 0) {
                return;
            }
        }
        for (int attempt = 0; attempt < 8; ++attempt) {
            name_ = folder + '/' + randomName();
            registered_.emplace(name_);
            fd_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd_ >= 0) {
                made_ = true;
                return;
            }
            error_ = errno;
            registered_.reset();
            if (error_ != EEXIST) {
                return;
            }
        }
    }
    ~Temporary() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        // Only a file this made: a name that was taken belongs to someone else.
        if (made_ && !kept_) {
            ::unlink(name_.c_str());
        }
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    int error() const { return error_; }
    const std::string& name() const { return name_; }
    // Closes the file; false (with errno) when the last of its data could not be written.
    bool close() {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }
    // It is at its final name now: nothing to remove.
    void keep() { kept_ = true; }

  private:
    std::string name_;
    std::optional<RegisteredTemporary> registered_;
    int fd_ = -1;
    int error_ = 0;
    bool made_ = false;
    bool kept_ = false;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    const std::uint8_t* at = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, at, left);
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            if (done == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        at += done;
        left -= std::size_t(done);
    }
    return true;
}

// Renames the finished temporary file to `path` without replacing anything there.
WriteResult moveIntoFreeName(const std::string& temporary, const std::string& path) {
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
        return {WriteResult::Status::Written, {}};
    }
    if (errno == EINVAL || errno == ENOSYS) {
        // A file system without that rename: a hard link fails the same way on a taken name.
        if (::link(temporary.c_str(), path.c_str()) == 0) {
            ::unlink(temporary.c_str());
            return {WriteResult::Status::Written, {}};
        }
    }
    if (errno == EEXIST) {
        return {WriteResult::Status::Exists, {}};
    }
    return failed(systemError(errno));
}

}  // namespace

WriteResult writeFile(const std::string& path, std::span<const std::uint8_t> bytes,
                      IfExists ifExists) {
    lastFailure.clear();
    if (path.empty()) {
        return failed("no file name");
    }
    struct stat old {};
    const bool exists = ::lstat(path.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) {
        return failed(systemError(errno));
    }
    if (exists) {
        if (ifExists == IfExists::Keep) {
            return {WriteResult::Status::Exists, {}};
        }
        if (S_ISDIR(old.st_mode)) {
            return failed("it is a folder");
        }
        if (!S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode)) {
            return failed("it is not a regular file");
        }
        // Its owner made it read-only: replacing it through the folder would go around that.
        if (S_ISREG(old.st_mode) && ::access(path.c_str(), W_OK) != 0 && errno == EACCES) {
            return failed("permission denied (the file is read-only)");
        }
    }

    const std::string folder = folderOf(path);
    Temporary temporary(folder);
    if (!temporary.isOpen()) {
        return failed(systemError(temporary.error()), "cannot make a temporary file in " + folder);
    }
    // A replaced link gives way to a plain file with the usual permissions.
    if (exists && S_ISREG(old.st_mode) && ::fchmod(temporary.fd(), old.st_mode & 0777) != 0) {
        return failed(systemError(errno));
    }
    if (!writeAll(temporary.fd(), bytes)) {
        return failed(systemError(errno));
    }
    if (!temporary.close()) {
        return failed(systemError(errno));
    }
    if (ifExists == IfExists::Keep) {
        const WriteResult result = moveIntoFreeName(temporary.name(), path);
        if (result.written()) {
            temporary.keep();
        }
        return result;
    }
    // rename(2) replaces the name in one step, a link as a link: readers see the old file or
    // the new one.
    if (::rename(temporary.name().c_str(), path.c_str()) != 0) {
        return failed(systemError(errno));
    }
    temporary.keep();
    return {WriteResult::Status::Written, {}};
}

std::string folderRefusal(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return systemError(errno);
    }
    if (!S_ISDIR(info.st_mode)) {
        return "not a folder";
    }
    const Temporary probe(folder);
    return probe.isOpen() ? std::string() : systemError(probe.error());
}

std::string lastWriteFailure() {
    return lastFailure;
}

void setFolderGate(FolderGate gate) {
    folderGate() = std::move(gate);
}

void removeTemporaryFiles() noexcept {
    for (TemporarySlot& slot : temporarySlots) {
        if (slot.live.load(std::memory_order_acquire)) {
            ::unlink(slot.path);
        }
    }
}

namespace {

void removeAndEnd(int signal) {
    const int saved = errno;
    removeTemporaryFiles();
    // The handler was reset to the default on entry; the signal comes again as soon as this
    // handler returns, and ends the process the usual way.
    ::raise(signal);
    errno = saved;
}

}  // namespace

void removeTemporaryFilesOnSignals() {
    struct sigaction action {};
    action.sa_handler = removeAndEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    // SIGXFSZ too: a write past the file size limit ends the program in the middle of a write.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGXFSZ}) {
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace engine
