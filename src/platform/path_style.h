// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The path rules the naming logic relies on, for one style of path. The host style is POSIX;
// the Windows style exists so that the naming logic is tested against the paths it was first
// written for.
//
// The rules work on paths as the file system spells them (bytes); separators, colons and
// dots are single bytes in UTF-8, so the rules give the same result on the text a window
// shows. The same rules on the window's QString text are free functions of the platform library
// (path_style_qt.h), so code without Qt, such as corvel-thumb, uses this class alone.
class PathStyle {
  public:
    static const PathStyle& posix();
    static const PathStyle& windows();
    static const PathStyle& host() { return posix(); }

    char separator() const { return separator_; }
    bool isWindows() const { return separator_ == '\\'; }

    // The folder text, one separator unless it already ends with one, then the name.
    std::string join(std::string_view folder, std::string_view name) const;
    bool endsWithSeparator(std::string_view path) const;
    std::string withTrailingSeparator(std::string_view path) const;
    // A path that names its file system: "X:" first on Windows, a leading "/" on POSIX.
    bool hasDrive(std::string_view path) const;
    // Makes a folder text start at a root. Windows: a separator right after the first colon
    // unless one is there; without a colon, one in front unless the text starts with one.
    // POSIX: a leading separator unless there is one.
    std::string insertRoot(std::string_view path) const;
    int countSeparators(std::string_view path) const;
    // Index of the last separator, or -1.
    int lastSeparator(std::string_view path) const;

  private:
    explicit PathStyle(char separator) : separator_(separator) {}
    char separator_;
};

}  // namespace platform
