// SPDX-License-Identifier: MIT
#include "launcher/frm_search.h"

#include "launcher/addresses.h"
#include "launcher/launcher.h"
#include "platform/file_system.h"
#include "platform/path_style_qt.h"
#include "ui/builder.h"
#include "ui/folder_lists.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

namespace {

// A browser program: a file that can be run (a link to one counts).
bool isBrowserFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// Counts the scans in progress for as long as one runs.
class ScanDepth {
  public:
    explicit ScanDepth(int& depth) : depth_(depth) { ++depth_; }
    ~ScanDepth() { --depth_; }
    ScanDepth(const ScanDepth&) = delete;
    ScanDepth& operator=(const ScanDepth&) = delete;

  private:
    int& depth_;
};

}  // namespace

FrmSearch::FrmSearch(Launcher& owner, platform::Services services)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      Timer1(services.loop, 500),
      Timer2(services.loop, 600),
      owner_(owner),
      services_(services),
      twips_(services.screen) {
    createControls();
    Timer1.onTick([this] { Timer1_Timer(); });
    Timer2.onTick([this] { Timer2_Timer(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

FrmSearch::~FrmSearch() = default;

void FrmSearch::createControls() {
    setWindowTitle(QStringLiteral("SEARCHING FOR BROWSER"));
    setFont(ui::arial());
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, ui::bgrColor(ui::kGrey));
    setPalette(grey);
    // The design's height counts the title bar; the client area ends below Cancel with the
    // same margin as on the left.
    setFixedSize(twips_.pxX(kWidth), twips_.pxY(3135));

    const ui::Builder make(twips_);
    // The folder list only shows where the search is: the user does not move it.
    Dir1 = new ui::DirList(this);
    Dir1->setFont(ui::arial());
    Dir1->setFocusPolicy(Qt::NoFocus);
    Dir1->setAttribute(Qt::WA_TransparentForMouseEvents);
    twips_.place(Dir1, 120, 240, 3015, 2010);
    Text3 = make.text(this, QString(), {480, 2280, 2295, 285}, QString());
    Text3->setReadOnly(true);
    Text3->setFocusPolicy(Qt::NoFocus);
    for (QWidget* white : std::initializer_list<QWidget*>{Dir1, Text3}) {
        QPalette palette = white->palette();
        palette.setColor(QPalette::Base, Qt::white);
        white->setPalette(palette);
    }
    cmdCancel = make.button(this, QStringLiteral("&Cancel"), {480, 2640, 2295, 375}, QString());
    cmdCancel->setFont(ui::arial(8.25, true));
}

// ---- loading --------------------------------------------------------------------------------

void FrmSearch::placeNearOwner() {
    // Near the main window's top right corner, in twips as designed.
    const QRect main = owner_.host.launcherWindow()->frameGeometry();
    const int right = twips_.twipsX(main.x() + main.width());
    const int screenWidth = twips_.twipsX(services_.screen.widthPx());
    const int left = screenWidth - 1500 > right ? right - 2000 : screenWidth - kWidth;
    const int mainTop = twips_.twipsY(main.y());
    const int top = mainTop > 300 ? mainTop - 300 : 10;
    move(twips_.pxX(left), twips_.pxY(top));
}

void FrmSearch::Form_Load() {
    placeNearOwner();
    // A search that has ended does not start again until the web actions clear it.
    if (owner_.search.indFound == 1) {
        subUnload();
        return;
    }
    drives_ = services_.volumes.list();
    if (drives_.isEmpty()) {
        owner_.storeBrowserEntry(QStringLiteral("No Browser"));
        owner_.showNoBrowser(QStringLiteral("Browser Search Error 3"));
        owner_.search.indFound = 1;
        subUnload();
        return;
    }
    Timer2.setEnabled(true);
    // Owned by the main window on the desktop without being its Qt child.
    if (QWindow* main = owner_.host.launcherWindow()->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(main);
    }
    show();
    drive_ = 0;
    showDriveStatus(drive_);
    Timer1.setEnabled(true);
}

void FrmSearch::showDriveStatus(int index) {
    Text3->setText(QStringLiteral("Currently Searching Drive: ") + drives_.at(index).root);
}

// ---- drive steps ------------------------------------------------------------------------------

void FrmSearch::Timer1_Timer() {
    Timer1.setEnabled(false);
    if (ended()) {
        return;
    }
    driveStep(drive_);
}

void FrmSearch::driveStep(int index) {
    const QString& root = drives_.at(index).root;
    driveFileSystem_ = platform::fileSystemOf(root);
    // A drive that is gone or cannot be read ends the search with what was found so far.
    if (!driveFileSystem_ || !Dir1->setPath(root)) {
        endWithFinish();
        return;
    }
    Dir1_Change();
    if (ended()) {
        return;
    }
    if (index + 1 >= drives_.size()) {
        // After the last drive there is nothing more to search.
        endWithFinish();
        return;
    }
    drive_ = index + 1;
    showDriveStatus(drive_);
    Timer1.setEnabled(true);
}

bool FrmSearch::ended() const {
    return unloaded_ || owner_.search.indFound == 1 || owner_.host.hostEnded();
}

bool FrmSearch::onSearchedDrive(const QString& folder) const {
    // A linked folder is reached by its own path, if at all; another mount is its own drive
    // or no drive (the kernel's and the devices' folders).
    return !QFileInfo(folder).isSymLink() && platform::fileSystemOf(folder) == driveFileSystem_;
}

void FrmSearch::Dir1_Change() {
    if (ended()) {
        return;
    }
    const ScanDepth scanning(scanDepth_);
    const QString folder = platform::withTrailingSeparator(services_.paths, Dir1->path());

    const QString alternative = folder + launcher::kAlternativeBrowser;
    if (owner_.search.indFileAlt == 0 && isBrowserFile(alternative)) {
        varAltName = launcher::kAlternativeBrowser;
        varAltFolder = folder;
        varAltPath = alternative;
        owner_.search.indFileAlt = 1;
        owner_.indFileAltS = 1;
        owner_.varFullPath2 = varAltPath;
    }
    if (isBrowserFile(folder + launcher::kPrimaryBrowser)) {
        varFoundFolder = folder;
        varFullPath = folder + launcher::kPrimaryBrowser;
        owner_.varFullPath1 = varFullPath;
        owner_.timerFinish.setEnabled(true);
        owner_.search.indFound = 1;
        owner_.indFoundS = 1;
        subUnload();
        return;
    }

    // The folder list changes with every nested scan: walk a copy of this folder's folders.
    QStringList subfolders;
    const int level = Dir1->levelAt(Dir1->currentFolderRow()) + 1;
    for (int row = Dir1->currentFolderRow() + 1; row < Dir1->count(); ++row) {
        if (Dir1->levelAt(row) == level) {
            subfolders.append(Dir1->folderAt(row));
        }
    }
    for (const QString& subfolder : subfolders) {
        if (!varFoundFolder.isEmpty() || ended()) {
            return;
        }
        // A folder that cannot be opened is passed over; its next sibling is searched.
        if (onSearchedDrive(subfolder) && Dir1->setPath(subfolder)) {
            Dir1_Change();
        }
        services_.loop.doEvents();
        if (owner_.search.quitSearching == 1) {
            owner_.search.quitSearching = 0;
            subCancel();
            return;
        }
        if (owner_.host.hostEnded()) {
            subUnload();
            return;
        }
    }
}

// ---- ending -----------------------------------------------------------------------------------

void FrmSearch::endWithFinish() {
    owner_.timerFinish.setEnabled(true);
    subUnload();
}

void FrmSearch::cmdCancel_Click() {
    if (unloaded_) {
        return;
    }
    // A running scan takes the request at its next folder; between drives it counts at once.
    if (scanDepth_ > 0) {
        owner_.search.quitSearching = 1;
    } else {
        subCancel();
    }
}

void FrmSearch::subCancel() {
    owner_.search.indFound = 1;
    owner_.host.launcherWindow()->setEnabled(true);
    subUnload();
}

void FrmSearch::Timer2_Timer() {
    // One flash of the title bar: the desktop's attention request, for half the period.
    if (QWindow* window = windowHandle()) {
        window->alert(300);
    }
}

void FrmSearch::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    // A close from the desktop (Alt+F4) is a cancel.
    event->ignore();
    cmdCancel_Click();
}

void FrmSearch::subUnload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    hide();
    owner_.searchWindowUnloaded();
}
