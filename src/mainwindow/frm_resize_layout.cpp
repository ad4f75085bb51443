// SPDX-License-Identifier: MIT
// The window's controls at their design places (twips), with their captions, tooltips,
// fonts, colours and first visibility. Siblings are created back to front: a control made
// later lies in front of the ones made before it.
#include "mainwindow/frm_resize.h"

#include "platform/path_style_qt.h"
#include "ui/artwork.h"
#include "ui/builder.h"
#include "ui/controls.h"
#include "ui/folder_lists.h"
#include "ui/image.h"
#include "ui/line.h"
#include "ui/picture_box.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <utility>

using ui::arial;
using ui::Art;
using ui::Builder;
using ui::kBlack;
using ui::kGreen;
using ui::kGrey;
using ui::Place;

namespace {

// Design colours of this window, as &H00BBGGRR& values.
constexpr quint32 kBrightGreen = 0x0000C000;
constexpr quint32 kOlive = 0x0000C0C0;
constexpr quint32 kWhite = 0x00FFFFFF;
constexpr quint32 kPaleYellow = 0x0080FFFF;
constexpr quint32 kDarkGrey = 0x00808080;

// One 12 x 12 status light picture (180 x 180 twips).
ui::Image* light(const Builder& make, QWidget* parent, Art art, int left) {
    return make.image(parent, ui::artwork(art), {left, 4440, 180, 180});
}

QAction* entry(QMenu* menu, const QString& caption, bool checkable = false) {
    QAction* action = menu->addAction(caption);
    action->setCheckable(checkable);
    return action;
}

}  // namespace

