// SPDX-License-Identifier: MIT
#include "thumb_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>

#include "engine/bitmap_encoder.h"
#include "engine/jpeg_encoder.h"
#include "engine/picture_file.h"

namespace thumb {

namespace {

std::string systemError(int error) {
    return std::strerror(error);
}

std::string loadError(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT ? "no such file" : "cannot be read (" + systemError(errno) + ")";
    }
    if (S_ISDIR(info.st_mode)) {
        return "is a folder, not a picture";
    }
    if (::access(path.c_str(), R_OK) != 0) {
        return "cannot be read (permission denied)";
    }
    return "cannot be loaded: not a BMP, JPEG or GIF picture, damaged, or too large";
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string randomHex() {
    thread_local std::mt19937_64 generator{std::random_device{}()};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

// A new, empty file beside `path`, with the usual permissions (the umask applies).
struct Temporary {
    int fd = -1;
    std::string name;
};

Temporary openTemporaryBeside(const std::string& path, std::string* error) {
    const std::string folder = folderOf(path);
    for (int attempt = 0; attempt < 8; ++attempt) {
        Temporary temporary;
        temporary.name = folder + "/.corvel-thumb-" + randomHex() + ".part";
        temporary.fd =
            ::open(temporary.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (temporary.fd >= 0) {
            return temporary;
        }
        if (errno != EEXIST) {
            *error = "cannot write in " + folder + ": " + systemError(errno);
            return {};
        }
    }
    *error = "cannot make a temporary file in " + folder;
    return {};
}

// The encoders under the window's writers: bitmap, and JPEG for JPG and GIF alike (GIF
// thumbnails hold JPEG data).
engine::Bytes encode(const engine::RgbImage& thumbnail, ThumbType type, int quality) {
    return type == ThumbType::Bmp ? engine::encodeBitmap(thumbnail)
                                  : engine::encodeJpeg(thumbnail, quality);
}

WriteResult moveIntoPlace(const std::string& temporary, const std::string& path, bool replace) {
    if (replace) {
        // rename(2) replaces the old file in one step.
        if (std::rename(temporary.c_str(), path.c_str()) == 0) {
            return {WriteResult::Status::Written, {}};
        }
        return {WriteResult::Status::Failed, systemError(errno)};
    }
    // Never replaces a file, even one made since the name was checked.
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
        return {WriteResult::Status::Written, {}};
    }
    if (errno == EINVAL || errno == ENOSYS) {
        // A file system without that rename: a hard link fails the same way on an existing name.
        if (::link(temporary.c_str(), path.c_str()) == 0) {
            ::unlink(temporary.c_str());
            return {WriteResult::Status::Written, {}};
        }
    }
    if (errno == EEXIST) {
        return {WriteResult::Status::Exists, {}};
    }
    return {WriteResult::Status::Failed, systemError(errno)};
}

}  // namespace

RenderedPicture renderPicture(const std::string& path, int width, int height, bool landscape) {
    const std::unique_ptr<engine::PictureDecoder> picture = engine::openPicture(path);
    if (!picture) {
        return {{}, loadError(path)};
    }
    if (landscape && picture->size().width() > picture->size().height()) {
        std::swap(width, height);
    }
    // The call size: the canvas frame eats 2 pixels in each direction.
    engine::RgbImage thumbnail = engine::readThumbnail(*picture, width + 2, height + 2);
    if (thumbnail.isNull()) {
        return {{}, "cannot be loaded: the picture data is damaged"};
    }
    return {std::move(thumbnail), {}};
}

WriteResult writeThumbnailFile(const engine::RgbImage& thumbnail, const std::string& path,
                               ThumbType type, int quality, bool replace) {
    const engine::Bytes bytes = encode(thumbnail, type, quality);
    if (bytes.empty()) {
        return {WriteResult::Status::Failed, systemError(EINVAL)};
    }
    std::string error;
    const Temporary temporary = openTemporaryBeside(path, &error);
    if (temporary.fd < 0) {
        return {WriteResult::Status::Failed, error};
    }
    bool written = engine::writeAll(temporary.fd, bytes);
    int writeError = errno;
    if (::close(temporary.fd) != 0 && written) {
        written = false;
        writeError = errno;
    }
    WriteResult result;
    if (written) {
        result = moveIntoPlace(temporary.name, path, replace);
    } else {
        result = {WriteResult::Status::Failed, systemError(writeError)};
    }
    if (result.status != WriteResult::Status::Written) {
        ::unlink(temporary.name.c_str());
    }
    return result;
}

}  // namespace thumb
