// SPDX-License-Identifier: MIT
#include "ui/folder_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

#include <dirent.h>

namespace ui {

namespace {

bool liesUnder(const QString& path, const QString& root) {
    if (root == QLatin1String("/")) {
        return path.startsWith(QLatin1Char('/'));
    }
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

constexpr int kFolderRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kIndentPx = 12;

// Draws each entry indented by its level, as a tree drawn flat.
class IndentDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

  private:
    static int indent(const QModelIndex& index) {
        return index.data(kLevelRole).toInt() * kIndentPx;
    }
};

// The folders from the root down to `path`, the root first.
QStringList chainTo(const QString& path) {
    QStringList chain{QStringLiteral("/")};
    QString walked;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        walked += QLatin1Char('/') + part;
        chain.append(walked);
    }
    return chain;
}

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

bool canListFolder(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return false;
    }
    // Permission bits do not tell (an administrator reads anything, a dead mount reads
    // nothing): only opening the folder does.
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (dir == nullptr) {
        return false;
    }
    ::closedir(dir);
    return true;
}

QString cleanFolderPath(const QString& path, const QString& base) {
    if (path.isEmpty()) {
        return {};
    }
    const QString absolute =
        base.isEmpty() ? QFileInfo(path).absoluteFilePath() : QDir(base).absoluteFilePath(path);
    return QDir::cleanPath(absolute);
}

DriveList::DriveList(QWidget* parent, const platform::Volumes& volumes)
    : QComboBox(parent), volumes_(volumes) {
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::onIndexChanged);
    refresh();
}

QString DriveList::drive() const {
    return currentData().toString();
}

bool DriveList::setDriveOf(const QString& path) {
    const QString root = driveOf(cleanFolderPath(path));
    const int index = indexOfDrive(root);
    if (index < 0) {
        return false;
    }
    setCurrentIndex(index);
    return shownIndex_ == index;
}

QString DriveList::driveOf(const QString& path) const {
    QString best;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        if (liesUnder(path, root) && root.size() > best.size()) {
            best = root;
        }
    }
    return best;
}

void DriveList::followFolder(const QString& folder) {
    const QString clean = cleanFolderPath(folder);
    const QString root = driveOf(clean);
    const int index = indexOfDrive(root);
    if (index < 0) {
        return;
    }
    currentFolders_[root] = clean;
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
    shownIndex_ = index;
}

QString DriveList::currentFolder() const {
    const QString root = drive();
    const QString folder = currentFolders_.value(root);
    return !folder.isEmpty() && canListFolder(folder) ? folder : root;
}

void DriveList::refresh() {
    const QString before = drive();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    {
        const QSignalBlocker quiet(this);
        clear();
        for (const platform::Volume& volume : volumes_.list()) {
            const QString text = volume.name.isEmpty()
                                     ? volume.root
                                     : QStringLiteral("%1  [%2]").arg(volume.root, volume.name);
            addItem(icon, text, volume.root);
        }
        const int keep = indexOfDrive(before);
        setCurrentIndex(keep >= 0 ? keep : 0);
        shownIndex_ = currentIndex();
    }
}

void DriveList::onIndexChanged(int index) {
    if (index == shownIndex_ || index < 0) {
        return;
    }
    if (!canListFolder(itemData(index).toString())) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(shownIndex_);
        return;
    }
    shownIndex_ = index;
    emit driveChanged(drive());
}

int DriveList::indexOfDrive(const QString& root) const {
    return root.isEmpty() ? -1 : findData(root);
}

DirList::DirList(QWidget* parent, const QString& startPath) : QListWidget(parent) {
    setItemDelegate(new IndentDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    const QString start = cleanFolderPath(startPath.isEmpty() ? QDir::currentPath() : startPath);
    path_ = canListFolder(start) ? start : QStringLiteral("/");
    if (!startPath.isEmpty()) {
        fill();
    }
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openRow(row(item)); });
}

bool DirList::setPath(const QString& path) {
    const QString target = cleanFolderPath(path, path_);
    if (!canListFolder(target)) {
        if (!filled_) {
            fill();  // the start folder stays: show it
        }
        return false;
    }
    const bool changed = target != path_;
    path_ = target;
    fill();
    if (changed) {
        emit pathChanged(path_);
    }
    return true;
}

QString DirList::folderAt(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(kFolderRole).toString() : QString();
}

int DirList::levelAt(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(kLevelRole).toInt() : -1;
}

void DirList::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        openRow(currentRow());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirList::fill() {
    filled_ = true;
    const QSignalBlocker quiet(this);
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [this](const QIcon& icon, const QString& text, const QString& folder, int level) {
        auto* entry = new QListWidgetItem(icon, text, this);
        entry->setData(kFolderRole, folder);
        entry->setData(kLevelRole, level);
        entry->setToolTip(folder);
    };

    const QStringList chain = chainTo(path_);
    for (int level = 0; level < chain.size(); ++level) {
        const QString& folder = chain[level];
        add(open, level == 0 ? folder : QDir(folder).dirName(), folder, level);
    }
    currentFolderRow_ = static_cast<int>(chain.size()) - 1;

    const QDir dir(path_);
    const QStringList children =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : children) {
        add(closed, name, dir.absoluteFilePath(name), static_cast<int>(chain.size()));
    }
    setCurrentRow(currentFolderRow_);
    // Show the current folder with as many of its own folders as fit below it.
    scrollToItem(item(count() - 1));
    scrollToItem(item(currentFolderRow_));
}

void DirList::openRow(int row) {
    const QString folder = folderAt(row);
    if (!folder.isEmpty() && !setPath(folder)) {
        setCurrentRow(currentFolderRow_);
    }
}

FileList::FileList(QWidget* parent, const QString& pattern)
    : QListWidget(parent), pattern_(pattern) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

bool FileList::setPath(const QString& path) {
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

void FileList::setPattern(const QString& pattern) {
    if (pattern == pattern_) {
        return;
    }
    pattern_ = pattern;
    refresh();
}

void FileList::refresh() {
    if (!path_.isEmpty() && !fill(path_)) {
        clear();
    }
}

QString FileList::fileName(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->text() : QString();
}

QStringList FileList::fileNames() const {
    QStringList names;
    for (int row = 0; row < count(); ++row) {
        names.append(item(row)->text());
    }
    return names;
}

bool FileList::matches(const QString& fileName, const QString& pattern) {
    return matchesAny(fileName, globsOf(pattern));
}

bool FileList::fill(const QString& folder) {
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