void FrmResize::createControls() {
    form = new ui::PictureBox(this, ui::PictureBox::Border::None, ui::bgrColor(kGrey));
    form->setFont(arial());
    setCentralWidget(form);
    setFormSize(10410, 7230);
    form->setPicture(ui::artworkImage(Art::Background));

    createUpperArea();
    createSourcePanel();
    createOptionsPanel();
    createChooser();
    createMenus();

    setWindowTitle(QStringLiteral("Corvel XP"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFormSize(10410, 7230);
}

void FrmResize::createUpperArea() {
    const Builder make(twips);
    QWidget* f = form;
    imgSourceImage = make.image(f, {}, {800, 600, 3735, 3495});
    Image1 = make.image(f, {}, {540, 840, 4215, 2775});
    Image1->setBorder(true);
    PictureVis = make.picture(f, {480, 960, 4215, 2775}, ui::PictureBox::Border::Flat, Qt::black);
    // Sized to its picture before the first one comes, so that one is drawn whole.
    PictureVis->setAutoSize(true);
    PictureVis->hide();
    ImgError = make.image(f, ui::artwork(Art::Error), {2160, 1680, 1095, 1215});
    ImgError->setBorder(true);
    ImgError->hide();

    const QFont title = ui::designFont(QStringLiteral("Arial Black"), 15.75);
    lblSourceImage = make.label(f, QStringLiteral("Source Images"), {1450, 2040}, title, kGreen);
    lblSourceFile = make.label(f, QStringLiteral("Picture Path"), {2175, 4140}, arial(), kOlive);
    lblSourceFile->hide();
    const QFont sizeFont = ui::designFont(QStringLiteral("Courier New"), 14.25, true, true);
    lblWidth = make.label(f, QStringLiteral("0"), {2280, 240}, sizeFont, kBrightGreen,
                          QStringLiteral("Width In Pixels"));
    lblX = make.label(f, QStringLiteral("x"), {2520, 240}, sizeFont, kBrightGreen);
    lblHeight = make.label(f, QStringLiteral("0"), {2760, 240}, sizeFont, kBrightGreen,
                           QStringLiteral("Height In Pixels"));
    lblThumbnail = make.label(f, QStringLiteral("Thumbnail Images"), {6120, 2040}, title, kGreen);
    Picture2 = make.picture(f, {7200, 1200, 1185, 1620}, ui::PictureBox::Border::Flat, Qt::black);
    Picture2->hide();
    lblWidth2 = make.label(f, QStringLiteral("0"), {7440, 240}, sizeFont, kBrightGreen,
                           QStringLiteral("Width In Pixels"));
    lblxx = make.label(f, QStringLiteral("x"), {7695, 240}, sizeFont, kBrightGreen);
    lblHeight2 = make.label(f, QStringLiteral("0"), {7920, 240}, sizeFont, kBrightGreen,
                            QStringLiteral("Height In Pixels"));
    // The widths grow to the left, towards the "x" between them and the heights.
    lblWidth->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblWidth2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* caption : {lblWidth, lblX, lblHeight, lblWidth2, lblxx, lblHeight2}) {
        caption->hide();
    }
    lblFinished =
        make.label(f, QStringLiteral("Finished Processing"), {6600, 3000}, arial(12, true), kGreen);
    lblFinished->setAlignment(Qt::AlignCenter);
    lblFinished->hide();
    lblSaveTo =
        make.label(f, QStringLiteral("Save To:"), {7365, 3990}, arial(8.25, true, true), kWhite);
    lblPath = make.label(f, QString(), {7560, 4140, 2760, 195}, arial(), kOlive);
    lblPath->hide();
    lblDestPath = make.label(f, QStringLiteral("Choose Path"), {7230, 4140}, arial(), kOlive);

    // Each light is two pictures in one place; the one made second lies in front.
    imgRedLightOn22 = light(make, f, Art::LightRed, 5400);
    imgRedLightOff22 = light(make, f, Art::LightGreen, 5400);
    imgRedLightOff22->hide();
    imgRedOn = light(make, f, Art::LightGreen, 7260);
    imgRedOff = light(make, f, Art::LightRed, 7260);
    imgGreenOn22 = light(make, f, Art::LightGreen, 8880);
    imgGreenOff22 = light(make, f, Art::LightRed, 8880);
    const QFont status = arial(8.25, true);
    lblOverwrite =
        make.label(f, QStringLiteral("Prompt Overwrite"), {5640, 4440}, status, kPaleYellow);
    Label20 = make.label(f, QStringLiteral("Original Folder"), {7500, 4440}, status, kPaleYellow);
    lblLandscape = make.label(f, QStringLiteral("Landscape"), {9120, 4440}, status, kPaleYellow);
    for (QLabel* clickable : {lblOverwrite, Label20, lblLandscape}) {
        clickable->setCursor(Qt::PointingHandCursor);
    }

    lblSource = make.label(f, QStringLiteral("Source Images"), {15, 0}, arial(9.75, true), kOlive);
    lblDest =
        make.label(f, QStringLiteral("Thumbnail Images"), {5280, 0}, arial(9.75, true), kOlive);
    lblSource->hide();
    lblDest->hide();
    lineDiv = new ui::Line(f, ui::bgrColor(kBlack));
    lineDiv->hide();
    lineDiv2 = new ui::Line(f, ui::bgrColor(kBlack));
    lineDiv2->hide();
    // Each access key of the window presses one button: "&Close" would share Alt+C with the
    // chooser's "&Close" and "&Cancel Processing" (Qt then only moves the focus), so this one
    // is Alt+L. Same for "Sa&me Folder" (Alt+S: "&Select Source Pictures"), "Op&en Folder"
    // and the chooser's "O&k" (Alt+O: the menu "Thumbnail &Options").
    cmdExit = make.button(f, QStringLiteral("C&lose"), {12120, 5640, 1335, 255},
                          QStringLiteral("Close Program"));
    // Beyond the window's edge nobody can see it, and nobody should close the program with a
    // key of it.
    cmdExit->hide();

    // Work boxes, out of sight beyond the right edge.
    const QColor window = palette().color(QPalette::Window);
    picSizer = make.picture(f, {10920, 2400, 4215, 2775}, ui::PictureBox::Border::Flat, Qt::black);
    picScreens = make.picture(f, {10920, 3000, 300, 300}, ui::PictureBox::Border::None, window);
    picScreens->setAutoSize(true);
    picScreens->setPicture(ui::artworkImage(Art::Background));
    samplePicture = ui::artworkImage(Art::Sample);
    for (ui::PictureBox* box : {picSizer, picScreens}) {
        box->hide();
    }
    File1 = new ui::FileList(f, ui::kPicturePattern);
    twips.place(File1, 10920, 4800, 1200, 1200);
    File1->hide();
}

void FrmResize::createSourcePanel() {
    const Builder make(twips);
    Frame2 = make.frame(form, QStringLiteral("Original Pictures"), {0, 4680, 5175, 2535},
                        QStringLiteral("Original Picture Options"), arial(9.75, true));
    QWidget* f = Frame2;
    Image32 = make.imageButton(f, Art::Help, {1320, 120, 360, 360}, QString());
    Image32->hide();
    Image19 = make.imageButton(f, Art::Browse, {3000, 120, 360, 360},
                               QStringLiteral("Browse For Source Pictures"));
    Image8 = make.imageButton(f, Art::Information, {3480, 120, 360, 360},
                              QStringLiteral("Program Information"));
    imgHelperTips = make.imageButton(f, Art::TipsOn, {3840, 120, 360, 360},
                                     QStringLiteral("Pop Up Helper Tips Turned On"));
    imgHelperTips_Pressed = imgHelperTips->twin();
    imgHelperTips_Off = make.imageButton(f, Art::TipsOff, {3840, 120, 360, 360},
                                         QStringLiteral("Pop Up Helper Tips Turned Off"));
    Image9 = make.imageButton(f, Art::Help, {4200, 120, 360, 360}, QStringLiteral("Program Help"));
    Image7 = make.imageButton(f, Art::Exit, {4560, 120, 360, 360}, QStringLiteral("Exit Program"));
    Label21 = make.label(f, QStringLiteral("Source Picture List"), {120, 285});

    // The boxes the list covers, made before it so that it lies in front.
    Label14 = make.label(f, QStringLiteral("Source Path"), {120, 1350});
    txtSourcePath = make.text(f, QString(), {120, 1545, 3135, 285}, QString());
    Label11 = make.label(f, QStringLiteral("Width:"), {3360, 1350});
    txtPixelWidth2 = make.text(f, QString(), {3360, 1545, 735, 285}, QString(), Qt::AlignCenter);
    lblX2 = make.label(f, QStringLiteral("X"), {4170, 1575});
    Label12 = make.label(f, QStringLiteral("Height:"), {4320, 1350});
    txtPixelHeight2 = make.text(f, QString(), {4320, 1545, 615, 285}, QString(), Qt::AlignCenter);
    for (QLineEdit* box : {txtPixelWidth2, txtPixelHeight2}) {
        box->setReadOnly(true);
    }
    // Each box is read aloud by its own label, not by the frame's title.
    for (const auto& [label, box] : {std::pair{Label14, txtSourcePath},
                                     {Label11, txtPixelWidth2},
                                     {Label12, txtPixelHeight2}}) {
        label->setBuddy(box);
    }
    Label13 = make.label(f, QStringLiteral("Source Picture Name"), {120, 1860});
    // Right of the label as this host's fonts draw it; the right edge is the designed one.
    txtSourceFile = make.text(f, QString(), {1800, 1830, 1455, 255}, QString());
    Label13->setBuddy(txtSourceFile);
    frameani = make.placed(new QFrame(f), {3360, 1890, 1695, 600}, arial(), kBlack);
    frameani->hide();
    imgLogo = make.image(frameani, ui::artwork(Art::Logo), {120, 60, 480, 480});
    imgProgress1 = make.image(frameani, ui::artwork(Art::Progress1), {840, 60, 480, 480});
    imgProgress2 = make.image(frameani, ui::artwork(Art::Progress2), {840, 60, 480, 480});
    imgProgress3 = make.image(frameani, ui::artwork(Art::Progress3), {840, 60, 480, 480});
    for (ui::Image* step : {imgProgress1, imgProgress2, imgProgress3}) {
        step->hide();
    }

    List1 = make.placed(new QListWidget(f), {120, 480, 4815, kListHeight}, arial(), kBlack,
                        QStringLiteral("Source Picture Files Que List"));
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cmdBrowse2 = make.button(f, QStringLiteral("&Select Source Pictures"), {130, 2130, 4815, 345},
                             QString());
}

void FrmResize::createOptionsPanel() {
    const Builder make(twips);
    Frame4 = make.frame(form, QStringLiteral("Thumbnail Pictures"), {5150, 4680, 5275, 2535},
                        QStringLiteral("Set Thumbnail Picture Size"), arial(9.75, true));
    QWidget* f = Frame4;
    const QString inPixels = QStringLiteral("In Pixels");
    Label1 = make.label(f, QStringLiteral("Width"), {240, 285}, arial(), kBlack, inPixels);
    txtwidth = make.text(f, QStringLiteral("110"), {240, 480, 975, 285},
                         QStringLiteral("Max Width 280 Pixels"), Qt::AlignCenter);
    btnUp = make.imageButton(f, Art::ArrowUp, {1200, 480, 165, 150}, QString());
    btnDown = make.imageButton(f, Art::ArrowDown, {1200, 620, 165, 150}, QString());
    lbl_X = make.label(f, QStringLiteral("X"), {1530, 520}, arial(8.25, true), kDarkGrey);
    Label2 = make.label(f, QStringLiteral("Height"), {1800, 285}, arial(), kBlack, inPixels);
    txtHeight = make.text(f, QStringLiteral("130"), {1800, 480, 975, 285},
                          QStringLiteral("Max Height 280 Pixels"), Qt::AlignCenter);
    btnUp2 = make.imageButton(f, Art::ArrowUp, {2760, 480, 165, 150}, QString());
    btnDown2 = make.imageButton(f, Art::ArrowDown, {2760, 620, 165, 150}, QString());
    btnUp_Pressed = btnUp->twin();
    btnDown_Pressed = btnDown->twin();
    btnUp2_Pressed = btnUp2->twin();
    btnDown2_Pressed = btnDown2->twin();
    Label1->setBuddy(txtwidth);
    Label2->setBuddy(txtHeight);
    // The arrows have no tooltip to be named by.
    btnUp->setAccessibleName(QStringLiteral("Increase Width"));
    btnDown->setAccessibleName(QStringLiteral("Decrease Width"));
    btnUp2->setAccessibleName(QStringLiteral("Increase Height"));
    btnDown2->setAccessibleName(QStringLiteral("Decrease Height"));

    Frame9 = make.frame(f, QStringLiteral("Process"), {3120, 30, 855, 830},
                        QStringLiteral("Start Processing Pictures Into Thumbnails"));
    Image2 = make.imageButton(Frame9, Art::StartProcessing, {248, 300, 360, 360},
                              QStringLiteral("Start Processing Source Pictures Into Thumbnails"));
    Image17 = Image2->twin();
    Frame10 = make.frame(f, QStringLiteral("Options"), {3950, 30, 1290, 830},
                         QStringLiteral("Thumbnail Processing Options"));
    Image3 = make.imageButton(Frame10, Art::PromptOverwrite, {120, 300, 360, 360},
                              QStringLiteral("Prompt On Overwrite Of Existing Pictures (ON/OFF)"));
    Image18 = make.imageButton(Frame10, Art::SameFolder, {480, 300, 360, 360},
                               QStringLiteral("Save Thumbnails To Original Folder (ON/OFF)"));
    Image6 = make.imageButton(Frame10, Art::Landscape, {840, 300, 360, 360},
                              QStringLiteral("Auto Landscape Thumbnails (ON/OFF)"));
    Image11 = Image3->twin();
    Image4 = Image18->twin();
    Image16 = Image6->twin();

    Frame1 = make.frame(f, QStringLiteral("Thumbnail File Type"), {0, 840, 5235, 615},
                        QStringLiteral("Choose Thumbnail File Type"));
    // Each type button sits alone in a borderless frame, so none of them groups the others.
    const auto typeButton = [&](const QString& caption, const Place& at, const QString& tip) {
        auto* holder =
            make.placed(new QFrame(Frame1), {at.left, at.top, 855, 285}, arial(), kBlack);
        auto* button = new ui::OptionButton(caption, holder);
        return make.placed(button, {0, 0, 855, 285}, arial(8.25, true), kBlack, tip);
    };
    optJPG = typeButton(QStringLiteral("JPG"), {120, 210},
                        QStringLiteral("Saves Picture As JPG File Type"));
    optBMP = typeButton(QStringLiteral("BMP"), {1800, 200},
                        QStringLiteral("Saves Picture As BMP File Type"));
    optGIF = typeButton(QStringLiteral("GIF"), {3240, 200},
                        QStringLiteral("Saves Picture As GIF File Type"));
    frameQuality = make.frame(Frame1, QStringLiteral("Quality"), {4380, 0, 855, 615},
                              QStringLiteral("Set JPG Quality"));
    txtQuality = make.text(frameQuality, QStringLiteral("100"), {120, 240, 495, 285},
                           QStringLiteral("Set JPG Quality"), Qt::AlignCenter);
    lblPercent = make.label(frameQuality, QStringLiteral("%"), {645, 270});
    // Disabled for BMP and GIF, the box looks it, as the disabled name boxes do (their grey
    // ground): its text colour is set for every state, so the disabled look is set here.
    const QColor disabledText = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
    QPalette quality = txtQuality->palette();
    quality.setColor(QPalette::Disabled, QPalette::Base, palette().color(QPalette::Window));
    quality.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    txtQuality->setPalette(quality);
    QPalette percent = lblPercent->palette();
    // The box's grey would vanish on the window's grey.
    percent.setColor(QPalette::Disabled, QPalette::WindowText, ui::bgrColor(kDarkGrey));
    lblPercent->setPalette(percent);
    frameQuality->setEnabled(false);
    // At most three digits typed or pasted; the key filters decide what each typed key does.
    for (QLineEdit* box : {txtwidth, txtHeight, txtQuality}) {
        box->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(options::kMaxChars)), box));
    }

    Frame8 = make.frame(f, QStringLiteral("Save To Path"), {0, 1450, 3510, 1080},
                        QStringLiteral("Process Thumbnails To This Location"));
    // The name preview row; each box lies in front of the one to its left.
    txtDestName =
        make.text(Frame8, platform::placeholderFolder(services.paths), {70, 240, 1935, 285},
                  QStringLiteral("Shows Save To Folder"), Qt::AlignLeft, kBrightGreen);
    txtFilename =
        make.text(Frame8, QStringLiteral("FileName"), {1990, 240, 975, 285},
                  QStringLiteral("Represents File Name Being Processed"), Qt::AlignCenter);
    txtFilename->setEnabled(false);
    txtExtention = make.text(Frame8, QStringLiteral(".jpg"), {2950, 240, 370, 285},
                             QStringLiteral("Represents Thumbnail Name Extention"));
    txtExtention->setEnabled(false);
    txtIncrementer =
        make.text(Frame8, QStringLiteral("_th"), {2470, 240, 485, 285},
                  QStringLiteral("Represents Thumbnail Name"), Qt::AlignCenter, kBrightGreen);
    for (QLineEdit* box : {txtDestName, txtFilename, txtIncrementer, txtExtention}) {
        box->setReadOnly(true);
        box->setAccessibleName(box->toolTip());  // the row has no labels; the frame names all four
    }
    cmdBrowse = make.button(Frame8, QStringLiteral("&Browse"), {120, 675, 795, 285},
                            QStringLiteral("Browse For Save To Folder"));
    cmdSame =
        make.button(Frame8, QStringLiteral("Sa&me Folder"), {960, 675, 1155, 285},
                    QStringLiteral("Save Thumbnails To Same Location As Original Pictures ON/OFF"));
    cmdOpen = make.button(Frame8, QStringLiteral("Op&en Folder"), {2160, 675, 1215, 285},
                          QStringLiteral("Open Save To Folder"));
    cmdProcess = make.button(Frame8, QStringLiteral("&Process Thumbnails"), {120, 675, 3250, 285},
                             QStringLiteral("Process Selected Pictures"));
    cmdProcess->hide();

    Frame3 = make.frame(f, QStringLiteral("Thumbnail Name"), {3480, 1450, 1770, 1080},
                        QStringLiteral("Choose Thumbnail Name Options"));
    chkPrefix = make.check(Frame3, QStringLiteral("Prefix"), {80, 260, 855, 255},
                           QStringLiteral("Adds Characters To Front Of Name"));
    chkSufix = make.check(Frame3, QStringLiteral("Suffix"), {80, 510, 855, 255},
                          QStringLiteral("Adds Characters To End Of Name"));
    chkNumber = make.check(Frame3, QStringLiteral("Number"), {80, 760, 855, 255},
                           QStringLiteral("Add Numbers To Front Of Name (Auto Incrementing)"));
    frmLetters = make.frame(Frame3, QStringLiteral("Char:"), {920, 200, 735, 615}, QString());
    txtLetters = make.text(
        frmLetters, QStringLiteral("_th"), {120, 240, 495, 285},
        QStringLiteral("Type Letters Or Starting Number To Name Thumbnail (Max 3 Characters)"),
        Qt::AlignCenter, kBlack, options::kMaxChars);

    // The three switches live in hidden check boxes.
    chkLandscape = make.check(form, QStringLiteral("Landscape"), {10920, 6000, 1200, 255});
    chkFileLocation = make.check(form, QStringLiteral("File Location"), {10920, 6300, 1200, 255});
    chkOverwrite = make.check(form, QStringLiteral("Overwrite"), {10920, 6600, 1200, 255});
    for (QCheckBox* box : {chkLandscape, chkFileLocation, chkOverwrite}) {
        box->hide();
    }
}

