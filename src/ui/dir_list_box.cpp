#include "ui/dir_list_box.h"

#include "ui/folder_access.h"

#include <QDir>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace ui {

namespace {

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

}  // namespace

DirListBox::DirListBox(QWidget* parent, const QString& startPath) : QListWidget(parent) {
    setItemDelegate(new IndentDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    const QString start = cleanFolderPath(startPath.isEmpty() ? QDir::currentPath() : startPath);
    path_ = canListFolder(start) ? start : QStringLiteral("/");
    fill();
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openRow(row(item)); });
}

bool DirListBox::setPath(const QString& path) {
    const QString target = cleanFolderPath(path, path_);
    if (!canListFolder(target)) {
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

void DirListBox::refresh() {
    if (!canListFolder(path_)) {
        // The folder went away: show the nearest ancestor that still exists.
        QString up = path_;
        while (up != QLatin1String("/") && !canListFolder(up)) {
            up = cleanFolderPath(QStringLiteral(".."), up);
        }
        setPath(up);
        return;
    }
    fill();
}

QString DirListBox::folderAt(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(kFolderRole).toString() : QString();
}

int DirListBox::levelAt(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(kLevelRole).toInt() : -1;
}

void DirListBox::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        openRow(currentRow());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirListBox::fill() {
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
}

void DirListBox::openRow(int row) {
    const QString folder = folderAt(row);
    if (!folder.isEmpty() && !setPath(folder)) {
        setCurrentRow(currentFolderRow_);
    }
}

}  // namespace ui
