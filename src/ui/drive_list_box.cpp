#include "ui/drive_list_box.h"

#include "ui/folder_access.h"

#include <QStyle>

namespace ui {

namespace {

bool liesUnder(const QString& path, const QString& root) {
    if (root == QLatin1String("/")) {
        return path.startsWith(QLatin1Char('/'));
    }
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

}  // namespace

DriveListBox::DriveListBox(platform::Volumes& volumes, QWidget* parent)
    : QComboBox(parent), volumes_(volumes) {
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::onIndexChanged);
    refresh();
}

QString DriveListBox::drive() const {
    return currentData().toString();
}

bool DriveListBox::setDrive(const QString& path) {
    const QString root = driveOf(cleanFolderPath(path));
    const int index = indexOfDrive(root);
    if (index < 0) {
        return false;
    }
    setCurrentIndex(index);
    return shownIndex_ == index;
}

QString DriveListBox::driveOf(const QString& path) const {
    QString best;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        if (liesUnder(path, root) && root.size() > best.size()) {
            best = root;
        }
    }
    return best;
}

void DriveListBox::followFolder(const QString& folder) {
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

QString DriveListBox::currentFolder() const {
    const QString root = drive();
    const QString folder = currentFolders_.value(root);
    return !folder.isEmpty() && canListFolder(folder) ? folder : root;
}

void DriveListBox::refresh() {
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

void DriveListBox::onIndexChanged(int index) {
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

int DriveListBox::indexOfDrive(const QString& root) const {
    return root.isEmpty() ? -1 : findData(root);
}

}  // namespace ui