void FrmResize::createChooser() {
    const Builder make(twips);
    frameBrowse = make.frame(form, QStringLiteral("Choose Save To Path"), {5160, 4710, 5250, 2525},
                             QStringLiteral("Double Click Folder To Select OR Create A New Folder"),
                             arial(8.25, true));
    // Open, it covers the options panel, so it paints the window's grey behind its controls.
    QPalette covering = frameBrowse->palette();
    covering.setColor(QPalette::Window, ui::bgrColor(kGrey));
    frameBrowse->setPalette(covering);
    frameBrowse->setAutoFillBackground(true);
    QWidget* f = frameBrowse;
    Label16 = make.label(f, QStringLiteral("Save To Folder"), {120, 285});
    Dir1 = make.placed(new ui::DirList(f), {120, 480, 4935, 990}, arial(), kBlack);
    Label15 = make.label(f, QStringLiteral("Drives"), {120, 1605});
    Drive1 = make.placed(new ui::DriveList(f, services.volumes), {120, 1800, 4935, 315}, arial(),
                         kBlack);
    Image5 = make.imageButton(f, Art::Browse, {4320, 120, 360, 360},
                              QStringLiteral("Create New Folder"));
    Image10 = Image5->twin();
    imgOpenFolder = make.imageButton(f, Art::OpenFolder, {4680, 120, 360, 360},
                                     QStringLiteral("Open Destination Folder"));
    Image20 = imgOpenFolder->twin();
    // A little above the designed row, which this host's taller buttons pushed onto the edge.
    cmdCancel = make.button(f, QStringLiteral("&Close"), {3360, 2160, 855, 255},
                            QStringLiteral("Cancel Close Select Folder"));
    cmdOk = make.button(f, QStringLiteral("O&k"), {4200, 2160, 855, 255},
                        QStringLiteral("Ok To Save To Selected Folder"));
    cmdClose = make.button(f, QStringLiteral("Close"), {2400, 2160, 855, 255}, QString());
    cmdClose->hide();
    frameBrowse->hide();
}

