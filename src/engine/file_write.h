// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// The one way both programs put a file on disk. The bytes go to a temporary file in the
// destination folder, which is renamed over the name only once they are all written, so the
// name holds the old file or the whole new one, never a part or a mix:
// - a symbolic link at the name is replaced as a link; its target is never touched;
// - a replaced file keeps its permission bits; a new one gets the usual ones (the umask);
// - a file its owner made read-only, a folder or anything but a regular file at the name
//   is left alone and the write fails;
// - when no temporary file can be made (a folder without write permission, no room, no
//   inodes left) the write fails and the old file stays as it was: there is no writing in
//   place.
// There is no flush to disk: thumbnails can be made again, and a sync per file would cost
// more than making one. Paths are as the file system spells them (bytes). Safe to call from
// several threads at once.
namespace engine {

// The bytes of an encoded file.
using Bytes = std::vector<std::uint8_t>;

enum class IfExists {
    Replace,  // a file at the name is replaced
    Keep,     // a file at the name (even one made while writing) stays, and nothing is written
};

struct WriteResult {
    enum class Status { Written, Exists, Failed };
    Status status = Status::Failed;
    std::string reason;  // Failed: why, one line ("permission denied", ...)

    bool written() const { return status == Status::Written; }
};

WriteResult writeFile(const std::string& path, std::span<const std::uint8_t> bytes,
                      IfExists ifExists = IfExists::Replace);

// Whether `folder` can take a new file now: an empty temporary file is made there and removed
// again. Empty when it can, else why not.
std::string folderRefusal(const std::string& folder);

// Why the calling thread's last writeFile failed, without the folder: the system's own text
// ("permission denied", "no space left on device") or one of the reasons above; empty when
// it wrote or found the name taken. For callers that only learn "not written" through a
// longer chain (the JPEG conversion).
std::string lastWriteFailure();

// A test seam for a folder that refuses new files. When set, it is asked for the folder
// before every new file there (each write, each probe of folderRefusal); a non-zero answer
// is an errno value, and the file cannot be made, as with a read-only or a full disk. Set it
// only while no write is in progress; an empty gate removes it.
using FolderGate = std::function<int(const std::string& folder)>;
void setFolderGate(FolderGate gate);

// Removes the temporary files of the writes in progress. Async-signal-safe.
void removeTemporaryFiles() noexcept;

// From now on SIGINT, SIGTERM, SIGHUP and SIGXFSZ first remove the temporary files of the
// writes in progress, then end the process as the signal does by default (so its exit status
// says so).
void removeTemporaryFilesOnSignals();

}  // namespace engine
