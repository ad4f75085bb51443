// The picker's controls at their design places (twips), with captions, tooltips and fonts,
// and the wiring of their events to the handlers.
#include "picker/frm_browse.h"

#include "ui/artwork.h"
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

using ui::Art;

namespace {

constexpr quint32 kGrey = 0x00C0C0C0;
constexpr quint32 kGreen = 0x00008000;

struct Place {
    int left;
    int top;
    int width;
    int height;
};

QFont arial(bool bold = false) {
    return ui::designFont(QStringLiteral("Arial"), 8.25, bold);
}

QPixmap art(Art picture, int twipsSize, const ui::Twips& twips, bool pressed = false) {
    return ui::artwork(picture, pressed, QSize(twips.pxX(twipsSize), twips.pxY(twipsSize)));
}

}  // namespace

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
    grey.setColor(QPalette::Window, ui::bgrColor(kGrey));
    setPalette(grey);
    setFixedSize(twips.pxX(10365), twips.pxY(4965));

    auto label = [this](const QString& caption) { return new QLabel(caption, this); };
    auto button = [this](const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, this);
        b->setFont(arial(true));
        b->setToolTip(tip);
        b->setAutoDefault(true);  // Enter presses the focused button, as Space does
        return b;
    };
    auto counter = [this](const QString& caption) {
        auto* l = new QLabel(caption, this);
        l->setFont(arial(true));
        l->setAlignment(Qt::AlignCenter);
        QPalette green = l->palette();
        green.setColor(QPalette::WindowText, ui::bgrColor(kGreen));
        l->setPalette(green);
        return l;
    };
    auto overlay = [this] {
        auto* l = new QListWidget(this);
        l->setFocusPolicy(Qt::NoFocus);
        l->hide();
        return l;
    };
    auto imageButton = [this](Art picture, int size, const QString& tip) {
        auto* b =
            new ui::ImageButton(this, art(picture, size, twips), art(picture, size, twips, true));
        b->setToolTip(tip);
        return b;
    };

    lblDrives = label(QStringLiteral("Drives:"));
    Drive1 = new ui::DriveList(this, services.volumes);
    lblFolders = label(QStringLiteral("Folders:"));
    Dir1 = new ui::DirList(this);
    lblFileList = label(QStringLiteral("Files:"));
    List2 = new QListWidget(this);
    List2->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstDummy = overlay();
    File1 = new ui::FileList(this, QStringLiteral("*.bmp;*.jpg;*.gif"));
    File1->hide();
    Image19 =
        imageButton(Art::OpenFolder, 360, QStringLiteral("Open Source Folder Using Explorer"));
    lblFiles = counter(QStringLiteral("0 Files"));
    Command2 =
        button(QStringLiteral("      Add A&ll ->->"), QStringLiteral("Add All Files To List"));

    Image18 = imageButton(Art::MyPictures, 480, QStringLiteral("Go To My Pictures"));
    Image9 = imageButton(Art::Help, 480, QStringLiteral("Program Help"));
    framePreview = new QGroupBox(QStringLiteral("Preview"), this);
    const QPixmap placeholder = ui::artwork(Art::Placeholder);
    imgPicture = new ui::Image(framePreview, placeholder);
    imgPicture->hide();
    imgPreview = new ui::Image(framePreview, placeholder);
    imgPreview->setBorder(true);
    ImgError = new ui::Image(framePreview, ui::artwork(Art::Error));
    ImgError->setBorder(true);
    ImgError->hide();
    cmdAdd = button(QStringLiteral("&Add ->"), QStringLiteral("Add Selected Files To List"));
    cmdRemove =
        button(QStringLiteral("<- &Remove"), QStringLiteral("Remove Selected Files From List"));
    cmdOK =
        button(QStringLiteral("-> &Done <-"), QStringLiteral("Finish Selecting Files To Process"));
    cmdClose = button(QStringLiteral("Cl&ose"), QStringLiteral("Close Window With No Changes"));

    lblFilesToProcess = label(QStringLiteral(" Files To Process:"));
    List1 = new DropList(this);
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstDummy2 = overlay();
    lblSelected = counter(QStringLiteral("0 Selected"));
    Command1 =
        button(QStringLiteral("<-<- R&emove All"), QStringLiteral("Remove All Files From List"));

    // The counters are centred over their buttons, with room for large counts.
    const struct {
        QWidget* widget;
        Place at;
    } places[] = {
        {lblDrives, {120, 15, 3615, 225}},          {Drive1, {120, 240, 3615, 315}},
        {lblFolders, {120, 615, 3615, 225}},        {Dir1, {120, 840, 3615, 1665}},
        {lblFileList, {120, 2535, 3615, 225}},      {List2, {120, 2760, 3615, 1230}},
        {lstDummy, {120, 2760, 3615, 1230}},        {Image19, {120, 4005, 360, 360}},
        {lblFiles, {1080, 4080, 1815, 255}},        {Command2, {1200, 4440, 1575, 375}},
        {Image18, {4080, 240, 480, 480}},           {Image9, {4560, 240, 480, 480}},
        {framePreview, {3960, 840, 1215, 1575}},    {imgPicture, {60, 240, 1095, 1215}},
        {imgPreview, {60, 240, 1095, 1215}},        {ImgError, {60, 240, 1095, 1215}},
        {cmdAdd, {3960, 2880, 1215, 375}},          {cmdRemove, {3960, 3240, 1215, 375}},
        {cmdOK, {3960, 3600, 1215, 375}},           {cmdClose, {3960, 4440, 1215, 375}},
        {lblFilesToProcess, {5400, 15, 4815, 225}}, {List1, {5400, 240, 4815, 3765}},
        {lstDummy2, {5400, 240, 4815, 3765}},       {lblSelected, {6720, 4080, 2055, 255}},
        {Command1, {6960, 4440, 1575, 375}},
    };
    for (const auto& [widget, at] : places) {
        twips.place(widget, at.left, at.top, at.width, at.height);
    }
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
