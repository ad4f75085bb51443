#include "ui/file_list_box.h"

#include "ui/folder_access.h"

#include <QDir>

#include <algorithm>

namespace ui {

namespace {

QList<QRegularExpression> globsOf(const QString& pattern) {
    QList<QRegularExpression> globs;
    for (const QString& part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString glob = part.trimmed();
        if (!glob.isEmpty()) {
            globs.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(glob),
                                            QRegularExpression::CaseInsensitiveOption));
        }
    }
    return globs;
}

bool matchesAny(const QString& name, const QList<QRegularExpression>& globs) {
    return std::any_of(globs.cbegin(), globs.cend(),
                       [&](const QRegularExpression& glob) { return glob.match(name).hasMatch(); });
}

}  // namespace

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

bool FileListBox::setPath(const QString& path) {
    const QString target = cleanFolderPath(path, path_);
    if (!fill(target)) {
        return false;
    }
    if (target != path_) {
        path_ = target;
        emit pathChanged(path_);
    }
    return true;
}

void FileListBox::setPattern(const QString& pattern) {
    if (pattern == pattern_) {
        return;
    }
    pattern_ = pattern;
    refresh();
    emit patternChanged(pattern_);
}

void FileListBox::refresh() {
    if (!path_.isEmpty() && !fill(path_)) {
        clear();
    }
}

QString FileListBox::fileName(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->text() : QString();
}

QStringList FileListBox::fileNames() const {
    QStringList names;
    for (int row = 0; row < count(); ++row) {
        names.append(item(row)->text());
    }
    return names;
}

bool FileListBox::matches(const QString& fileName, const QString& pattern) {
    return matchesAny(fileName, globsOf(pattern));
}

bool FileListBox::fill(const QString& folder) {
    if (!canListFolder(folder)) {
        return false;
    }
    const QList<QRegularExpression> globs = globsOf(pattern_);
    // Without QDir::Hidden and QDir::System: no dot-files, no devices, sockets or dead links.
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    clear();
    for (const QString& name : names) {
        if (matchesAny(name, globs)) {
            addItem(name);
        }
    }
    return true;
}

}  // namespace ui
