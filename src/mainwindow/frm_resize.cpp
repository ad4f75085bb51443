// SPDX-License-Identifier: MIT
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

// A key that types into a text box: a character, or Backspace, without Ctrl, Alt or Meta.
bool typesIntoBox(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString text = key->text();
    return text.size() == 1 && (text.at(0).isPrint() || key->key() == Qt::Key_Backspace);
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
      timerLblFinished(services_.loop, 1000) {
    createControls();
    connectHandlers();
}

FrmResize::~FrmResize() = default;

void FrmResize::connectHandlers() {
    using Handler = void (FrmResize::*)();
    const auto call = [this](Handler handler) { return [this, handler] { (this->*handler)(); }; };

    // Clicks on buttons, toolbar images and menu entries.
    const std::pair<QPushButton*, Handler> buttons[] = {
        {cmdExit, &FrmResize::cmdExit_Click},       {cmdSame, &FrmResize::cmdSame_Click},
        {cmdProcess, &FrmResize::cmdProcess_Click}, {cmdBrowse, &FrmResize::cmdBrowse_Click},
        {cmdOpen, &FrmResize::cmdOpen_Click},       {cmdOk, &FrmResize::cmdOk_Click},
        {cmdCancel, &FrmResize::cmdCancel_Click},   {cmdBrowse2, &FrmResize::cmdBrowse2_Click},
    };
    for (const auto& [button, handler] : buttons) {
        connect(button, &QPushButton::clicked, this, call(handler));
    }
    const std::pair<ui::Image*, Handler> images[] = {
        {Image7, &FrmResize::Image7_Click},
        {btnUp, &FrmResize::btnUp_Click},
        {btnDown, &FrmResize::btnDown_Click},
        {btnUp2, &FrmResize::btnUp2_Click},
        {btnDown2, &FrmResize::btnDown2_Click},
        {Image3, &FrmResize::Image3_Click},
        {Image18, &FrmResize::Image18_Click},
        {Image6, &FrmResize::Image6_Click},
        {Image2, &FrmResize::Image2_Click},
        {Image5, &FrmResize::Image5_Click},
        {imgOpenFolder, &FrmResize::imgOpenFolder_Click},
        {Image19, &FrmResize::Image19_Click},
        {Image8, &FrmResize::Image8_Click},
        {Image9, &FrmResize::Image9_Click},
        {imgLogo, &FrmResize::imgLogo_Click},
        {imgHelperTips, &FrmResize::imgHelperTips_Click},
        {imgHelperTips_Off, &FrmResize::imgHelperTips_Off_Click},
    };
    for (const auto& [image, handler] : images) {
        connect(image, &ui::Image::clicked, this, call(handler));
    }
    // The switches' menu entries and status labels run their toolbar image's handler.
    const std::pair<QAction*, Handler> entries[] = {
        {mnuExit, &FrmResize::mnuExit_Click},
        {mnujpg, &FrmResize::mnujpg_Click},
        {mnubmp, &FrmResize::mnubmp_Click},
        {mnugif, &FrmResize::mnugif_Click},
        {mnuPrefix, &FrmResize::mnuPrefix_Click},
        {mnuSuffix, &FrmResize::mnuSuffix_Click},
        {mnuNumber, &FrmResize::mnuNumber_Click},
        {mnuOverwrite, &FrmResize::Image3_Click},
        {mnuSame, &FrmResize::Image18_Click},
        {mnuSamel2, &FrmResize::Image18_Click},
        {mnuLandscape, &FrmResize::Image6_Click},
        {mnuProcess, &FrmResize::mnuProcess_Click},
        {mnuBrowse, &FrmResize::cmdBrowse_Click},
        {mnuOpenFolder, &FrmResize::mnuOpenFolder_Click},
        {mnuAdd, &FrmResize::mnuAdd_Click},
        {mnuInfo, &FrmResize::mnuInfo_Click},
        {mnuViewHelp, &FrmResize::mnuViewHelp_Click},
        {mnuOnline, &FrmResize::mnuOnline_Click},
        {mnuTips, &FrmResize::mnuTips_Click},
    };
    for (const auto& [entry, handler] : entries) {
        connect(entry, &QAction::triggered, this, [this, handler = handler] {
            (this->*handler)();
            showOptionsInMenus();  // the toolkit flipped the check; the option decides it
        });
    }
    const std::pair<QLabel*, Handler> labels[] = {
        {lblOverwrite, &FrmResize::Image3_Click},
        {Label20, &FrmResize::Image18_Click},
        {lblLandscape, &FrmResize::Image6_Click},
    };
    for (const auto& [label, handler] : labels) {
        ui::onClick(label, call(handler));
    }

    // Value changes of text boxes, check boxes and option buttons.
    const std::pair<QLineEdit*, Handler> boxes[] = {
        {txtwidth, &FrmResize::txtwidth_Change},
        {txtHeight, &FrmResize::txtHeight_Change},
        {txtLetters, &FrmResize::txtLetters_Change},
        {txtIncrementer, &FrmResize::txtIncrementer_Change},
        {txtPixelWidth2, &FrmResize::txtPixelWidth2_Change},
        {txtPixelHeight2, &FrmResize::txtPixelHeight2_Change},
    };
    for (const auto& [box, handler] : boxes) {
        connect(box, &QLineEdit::textChanged, this, call(handler));
    }
    const std::pair<QCheckBox*, Handler> checks[] = {
        {chkPrefix, &FrmResize::chkPrefix_Click},
        {chkSufix, &FrmResize::chkSufix_Click},
        {chkNumber, &FrmResize::chkNumber_Click},
        {chkOverwrite, &FrmResize::chkOverwrite_Click},
        {chkLandscape, &FrmResize::chkLandscape_Click},
        {chkFileLocation, &FrmResize::chkFileLocation_Click},
    };
    for (const auto& [box, handler] : checks) {
        connect(box, &QAbstractButton::toggled, this, call(handler));
    }
    const std::pair<ui::OptionButton*, Handler> options[] = {
        {optJPG, &FrmResize::optJPG_Click},
        {optBMP, &FrmResize::optBMP_Click},
        {optGIF, &FrmResize::optGIF_Click},
    };
    for (const auto& [button, handler] : options) {
        // An option button's Click is its selection only.
        connect(button, &QAbstractButton::toggled, this, [this, handler = handler](bool on) {
            if (on) {
                (this->*handler)();
            }
        });
    }
    ui::onListClick(List1, [this] { List1_Click(); });
    connect(Dir1, &ui::DirList::pathChanged, this, [this] { Dir1_Change(); });
    connect(Drive1, &ui::DriveList::driveChanged, this, [this] { Drive1_Change(); });

    // Keys. The number boxes filter what is typed into them; Tab, Enter and the shortcuts
    // (Ctrl+A, Ctrl+C, Ctrl+V) work there as in every other box.
    for (QLineEdit* box : {txtwidth, txtHeight}) {
        ui::filterKeys(box, [](QKeyEvent* key) {
            return typesIntoBox(key) && sizeKeyPress(key->text().at(0).unicode());
        });
    }
    ui::filterKeys(txtQuality, [this](QKeyEvent* key) {
        return typesIntoBox(key) && qualityKeyPress(key->text().at(0).unicode());
    });
    ui::filterKeys(txtSourceFile, [this](QKeyEvent* key) {
        txtSourceFile_KeyPress(key->text().at(0).unicode());
        return false;
    });

    // Helper tip steps of clicks on the panel.
    const std::pair<QWidget*, qint16> tipAreas[] = {
        {Frame3, 4},     {frmLetters, 4}, {txtLetters, 4}, {Frame1, 5},    {frameQuality, 5},
        {txtQuality, 5}, {Frame4, 6},     {txtwidth, 6},   {txtHeight, 6}, {Frame10, 7},
    };
    for (const auto& [area, step] : tipAreas) {
        ui::onClick(area, [this, step = step] { tips.runStep(step); });
    }

    timerProcess.onTick([this] { timerProcess_Timer(); });
    timerani.onTick([this] { timerani_Timer(); });
    timerLblFinished.onTick([this] { timerLblFinished_Timer(); });
    connectHoverTips();
}
