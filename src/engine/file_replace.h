// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace engine {

// The bytes of an encoded file.
using Bytes = std::vector<std::uint8_t>;

// Puts `bytes` in the file `path` (as the file system spells it). An existing file is replaced only
// once they are all written (through a temporary file beside it, renamed over it), so a failed
// write leaves it as it was; it keeps its permissions, and a symbolic link is followed. Where no
// temporary file can be made beside it, an existing file is overwritten in place.
// Safe to call from several threads at once.
// There is no flush to disk: thumbnails can be made again, and a sync per file would cost
// more than making one.
bool replaceFile(const std::string& path, const Bytes& bytes);

// All of `bytes` to the open file `fd`, retrying short and interrupted writes.
bool writeAll(int fd, const Bytes& bytes);

}  // namespace engine