void FrmResize::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setFont(arial());

    mnuFile = bar->addMenu(QStringLiteral("&Files"));
    // In this menu C belongs to "&Cancel Processing" during a run (a disabled entry still
    // holds its letter) and S to "&Start Processing".
    mnuAdd = entry(mnuFile, QStringLiteral("Choose &Pictures"));
    mnuSaveTo = mnuFile->addMenu(QStringLiteral("Save To &Folder"));
    mnuBrowse = entry(mnuSaveTo, QStringLiteral("&Choose Folder"));
    mnuSamel2 = entry(mnuSaveTo, QStringLiteral("&Original Folder"), true);
    mnuOpenFolder = entry(mnuSaveTo, QStringLiteral("Open &Save To Folder"));
    mnuFile->addSeparator();
    mnuProcess = entry(mnuFile, QStringLiteral("&Start Processing"));
    mnuProcess->setEnabled(false);
    mnuFile->addSeparator();
    mnuExit = entry(mnuFile, QStringLiteral("Exit Program"));

    mnuType = bar->addMenu(QStringLiteral("&Thumbnail Type"));
    mnujpg = entry(mnuType, QStringLiteral("&JPG"), true);
    mnubmp = entry(mnuType, QStringLiteral("&BMP"), true);
    mnugif = entry(mnuType, QStringLiteral("&GIF"), true);

    mnuName = bar->addMenu(QStringLiteral("Thumbnail &Name"));
    mnuPrefix = entry(mnuName, QStringLiteral("&Prefix"), true);
    mnuSuffix = entry(mnuName, QStringLiteral("&Suffix"), true);
    mnuNumber = entry(mnuName, QStringLiteral("&Number"), true);

    mnuOptions = bar->addMenu(QStringLiteral("Thumbnail &Options"));
    mnuOverwrite = entry(mnuOptions, QStringLiteral("&Prompt On Overwrite"), true);
    mnuSame = entry(mnuOptions, QStringLiteral("&Save To Original Folder"), true);
    mnuLandscape = entry(mnuOptions, QStringLiteral("&Landscape Thumbnail"), true);

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuViewHelp = entry(mnuHelp, QStringLiteral("&Help File"));
    mnuOnline = entry(mnuHelp, QStringLiteral("Help &Online"));
    mnuTips = entry(mnuHelp, QStringLiteral("&Pop Up Tips"), true);
    mnuHelp->addSeparator();
    mnuInfo = entry(mnuHelp, QStringLiteral("Program &Info"));

    // The menus in the bar's font, not the desktop's.
    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        menu->setFont(bar->font());
    }
}

bool FrmResize::focusNextPrevChild(bool next) {
    const auto covered = [this](QWidget* widget) {
        const QPoint centre = mapFromGlobal(widget->mapToGlobal(widget->rect().center()));
        QWidget* top = childAt(centre);
        return top && top != widget && !widget->isAncestorOf(top);
    };
    QWidget* first = nullptr;
    for (;;) {
        if (!QMainWindow::focusNextPrevChild(next)) {
            return false;
        }
        QWidget* now = QApplication::focusWidget();
        if (!now || !covered(now) || now == first) {
            return true;
        }
        if (!first) {
            first = now;
        }
    }
}
