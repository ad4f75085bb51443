#include "mainwindow/frm_resize.h"

#include "ui/controls.h"
#include "ui/folder_lists.h"
#include "ui/image.h"
#include "ui/list_click.h"
#include "ui/picture_box.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// Backspace and the digits pass; every other key that types something is discarded.
bool notDigitOrBackspace(QKeyEvent* key) {
    const QChar c = key->text().at(0);
    return c != QLatin1Char('\b') && !(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

}  // namespace

FrmResize::FrmResize(platform::Services services_, QWidget* parent)
    : QMainWindow(parent),
      onEndProgram([] { QCoreApplication::exit(0); }),
      services(services_),
      twips(services_.screen),
      settings(services_.store),
      timerProcess(services_.loop, 2000),
      timerani(services_.loop, 300),
      timerLblFinished(services_.loop, 1000),
      timerTip(services_.loop, 1000) {
    createControls();
    connectHandlers();
}

FrmResize::~FrmResize() = default;

void FrmResize::connectHandlers() {
    // Loading and shutdown.
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(Image7, &ui::Image::clicked, this, [this] { Image7_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });

    // Size boxes and arrows.
    connect(txtwidth, &QLineEdit::textChanged, this, [this] { txtwidth_Change(); });
    connect(txtHeight, &QLineEdit::textChanged, this, [this] { txtHeight_Change(); });
    ui::filterKeys(txtwidth, notDigitOrBackspace);
    ui::filterKeys(txtHeight, notDigitOrBackspace);
    connect(btnUp, &ui::Image::clicked, this, [this] { btnUp_Click(); });
    connect(btnDown, &ui::Image::clicked, this, [this] { btnDown_Click(); });
    connect(btnUp2, &ui::Image::clicked, this, [this] { btnUp2_Click(); });
    connect(btnDown2, &ui::Image::clicked, this, [this] { btnDown2_Click(); });

    // Type and quality.
    connect(optJPG, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) {
            optJPG_Click();
        }
    });
    connect(optBMP, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) {
            optBMP_Click();
        }
    });
    connect(optGIF, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) {
            optGIF_Click();
        }
    });
    connect(mnujpg, &QAction::triggered, this, [this] { mnujpg_Click(); });
    connect(mnubmp, &QAction::triggered, this, [this] { mnubmp_Click(); });
    connect(mnugif, &QAction::triggered, this, [this] { mnugif_Click(); });
    ui::filterKeys(txtQuality,
                   [this](QKeyEvent* key) { return qualityKeyPress(key->text().at(0).unicode()); });

    // Naming.
    connect(chkPrefix, &QAbstractButton::toggled, this, [this] { chkPrefix_Click(); });
    connect(chkSufix, &QAbstractButton::toggled, this, [this] { chkSufix_Click(); });
    connect(chkNumber, &QAbstractButton::toggled, this, [this] { chkNumber_Click(); });
    connect(mnuPrefix, &QAction::triggered, this, [this] { mnuPrefix_Click(); });
    connect(mnuSuffix, &QAction::triggered, this, [this] { mnuSuffix_Click(); });
    connect(mnuNumber, &QAction::triggered, this, [this] { mnuNumber_Click(); });
    connect(txtLetters, &QLineEdit::textChanged, this, [this] { txtLetters_Change(); });
    connect(txtIncrementer, &QLineEdit::textChanged, this, [this] { txtIncrementer_Change(); });

    // The three switches: toolbar image, status label and menu entry each.
    connect(Image3, &ui::Image::clicked, this, [this] { Image3_Click(); });
    ui::onClick(lblOverwrite, [this] { Image3_Click(); });
    connect(mnuOverwrite, &QAction::triggered, this, [this] { Image3_Click(); });
    connect(Image18, &ui::Image::clicked, this, [this] { Image18_Click(); });
    ui::onClick(Label20, [this] { Image18_Click(); });
    connect(mnuSame, &QAction::triggered, this, [this] { Image18_Click(); });
    connect(mnuSamel2, &QAction::triggered, this, [this] { Image18_Click(); });
    connect(cmdSame, &QPushButton::clicked, this, [this] { cmdSame_Click(); });
    connect(Image6, &ui::Image::clicked, this, [this] { Image6_Click(); });
    ui::onClick(lblLandscape, [this] { Image6_Click(); });
    connect(mnuLandscape, &QAction::triggered, this, [this] { Image6_Click(); });
    connect(chkOverwrite, &QAbstractButton::toggled, this, [this] { chkOverwrite_Click(); });
    connect(chkLandscape, &QAbstractButton::toggled, this, [this] { chkLandscape_Click(); });
    connect(chkFileLocation, &QAbstractButton::toggled, this, [this] { chkFileLocation_Click(); });

    // Helper tip steps of clicks on the panel.
    for (QWidget* w : {static_cast<QWidget*>(Frame3), static_cast<QWidget*>(frmLetters),
                       static_cast<QWidget*>(txtLetters)}) {
        ui::onClick(w, [this] { tipStep(4); });
    }
    for (QWidget* w : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(frameQuality),
                       static_cast<QWidget*>(txtQuality)}) {
        ui::onClick(w, [this] { tipStep(5); });
    }
    for (QWidget* w : {static_cast<QWidget*>(Frame4), static_cast<QWidget*>(txtwidth),
                       static_cast<QWidget*>(txtHeight)}) {
        ui::onClick(w, [this] { tipStep(6); });
    }
    ui::onClick(Frame10, [this] { tipStep(7); });

    ui::onListClick(List1, [this] { List1_Click(); });
    connect(txtPixelWidth2, &QLineEdit::textChanged, this, [this] { txtPixelWidth2_Change(); });
    connect(txtPixelHeight2, &QLineEdit::textChanged, this, [this] { txtPixelHeight2_Change(); });

    // The run, the save-to chooser, the picker, and what is not built yet.
    connect(cmdProcess, &QPushButton::clicked, this, [this] { cmdProcess_Click(); });
    connect(Image2, &ui::Image::clicked, this, [this] { Image2_Click(); });
    connect(mnuProcess, &QAction::triggered, this, [this] { mnuProcess_Click(); });
    connect(cmdBrowse, &QPushButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(mnuBrowse, &QAction::triggered, this, [this] { cmdBrowse_Click(); });
    connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(mnuOpenFolder, &QAction::triggered, this, [this] { mnuOpenFolder_Click(); });
    connect(Dir1, &ui::DirList::pathChanged, this, [this] { Dir1_Change(); });
    connect(Drive1, &ui::DriveList::driveChanged, this, [this] { Drive1_Change(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(Image5, &ui::Image::clicked, this, [this] { Image5_Click(); });
    connect(imgOpenFolder, &ui::Image::clicked, this, [this] { imgOpenFolder_Click(); });
    connect(cmdBrowse2, &QPushButton::clicked, this, [this] { cmdBrowse2_Click(); });
    connect(Image19, &ui::Image::clicked, this, [this] { Image19_Click(); });
    connect(mnuAdd, &QAction::triggered, this, [this] { mnuAdd_Click(); });
    connect(Image8, &ui::Image::clicked, this, [this] { Image8_Click(); });
    connect(mnuInfo, &QAction::triggered, this, [this] { mnuInfo_Click(); });
    connect(Image9, &ui::Image::clicked, this, [this] { Image9_Click(); });
    connect(mnuViewHelp, &QAction::triggered, this, [this] { mnuViewHelp_Click(); });
    connect(mnuOnline, &QAction::triggered, this, [this] { mnuOnline_Click(); });
    connect(imgHelperTips, &ui::Image::clicked, this, [this] { imgHelperTips_Click(); });
    connect(imgHelperTips_Off, &ui::Image::clicked, this, [this] { imgHelperTips_Off_Click(); });
    connect(mnuTips, &QAction::triggered, this, [this] { mnuTips_Click(); });
    ui::filterKeys(txtSourceFile, [this](QKeyEvent* key) {
        txtSourceFile_KeyPress(key->text().at(0).unicode());
        return false;
    });
    timerProcess.onTick([this] { timerProcess_Timer(); });
    timerani.onTick([this] { timerani_Timer(); });
    timerLblFinished.onTick([this] { timerLblFinished_Timer(); });
    timerTip.onTick([this] { timerTip_Timer(); });
}
