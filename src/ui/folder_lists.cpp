#include "ui/folder_lists.h"

#include <QDir>
#include <QFileInfo>

namespace ui {

DriveList::DriveList(QWidget* parent, const platform::Volumes& volumes)
    : QComboBox(parent), volumes_(volumes.list()) {
    for (const platform::Volume& volume : volumes_) {
        addItem(volume.name.isEmpty()
                    ? volume.root
                    : volume.root + QStringLiteral(" [") + volume.name + QLatin1Char(']'));
    }
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::driveChanged);
}

QString DriveList::drive() const {
    const int index = currentIndex();
    return index >= 0 && index < volumes_.size() ? volumes_.at(index).root : QString();
}

bool DriveList::setDriveOf(const QString& path) {
    // The longest mount point that holds the path.
    int best = -1;
    for (int i = 0; i < volumes_.size(); ++i) {
        const QString root = volumes_.at(i).root;
        const bool holds =
            root == QLatin1String("/") || path == root ||
            path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && (best < 0 || root.size() > volumes_.at(best).root.size())) {
            best = i;
        }
    }
    if (best >= 0) {
        setCurrentIndex(best);
    }
    return best >= 0;
}

DirList::DirList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { setPath(item->data(Qt::UserRole).toString()); });
}

bool DirList::setPath(const QString& folder) {
    const QString clean = QDir::cleanPath(folder);
    const QDir dir(clean);
    if (folder.isEmpty() || !dir.exists() || !dir.isReadable()) {
        return false;
    }
    const bool changed = clean != path_;
    path_ = clean;
    clear();
    QStringList ancestors;
    for (QDir up(clean);;) {
        ancestors.prepend(up.absolutePath());
        if (!up.cdUp()) {
            break;
        }
    }
    int depth = 0;
    for (const QString& ancestor : ancestors) {
        const QString name = depth == 0 ? ancestor : QFileInfo(ancestor).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(Qt::UserRole, ancestor);
        ++depth;
    }
    setCurrentRow(static_cast<int>(ancestors.size()) - 1);
    for (const QFileInfo& sub :
         dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item =
            new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + sub.fileName(), this);
        item->setData(Qt::UserRole, sub.absoluteFilePath());
    }
    if (changed) {
        emit pathChanged();
    }
    return true;
}

FileList::FileList(QWidget* parent, const QString& pattern)
    : QListWidget(parent), pattern_(pattern) {}

bool FileList::setPath(const QString& folder) {
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists() || !dir.isReadable()) {
        return false;
    }
    path_ = QDir::cleanPath(folder);
    refresh();
    return true;
}

void FileList::setPattern(const QString& pattern) {
    pattern_ = pattern;
    refresh();
}

void FileList::refresh() {
    clear();
    if (path_.isEmpty()) {
        return;
    }
    QDir dir(path_);
    dir.setNameFilters(pattern_.split(QLatin1Char(';'), Qt::SkipEmptyParts));
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : dir.entryInfoList()) {
        addItem(file.fileName());
    }
}

}  // namespace ui
