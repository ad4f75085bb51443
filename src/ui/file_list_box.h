#pragma once

#include <QListWidget>
#include <QRegularExpression>

namespace ui {

// The file listing: the regular, non-hidden files of a folder whose names match the pattern
// (globs separated by ";", matched without regard to case), sorted by name. Pointing it at a
// folder that cannot be listed leaves it as it was.
class FileListBox : public QListWidget {
    Q_OBJECT

  public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Lists `path`; false when it cannot be listed. Setting the same folder lists it again.
    bool setPath(const QString& path);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // Reads the folder again.
    void refresh();

    QString fileName(int row) const;
    QStringList fileNames() const;

    // Whether a file name matches a pattern such as "*.bmp;*.jpg;*.gif".
    static bool matches(const QString& fileName, const QString& pattern);

  signals:
    void pathChanged(const QString& path);
    void patternChanged(const QString& pattern);

  private:
    bool fill(const QString& folder);

    QString path_;
    QString pattern_ = QStringLiteral("*");
};

}  // namespace ui
