// SPDX-License-Identifier: MIT
// The picker's controls at their design places (twips), with captions, tooltips and fonts,
// and the wiring of their events to the handlers.
#include "picker/frm_browse.h"

#include "ui/artwork.h"
#include "ui/builder.h"
#include "ui/folder_lists.h"
#include "ui/image.h"
#include "ui/list_click.h"
#include "ui/twips.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

using ui::arial;
using ui::Art;
using ui::kBlack;
using ui::kGreen;

DropList::DropList(QWidget* parent) : QListWidget(parent) {
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void DropList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void DropList::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void DropList::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    event->acceptProposedAction();
    emit filesDropped(paths);
}

void FrmBrowse::createControls() {
    setWindowTitle(QStringLiteral("Browse For Source Files"));
    setFont(arial());
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, ui::bgrColor(ui::kGrey));
    setPalette(grey);
    setFixedSize(twips.pxX(10365), twips.pxY(4965));

    const ui::Builder make(twips);
    // The counters are centred over their buttons, with room for large counts.
    auto counter = [&](const QString& caption, const ui::Place& at) {
        QLabel* label = make.label(this, caption, at, arial(8.25, true), kGreen);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    // A busy overlay, exactly over the list made before it.
    auto overlay = [&](const ui::Place& at) {
        auto* list = make.placed(new QListWidget(this), at, arial(), kBlack);
        list->setFocusPolicy(Qt::NoFocus);
        list->hide();
        return list;
    };

    lblDrives = make.label(this, QStringLiteral("Drives:"), {120, 15, 3615, 225});
    Drive1 = make.placed(new ui::DriveList(this, services.volumes), {120, 240, 3615, 315}, arial(),
                         kBlack);
    lblFolders = make.label(this, QStringLiteral("Folders:"), {120, 615, 3615, 225});
    Dir1 = make.placed(new ui::DirList(this), {120, 840, 3615, 1665}, arial(), kBlack);
    lblFileList = make.label(this, QStringLiteral("Files:"), {120, 2535, 3615, 225});
    List2 = make.placed(new QListWidget(this), {120, 2760, 3615, 1230}, arial(), kBlack);
    List2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstDummy = overlay({120, 2760, 3615, 1230});
    File1 = new ui::FileList(this, ui::kPicturePattern);
    File1->hide();
    Image19 = make.imageButton(this, Art::OpenFolder, {120, 4005, 360, 360},
                               QStringLiteral("Open Source Folder Using Explorer"));
    lblFiles = counter(QStringLiteral("0 Files"), {1080, 4080, 1815, 255});
    Command2 = make.button(this, QStringLiteral("      Add A&ll ->->"), {1200, 4440, 1575, 375},
                           QStringLiteral("Add All Files To List"));

    Image18 = make.imageButton(this, Art::MyPictures, {4080, 240, 480, 480},
                               QStringLiteral("Go To My Pictures"));
    Image9 = make.imageButton(this, Art::PickerHelp, {4560, 240, 480, 480},
                              QStringLiteral("Program Help"));
    framePreview = make.frame(this, QStringLiteral("Preview"), {3960, 840, 1215, 1575}, QString(),
                              arial(), kBlack);
    const QPixmap placeholder = ui::artwork(Art::Placeholder);
    imgPicture = make.image(framePreview, placeholder, {60, 240, 1095, 1215});
    imgPicture->hide();
    imgPreview = make.image(framePreview, placeholder, {60, 240, 1095, 1215});
    imgPreview->setBorder(true);
    ImgError = make.image(framePreview, ui::artwork(Art::Error), {60, 240, 1095, 1215});
    ImgError->setBorder(true);
    ImgError->hide();
    cmdAdd = make.button(this, QStringLiteral("&Add ->"), {3960, 2880, 1215, 375},
                         QStringLiteral("Add Selected Files To List"));
    cmdRemove = make.button(this, QStringLiteral("<- &Remove"), {3960, 3240, 1215, 375},
                            QStringLiteral("Remove Selected Files From List"));
    cmdOK = make.button(this, QStringLiteral("-> &Done <-"), {3960, 3600, 1215, 375},
                        QStringLiteral("Finish Selecting Files To Process"));
    cmdClose = make.button(this, QStringLiteral("Cl&ose"), {3960, 4440, 1215, 375},
                           QStringLiteral("Close Window With No Changes"));

    lblFilesToProcess =
        make.label(this, QStringLiteral(" Files To Process:"), {5400, 15, 4815, 225});
    List1 = make.placed(new DropList(this), {5400, 240, 4815, 3765}, arial(), kBlack);
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstDummy2 = overlay({5400, 240, 4815, 3765});
    lblSelected = counter(QStringLiteral("0 Selected"), {6720, 4080, 2055, 255});
    Command1 = make.button(this, QStringLiteral("<-<- R&emove All"), {6960, 4440, 1575, 375},
                           QStringLiteral("Remove All Files From List"));
}

void FrmBrowse::connectHandlers() {
    connect(Drive1, &ui::DriveList::driveChanged, this, [this] { Drive1_Change(); });
    connect(Dir1, &ui::DirList::pathChanged, this, [this] { Dir1_Change(); });

    ui::onListClick(List2, [this] { List2_Click(); });
    connect(List2, &QListWidget::itemDoubleClicked, this, [this] { List2_DblClick(); });
    ui::onListClick(List1, [this] { List1_Click(); });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
    connect(List1, &DropList::filesDropped, this,
            [this](const QStringList& paths) { List1_OLEDragDrop(paths); });

    const struct {
        QPushButton* button;
        void (FrmBrowse::*handler)();
    } buttons[] = {
        {cmdAdd, &FrmBrowse::cmdAdd_Click},       {Command2, &FrmBrowse::Command2_Click},
        {cmdRemove, &FrmBrowse::cmdRemove_Click}, {Command1, &FrmBrowse::Command1_Click},
        {cmdOK, &FrmBrowse::cmdOK_Click},         {cmdClose, &FrmBrowse::cmdClose_Click},
    };
    for (const auto& [b, handler] : buttons) {
        connect(b, &QPushButton::clicked, this, [this, handler = handler] { (this->*handler)(); });
    }
    connect(Image19, &ui::Image::clicked, this, [this] { Image19_Click(); });
    connect(Image18, &ui::Image::clicked, this, [this] { Image18_Click(); });
    connect(Image9, &ui::Image::clicked, this, [this] { Image9_Click(); });

    timerClick.onTick([this] { timerClick_Timer(); });
    timerClick2.onTick([this] { timerClick2_Timer(); });
}
