#pragma once

#include <QChar>
#include <QString>

namespace platform {

// The path rules the naming logic relies on, for one style of path. The host style is POSIX;
// the Windows style exists so that the naming logic is tested against the paths it was first
// written for.
class PathStyle {
  public:
    static const PathStyle& posix();
    static const PathStyle& windows();
    static const PathStyle& host() { return posix(); }

    QChar separator() const { return separator_; }
    bool isWindows() const { return separator_ == QLatin1Char('\\'); }

    // The folder text, one separator unless it already ends with one, then the name.
    QString join(const QString& folder, const QString& name) const;
    bool endsWithSeparator(const QString& path) const;
    QString withTrailingSeparator(const QString& path) const;
    // A path that names its file system: "X:" first on Windows, a leading "/" on POSIX.
    bool hasDrive(const QString& path) const;
    // Makes a folder text start at a root. Windows: a separator right after the first colon
    // unless one is there; without a colon, one in front unless the text starts with one.
    // POSIX: a leading separator unless there is one.
    QString insertRoot(const QString& path) const;
    int countSeparators(const QString& path) const;
    // Index of the last separator, or -1.
    int lastSeparator(const QString& path) const;

    // What the destination box shows when no folder is chosen, and its same-folder form.
    QString placeholderFolder() const;  // "c:\FilePath\" or "/FilePath/"
    QString placeholderFile() const;    // "c:\FilePath\FileName" or "/FilePath/FileName"
    bool isPlaceholder(const QString& text) const {
        return text == placeholderFolder() || text == placeholderFile();
    }

  private:
    explicit PathStyle(QChar separator) : separator_(separator) {}
    QChar separator_;
};

}  // namespace platform
