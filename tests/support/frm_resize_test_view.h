// SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow/frm_resize.h"

// What the main window's tests see of it: its controls, timers and flags by their names, and the
// private state of its run and output stages that a test checks. The window keeps them private;
// a test reaches them through `view(window).name`, the picker's side through `view(w).owner`.
struct FrmResizeTestView {
    explicit FrmResizeTestView(FrmResize& window) : w(window) {}

    FrmResize& w;
    PickerOwner& owner = w;
    platform::Services& services = w.services;
    ui::Twips& twips = w.twips;
    options::Settings& settings = w.settings;
    Launcher& web = w.web;
    QSize& sourceSize = w.sourceSize;
    QString& holderPath = w.holderPath;
    QImage& samplePicture = w.samplePicture;
    ui::PictureBox*& form = w.form;
    QLabel*& lblSourceImage = w.lblSourceImage;
    ui::Image*& imgSourceImage = w.imgSourceImage;
    ui::Image*& Image1 = w.Image1;
    ui::PictureBox*& PictureVis = w.PictureVis;
    ui::Image*& ImgError = w.ImgError;
    QLabel*& lblSourceFile = w.lblSourceFile;
    QLabel*& lblWidth = w.lblWidth;
    QLabel*& lblX = w.lblX;
    QLabel*& lblHeight = w.lblHeight;
    QLabel*& lblThumbnail = w.lblThumbnail;
    ui::PictureBox*& Picture2 = w.Picture2;
    QLabel*& lblWidth2 = w.lblWidth2;
    QLabel*& lblxx = w.lblxx;
    QLabel*& lblHeight2 = w.lblHeight2;
    QLabel*& lblFinished = w.lblFinished;
    QLabel*& lblSaveTo = w.lblSaveTo;
    QLabel*& lblPath = w.lblPath;
    QLabel*& lblDestPath = w.lblDestPath;
    ui::Image*& imgRedLightOff22 = w.imgRedLightOff22;
    ui::Image*& imgRedLightOn22 = w.imgRedLightOn22;
    ui::Image*& imgRedOff = w.imgRedOff;
    ui::Image*& imgRedOn = w.imgRedOn;
    ui::Image*& imgGreenOff22 = w.imgGreenOff22;
    ui::Image*& imgGreenOn22 = w.imgGreenOn22;
    QLabel*& lblOverwrite = w.lblOverwrite;
    QLabel*& Label20 = w.Label20;
    QLabel*& lblLandscape = w.lblLandscape;
    QLabel*& lblSource = w.lblSource;
    QLabel*& lblDest = w.lblDest;
    ui::Line*& lineDiv = w.lineDiv;
    ui::Line*& lineDiv2 = w.lineDiv2;
    QPushButton*& cmdExit = w.cmdExit;
    ui::PictureBox*& picSizer = w.picSizer;
    ui::PictureBox*& picScreens = w.picScreens;
    ui::FileList*& File1 = w.File1;
    QGroupBox*& Frame2 = w.Frame2;
    ui::ImageButton*& Image19 = w.Image19;
    ui::ImageButton*& Image8 = w.Image8;
    ui::ImageButton*& imgHelperTips = w.imgHelperTips;
    ui::Image*& imgHelperTips_Pressed = w.imgHelperTips_Pressed;
    ui::ImageButton*& imgHelperTips_Off = w.imgHelperTips_Off;
    ui::ImageButton*& Image9 = w.Image9;
    ui::ImageButton*& Image7 = w.Image7;
    ui::ImageButton*& Image32 = w.Image32;
    QLabel*& Label21 = w.Label21;
    QListWidget*& List1 = w.List1;
    QPushButton*& cmdBrowse2 = w.cmdBrowse2;
    QFrame*& frameani = w.frameani;
    ui::Image*& imgLogo = w.imgLogo;
    ui::Image*& imgProgress1 = w.imgProgress1;
    ui::Image*& imgProgress2 = w.imgProgress2;
    ui::Image*& imgProgress3 = w.imgProgress3;
    QLabel*& Label13 = w.Label13;
    QLineEdit*& txtSourceFile = w.txtSourceFile;
    QLabel*& Label11 = w.Label11;
    QLineEdit*& txtPixelWidth2 = w.txtPixelWidth2;
    QLabel*& lblX2 = w.lblX2;
    QLabel*& Label12 = w.Label12;
    QLineEdit*& txtPixelHeight2 = w.txtPixelHeight2;
    QLabel*& Label14 = w.Label14;
    QLineEdit*& txtSourcePath = w.txtSourcePath;
    QGroupBox*& Frame4 = w.Frame4;
    QLabel*& Label1 = w.Label1;
    QLineEdit*& txtwidth = w.txtwidth;
    ui::ImageButton*& btnUp = w.btnUp;
    ui::Image*& btnUp_Pressed = w.btnUp_Pressed;
    ui::ImageButton*& btnDown = w.btnDown;
    ui::Image*& btnDown_Pressed = w.btnDown_Pressed;
    QLabel*& lbl_X = w.lbl_X;
    QLabel*& Label2 = w.Label2;
    QLineEdit*& txtHeight = w.txtHeight;
    ui::ImageButton*& btnUp2 = w.btnUp2;
    ui::Image*& btnUp2_Pressed = w.btnUp2_Pressed;
    ui::ImageButton*& btnDown2 = w.btnDown2;
    ui::Image*& btnDown2_Pressed = w.btnDown2_Pressed;
    QGroupBox*& Frame10 = w.Frame10;
    ui::ImageButton*& Image3 = w.Image3;
    ui::Image*& Image11 = w.Image11;
    ui::ImageButton*& Image18 = w.Image18;
    ui::Image*& Image4 = w.Image4;
    ui::ImageButton*& Image6 = w.Image6;
    ui::Image*& Image16 = w.Image16;
    QGroupBox*& Frame9 = w.Frame9;
    ui::ImageButton*& Image2 = w.Image2;
    ui::Image*& Image17 = w.Image17;
    QGroupBox*& Frame1 = w.Frame1;
    ui::OptionButton*& optJPG = w.optJPG;
    ui::OptionButton*& optBMP = w.optBMP;
    ui::OptionButton*& optGIF = w.optGIF;
    QGroupBox*& frameQuality = w.frameQuality;
    QLineEdit*& txtQuality = w.txtQuality;
    QLabel*& lblPercent = w.lblPercent;
    QGroupBox*& Frame8 = w.Frame8;
    QLineEdit*& txtDestName = w.txtDestName;
    QLineEdit*& txtFilename = w.txtFilename;
    QLineEdit*& txtIncrementer = w.txtIncrementer;
    QLineEdit*& txtExtention = w.txtExtention;
    QPushButton*& cmdBrowse = w.cmdBrowse;
    QPushButton*& cmdSame = w.cmdSame;
    QPushButton*& cmdOpen = w.cmdOpen;
    QPushButton*& cmdProcess = w.cmdProcess;
    QGroupBox*& Frame3 = w.Frame3;
    QCheckBox*& chkPrefix = w.chkPrefix;
    QCheckBox*& chkSufix = w.chkSufix;
    QCheckBox*& chkNumber = w.chkNumber;
    QGroupBox*& frmLetters = w.frmLetters;
    QLineEdit*& txtLetters = w.txtLetters;
    QCheckBox*& chkLandscape = w.chkLandscape;
    QCheckBox*& chkFileLocation = w.chkFileLocation;
    QCheckBox*& chkOverwrite = w.chkOverwrite;
    QGroupBox*& frameBrowse = w.frameBrowse;
    QLabel*& Label16 = w.Label16;
    ui::DirList*& Dir1 = w.Dir1;
    QLabel*& Label15 = w.Label15;
    ui::DriveList*& Drive1 = w.Drive1;
    ui::ImageButton*& Image5 = w.Image5;
    ui::Image*& Image10 = w.Image10;
    ui::ImageButton*& imgOpenFolder = w.imgOpenFolder;
    ui::Image*& Image20 = w.Image20;
    QPushButton*& cmdCancel = w.cmdCancel;
    QPushButton*& cmdOk = w.cmdOk;
    QPushButton*& cmdClose = w.cmdClose;
    QMenu*& mnuFile = w.mnuFile;
    QAction*& mnuAdd = w.mnuAdd;
    QMenu*& mnuSaveTo = w.mnuSaveTo;
    QAction*& mnuBrowse = w.mnuBrowse;
    QAction*& mnuSamel2 = w.mnuSamel2;
    QAction*& mnuOpenFolder = w.mnuOpenFolder;
    QAction*& mnuProcess = w.mnuProcess;
    QAction*& mnuExit = w.mnuExit;
    QMenu*& mnuType = w.mnuType;
    QAction*& mnujpg = w.mnujpg;
    QAction*& mnubmp = w.mnubmp;
    QAction*& mnugif = w.mnugif;
    QMenu*& mnuName = w.mnuName;
    QAction*& mnuPrefix = w.mnuPrefix;
    QAction*& mnuSuffix = w.mnuSuffix;
    QAction*& mnuNumber = w.mnuNumber;
    QMenu*& mnuOptions = w.mnuOptions;
    QAction*& mnuOverwrite = w.mnuOverwrite;
    QAction*& mnuSame = w.mnuSame;
    QAction*& mnuLandscape = w.mnuLandscape;
    QMenu*& mnuHelp = w.mnuHelp;
    QAction*& mnuViewHelp = w.mnuViewHelp;
    QAction*& mnuOnline = w.mnuOnline;
    QAction*& mnuTips = w.mnuTips;
    QAction*& mnuInfo = w.mnuInfo;
    platform::Timer& timerProcess = w.timerProcess;
    platform::Timer& timerani = w.timerani;
    platform::Timer& timerLblFinished = w.timerLblFinished;
    qint16& indoversize = w.indoversize;
    qint16& indLoading = w.indLoading;
    qint16& indGetSettings = w.indGetSettings;
    qint16& indFirstRun = w.indFirstRun;
    qint16& indDirReady = w.indDirReady;
    qint32& varIncrementer = w.varIncrementer;
    QString& varDestination = w.varDestination;
    QString& varMyDocs = w.varMyDocs;
    QString& varMyPics = w.varMyPics;
    QString& varDirectoryPath = w.varDirectoryPath;
    QString& strPathHolder = w.strPathHolder;
    QString& txtPathText = w.txtPathText;
    qint16& indTipsHolder = w.indTipsHolder;
    FrmResizeTips& tips = w.tips;
    std::unique_ptr<Bubble>& bubble = w.bubble;
    FrmResizeRun& run = w.run;
    FrmResizeOutput& output = w.output;
    FrmResizeChooser& chooser = w.chooser;
    FrmResizeOptionState& optionState = w.optionState;
    PickerHost& picker = w.picker;

    // The run's and the output's own state.
    qint16& indProcessing = w.run.indProcessing;
    qint16& indCanceled = w.run.indCanceled;
    qint16& indCmdProcessClick = w.run.indCmdProcessClick;
    qint16& indLandscape = w.run.indLandscape;
    qint16& varBlinkCount = w.run.varBlinkCount;
    qint16& varPromptCount = w.output.varPromptCount;
    qint16& indSaving = w.output.indSaving;

    // What the picker's Add leaves behind: `sources` queued, the commands following.
    void queue(const QStringList& sources) {
        for (const QString& source : sources) {
            owner.addToQueue(source);
        }
    }
};

inline FrmResizeTestView view(FrmResize& window) {
    return FrmResizeTestView(window);
}

// The same for a window a test only looks at.
inline FrmResizeTestView view(const FrmResize& window) {
    return FrmResizeTestView(const_cast<FrmResize&>(window));
}
