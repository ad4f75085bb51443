// SPDX-License-Identifier: MIT
#pragma once

#include "engine/thumbnail_plan.h"
#include "launcher/launcher.h"
#include "mainwindow/bubble.h"
#include "mainwindow/frm_resize_chooser.h"
#include "mainwindow/frm_resize_options.h"
#include "mainwindow/frm_resize_output.h"
#include "mainwindow/frm_resize_run.h"
#include "mainwindow/frm_resize_tips.h"
#include "options/thumbnail_options.h"
#include "picker/picker_host.h"
#include "picker/picker_owner.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "startup/about_host.h"
#include "ui/twips.h"

#include "ui/controls.h"
#include "ui/folder_lists.h"
#include "ui/image.h"
#include "ui/line.h"
#include "ui/picture_box.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The main window. Its controls and flags carry the names the behaviour is described with, and
// its handlers are named after the control and its event; all of them are private. Each concern
// owns its state and keeps its code in the file named after it: the run (FrmResizeRun,
// frm_resize_run.*) with its naming and output stages (FrmResizeOutput, frm_resize_output.*),
// the save-to chooser (FrmResizeChooser, frm_resize_chooser.*), the options panel
// (frm_resize_options.cpp, its switches in FrmResizeOptionState), rendering and previews
// (frm_resize_render.cpp), the commands the state allows (frm_resize_commands.cpp), the picker's
// owner (frm_resize_picker.cpp), loading and shutdown (frm_resize_startup.cpp), options load and
// save (frm_resize_settings.cpp), the controls' design places (frm_resize_layout.cpp) and the
// helper tips (FrmResizeTips, frm_resize_tips.*; the window's side in frm_resize_pending.cpp).
// Other windows reach it only through the owner interfaces it implements (PickerOwner,
// LauncherHost, AboutHost); tests through FrmResizeTestView.
class FrmResize : public QMainWindow,
                  public LauncherHost,
                  public about::AboutHost,
                  public PickerOwner,
                  private TipsHost {
  public:
    explicit FrmResize(platform::Services services, QWidget* parent = nullptr);
    ~FrmResize() override;

    // ---- loading and shutdown ---------------------------------------------------------------
    void Form_Load();
    void Form_Unload();
    void cmdExit_Click();
    void Image7_Click();
    void mnuExit_Click();
    // Ends the program at once: no window runs its close handling any more.
    void endProgram();
    bool programEnded() const { return ended_; }
    // The platform the window works on, for the windows it has installed.
    platform::Services platformServices() const { return services; }
    // The window was closed while a run tick was making its picture: the program ends once
    // that picture is written.
    bool closing() const { return endAfterPicture_; }
    // What ending the program does; the real one leaves the application's event loop.
    std::function<void()> onEndProgram;

    void subCenter();
    void subShowPath();
    // The pressed look every image button of the program shows before it acts: its twin for
    // 300 ms, while events run.
    void showPressed(ui::ImageButton* image);

    // ---- options load and save ----------------------------------------------------------------
    void subGetSettings();
    void subSaveSettings();

    // ---- options panel ----------------------------------------------------------------------
    void txtwidth_Change();
    void txtHeight_Change();
    void btnUp_Click();
    void btnDown_Click();
    void btnUp2_Click();
    void btnDown2_Click();
    void optJPG_Click();
    void optBMP_Click();
    void optGIF_Click();
    void mnujpg_Click();
    void mnubmp_Click();
    void mnugif_Click();
    void chkPrefix_Click();
    void chkSufix_Click();
    void chkNumber_Click();
    void mnuPrefix_Click();
    void mnuSuffix_Click();
    void mnuNumber_Click();
    void txtLetters_Change();
    void txtIncrementer_Change();
    void subOpMode();
    void Image3_Click();   // prompt on overwrite
    void Image18_Click();  // same folder
    void Image6_Click();   // landscape
    void chkOverwrite_Click();
    void chkLandscape_Click();
    void chkFileLocation_Click();

    // ---- rendering and previews ---------------------------------------------------------------
    // A thumbnail sampled at a call size, and the size of the picture it was sampled from.
    struct SampledThumbnail {
        QImage image;  // null when the call size leaves no inner area
        QSize source;
    };
    // Draws `sampled` (sampled at the call size) onto `destination` and places it as the
    // preview. The drawn thumbnail, to be written; none when the size drew nothing.
    std::optional<QImage> thumbnail(qint16 width, qint16 height, const SampledThumbnail& sampled,
                                    ui::PictureBox* destination);
    void List1_Click();
    // The list-click source view of `path`: `preview` is its picture stretched into
    // imgSourceImage, `size` the picture's size (both null when it could not be loaded).
    void subSourceImageProcess(const QString& path, const QImage& preview, QSize size);
    void txtPixelWidth2_Change();
    void txtPixelHeight2_Change();

    // ---- processing run, with its naming and output stages -------------------------------------
    void cmdProcess_Click();
    void Image2_Click();
    void mnuProcess_Click();
    void timerProcess_Timer();
    void timerani_Timer();
    void timerLblFinished_Timer();
    void subNameAndSaveThumbnail(const QImage& rendered, const engine::ThumbnailRequest& request);

    // ---- save-to chooser -----------------------------------------------------------------------
    void cmdBrowse_Click();
    void cmdSame_Click();
    void cmdOpen_Click();
    void mnuOpenFolder_Click();
    void Dir1_Change();
    void Drive1_Change();
    void cmdOk_Click();
    void cmdCancel_Click();
    void Image5_Click();
    void imgOpenFolder_Click();

    // ---- ways into the picker, and a single picture named by hand ------------------------------
    void cmdBrowse2_Click();
    void Image19_Click();
    void mnuAdd_Click();
    void txtSourceFile_KeyPress(int keyAscii);

    // ---- helper tips, about window, help and web actions, visual theme ------------------------
    void subRunTips();
    void subHideTipBubble();
    void imgHelperTips_Click();
    void imgHelperTips_Off_Click();
    void mnuTips_Click();
    void Image8_Click();
    void mnuInfo_Click();
    void Image9_Click();
    void mnuViewHelp_Click();
    void mnuOnline_Click();
    void subApplyVisualTheme();

    // ---- web, help and mail: the launcher's host (frm_resize_pending.cpp) -------------------
    void imgLogo_Click();
    QWidget* launcherWindow() override { return this; }
    void showHelpPressed() override;
    bool hostEnded() const override { return ended_; }

    // ---- the about window: its host (frm_resize_pending.cpp) ------------------------------------
    // 1 while the about window is open as the about window (Image8's twin is Image14).
    qint16 indAbout = 0;
    // Loads the about window when needed and shows it, false when it could not be shown; the
    // start-up library installs it.
    std::function<bool()> showAbout;
    QWidget* aboutOwner() override { return this; }
    qint16 aboutMode() const override { return indAbout; }
    Launcher& aboutLauncher() override { return web; }
    void aboutClosed() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Tab passes over controls that lie behind others (the boxes under the long source list,
    // a switch image under its twin): the user cannot see them.
    bool focusNextPrevChild(bool next) override;

  private:
    friend class FrmResizeRun;
    friend class FrmResizeOutput;
    friend class FrmResizeChooser;
    friend struct FrmResizeTestView;

    // ---- the picker's owner (frm_resize_picker.cpp) -----------------------------------------
    QWidget* pickerOwnerWindow() override { return this; }
    UserFolders userFolders() const override { return {varMyDocs, varMyPics}; }
    QStringList queue() const override;
    void addToQueue(const QString& path) override;
    void removeFromQueue(int row) override;
    void clearQueue() override;
    void resetSourceView() override;
    void sameFolderPath(const QString& folder) override;
    void pickerOpened() override;
    void showChosenQueue() override;
    void pickerDone() override;
    void pickerClosed(bool unloaded) override;
    void showHelp() override { Image9_Click(); }
    // The queue's count in the source list's caption, as the picker changes it.
    void showQueueCount();
    bool pickerOpen_ = false;

    // ---- what the user may press (frm_resize_commands.cpp) ----------------------------------
    // Sets the captions, tooltips, visibility and enabled state of the commands (cmdProcess,
    // mnuProcess, Image2, Image19, Image8, mnuAdd), the option locks and the size arrows from
    // the state: loading, the run's phase, the chooser open, the picker open, the queue count.
    // Called after every change of that state.
    void updateCommands();

    // ---- services and units -------------------------------------------------------------------
    platform::Services services;
    ui::Twips twips;
    options::Settings settings;
    Launcher web{*this, services};

    // ---- pictures the thumbnails are made from ----------------------------------------------
    // The size of the picture of the current run tick or list click. No picture is held whole:
    // each is read once for its thumbnail and its source preview together.
    QSize sourceSize;
    // The last picture a list click loaded, and its size: the size boxes preview with it, read
    // again from its file at each new size.
    QString holderPath;
    QSize holderSize;
    // What the size boxes preview with before any list click.
    QImage samplePicture;
    // The thumbnail the size boxes preview at a call size: of the holder's file, else of the
    // sample picture. None when the holder's file cannot be read again.
    SampledThumbnail holderThumbnail(qint16 width, qint16 height) const;
    // The box a source preview is made for: `view`'s picture area in the screen's pixels.
    static QSize previewBox(const ui::Image* view);

    // ---- upper picture area (on the window) -------------------------------------------------
    ui::PictureBox* form = nullptr;  // the window's own surface: colour and background picture
    QLabel* lblSourceImage = nullptr;
    ui::Image* imgSourceImage = nullptr;
    ui::Image* Image1 = nullptr;
    ui::PictureBox* PictureVis = nullptr;
    ui::Image* ImgError = nullptr;
    QLabel* lblSourceFile = nullptr;
    QLabel* lblWidth = nullptr;
    QLabel* lblX = nullptr;
    QLabel* lblHeight = nullptr;
    QLabel* lblThumbnail = nullptr;
    ui::PictureBox* Picture2 = nullptr;
    QLabel* lblWidth2 = nullptr;
    QLabel* lblxx = nullptr;
    QLabel* lblHeight2 = nullptr;
    QLabel* lblFinished = nullptr;
    QLabel* lblSaveTo = nullptr;
    QLabel* lblPath = nullptr;
    QLabel* lblDestPath = nullptr;
    // Status lights: two stacked pictures each, the first named lies in front.
    ui::Image* imgRedLightOff22 = nullptr;  // prompt on overwrite: green, in front
    ui::Image* imgRedLightOn22 = nullptr;   // red, behind
    ui::Image* imgRedOff = nullptr;         // same folder: red, in front
    ui::Image* imgRedOn = nullptr;          // green, behind
    ui::Image* imgGreenOff22 = nullptr;     // landscape: red, in front
    ui::Image* imgGreenOn22 = nullptr;      // green, behind
    QLabel* lblOverwrite = nullptr;
    QLabel* Label20 = nullptr;
    QLabel* lblLandscape = nullptr;
    QLabel* lblSource = nullptr;
    QLabel* lblDest = nullptr;
    ui::Line* lineDiv = nullptr;
    ui::Line* lineDiv2 = nullptr;
    QPushButton* cmdExit = nullptr;
    // Work boxes beyond the right edge.
    ui::PictureBox* picSizer = nullptr;
    ui::PictureBox* picScreens = nullptr;
    ui::FileList* File1 = nullptr;

    // ---- lower left: "Original Pictures" --------------------------------------------------------
    QGroupBox* Frame2 = nullptr;
    ui::ImageButton* Image19 = nullptr;
    ui::ImageButton* Image8 = nullptr;
    ui::ImageButton* imgHelperTips = nullptr;
    ui::Image* imgHelperTips_Pressed = nullptr;
    ui::ImageButton* imgHelperTips_Off = nullptr;
    ui::ImageButton* Image9 = nullptr;
    ui::ImageButton* Image7 = nullptr;
    ui::ImageButton* Image32 = nullptr;
    QLabel* Label21 = nullptr;
    QListWidget* List1 = nullptr;
    QPushButton* cmdBrowse2 = nullptr;
    QFrame* frameani = nullptr;
    ui::Image* imgLogo = nullptr;
    ui::Image* imgProgress1 = nullptr;
    ui::Image* imgProgress2 = nullptr;
    ui::Image* imgProgress3 = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* txtSourceFile = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* txtPixelWidth2 = nullptr;
    QLabel* lblX2 = nullptr;
    QLabel* Label12 = nullptr;
    QLineEdit* txtPixelHeight2 = nullptr;
    QLabel* Label14 = nullptr;
    QLineEdit* txtSourcePath = nullptr;

    // ---- lower right: "Thumbnail Pictures", the options panel -------------------------------
    QGroupBox* Frame4 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtwidth = nullptr;
    ui::ImageButton* btnUp = nullptr;
    ui::Image* btnUp_Pressed = nullptr;
    ui::ImageButton* btnDown = nullptr;
    ui::Image* btnDown_Pressed = nullptr;
    QLabel* lbl_X = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtHeight = nullptr;
    ui::ImageButton* btnUp2 = nullptr;
    ui::Image* btnUp2_Pressed = nullptr;
    ui::ImageButton* btnDown2 = nullptr;
    ui::Image* btnDown2_Pressed = nullptr;
    QGroupBox* Frame10 = nullptr;
    ui::ImageButton* Image3 = nullptr;
    ui::Image* Image11 = nullptr;
    ui::ImageButton* Image18 = nullptr;
    ui::Image* Image4 = nullptr;
    ui::ImageButton* Image6 = nullptr;
    ui::Image* Image16 = nullptr;
    QGroupBox* Frame9 = nullptr;
    ui::ImageButton* Image2 = nullptr;
    ui::Image* Image17 = nullptr;
    QGroupBox* Frame1 = nullptr;
    ui::OptionButton* optJPG = nullptr;
    ui::OptionButton* optBMP = nullptr;
    ui::OptionButton* optGIF = nullptr;
    QGroupBox* frameQuality = nullptr;
    QLineEdit* txtQuality = nullptr;
    QLabel* lblPercent = nullptr;
    QGroupBox* Frame8 = nullptr;
    QLineEdit* txtDestName = nullptr;
    QLineEdit* txtFilename = nullptr;
    QLineEdit* txtIncrementer = nullptr;
    QLineEdit* txtExtention = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* cmdSame = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdProcess = nullptr;
    QGroupBox* Frame3 = nullptr;
    QCheckBox* chkPrefix = nullptr;
    QCheckBox* chkSufix = nullptr;
    QCheckBox* chkNumber = nullptr;
    QGroupBox* frmLetters = nullptr;
    QLineEdit* txtLetters = nullptr;
    QCheckBox* chkLandscape = nullptr;
    QCheckBox* chkFileLocation = nullptr;
    QCheckBox* chkOverwrite = nullptr;

    // ---- save-to chooser, over the options panel when open ------------------------------------
    QGroupBox* frameBrowse = nullptr;
    QLabel* Label16 = nullptr;
    ui::DirList* Dir1 = nullptr;
    QLabel* Label15 = nullptr;
    ui::DriveList* Drive1 = nullptr;
    ui::ImageButton* Image5 = nullptr;
    ui::Image* Image10 = nullptr;
    ui::ImageButton* imgOpenFolder = nullptr;
    ui::Image* Image20 = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdClose = nullptr;

    // ---- menus --------------------------------------------------------------------------------
    QMenu* mnuFile = nullptr;
    QAction* mnuAdd = nullptr;
    QMenu* mnuSaveTo = nullptr;
    QAction* mnuBrowse = nullptr;
    QAction* mnuSamel2 = nullptr;
    QAction* mnuOpenFolder = nullptr;
    QAction* mnuProcess = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuType = nullptr;
    QAction* mnujpg = nullptr;
    QAction* mnubmp = nullptr;
    QAction* mnugif = nullptr;
    QMenu* mnuName = nullptr;
    QAction* mnuPrefix = nullptr;
    QAction* mnuSuffix = nullptr;
    QAction* mnuNumber = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuOverwrite = nullptr;
    QAction* mnuSame = nullptr;
    QAction* mnuLandscape = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuViewHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuTips = nullptr;
    QAction* mnuInfo = nullptr;

    // ---- timers -------------------------------------------------------------------------------
    platform::Timer timerProcess;
    platform::Timer timerani;
    platform::Timer timerLblFinished;

    // ---- window state (16-bit flags hold 0 or 1; indLoading and indMenuClick hold -1) ---------
    qint16 indoversize = 0;
    qint16 indLoading = 0;
    qint16 indGetSettings = 0;
    qint16 indFirstRun = 0;
    qint16 indDirReady = 0;
    qint32 varIncrementer = 0;
    QString varDestination;
    QString varMyDocs;
    QString varMyPics;
    QString varDirectoryPath;
    QString strPathHolder;
    QString txtPathText;

    // The helper tips' setting, kept while a run turns them off.
    qint16 indTipsHolder = 0;

    // ---- the processing run and its naming and output stages --------------------------------
    FrmResizeRun run{*this};
    FrmResizeOutput output{*this};
    FrmResizeChooser chooser{*this};
    FrmResizeOptionState optionState;
    PickerHost picker{*this, services};

    // ---- the helper tips and their bubble (frm_resize_pending.cpp) --------------------------
    FrmResizeTips tips{*this, services.loop, settings};
    // Loaded on its first use, then kept: its ticker runs from then on.
    std::unique_ptr<Bubble> bubble;
    // The helper tips' view of the window.
    QRect tipAnchorTwips(TipAnchor anchor) const override;
    QPoint tipWindowTwips() const override;
    bool tipWindowLoading() const override;
    bool tipRunInProgress() const override;
    bool tipChooserOpen() const override;
    void placeBubble(QPoint topLeftTwips) override;
    void showBubble() override;
    void hideBubble() override;
    bool bubbleVisible() const override;
    Bubble& loadBubble();
    // Pointer moves over the areas of the hover table show their tips.
    void connectHoverTips();

    // frm_resize_layout.cpp
    void createControls();
    void createUpperArea();
    void createSourcePanel();
    void createOptionsPanel();
    void createChooser();
    void createMenus();
    void connectHandlers();

    // frm_resize_startup.cpp
    // The shutdown of the Close command and of the title bar: the options saved, the program
    // ended; with a picture in progress, only once its tick has written it.
    void saveAndEnd();
    // Called at the end of every run tick: ends the program when a close waited for it.
    void endIfClosed();
    void subOversizeLayout();
    void subCompactLayout();
    void subShowPathText(const QString& text);
    // The destination box and its tooltip show `folder`, and the path label follows.
    void showDestination(const QString& folder);
    void subShowSameLocation();
    // The destination box and its tooltip show the placeholder folder, and the path label
    // says that the thumbnails go beside their pictures.
    void showSameLocationDestination();
    void setFormSize(int width, int height);

    // frm_resize_options.cpp
    void setDestinationEditable(bool editable);
    void sizeChange(QLineEdit* box, bool isWidth);
    void arrowClick(QLineEdit* box, ui::ImageButton* arrow, qint32& lastRead, bool up);
    void selectType(ui::OptionButton* chosen);
    void typeMenu(QAction* entry, ui::OptionButton* button);
    void namingClick(QCheckBox* box);
    void namingMenu(QCheckBox* box, QAction* entry);
    bool qualityKeyPress(int key);
    // The size boxes take digits and backspace; true discards any other key.
    static bool sizeKeyPress(int key);
    // A quality box number above the maximum, or 0, becomes 100; other text is left alone.
    void clampQuality();
    void setLight(ui::Image* front, bool frontShown);
    // Every checked menu entry shows its option as the controls hold it. A checkable entry
    // flips its own check when chosen, before its handler can refuse the change.
    void showOptionsInMenus();
    void placeFileNameBox();

    // frm_resize_picker.cpp
    // Whether the box holds more than nothing or a single space.
    static bool holdsText(const QLineEdit* box);

    // frm_resize_settings.cpp
    QString programFolder() const;
    // Whether the destination box names a folder rather than saying that none was chosen.
    bool destinationChosen() const;

    // frm_resize_render.cpp
    // A size box's number for the size rule; none when it holds no number, or when its call
    // size (engine::callSize) would be no 16-bit number.
    std::optional<int> sizeBoxNumber(const QLineEdit* box) const;
    // The size boxes, read once, as a request for a thumbnail of `source`: none when a box
    // holds no usable number.
    std::optional<engine::ThumbnailRequest> thumbnailRequest(QSize source) const;
    // Centres the thumbnail preview on its place in the window.
    void centrePreview(QWidget* canvas);
    void sourceSizeCaptions();

    // Heights of List1 in twips: while a run shows the source boxes below it, and as designed.
    static constexpr int kShortListHeight = 840;
    static constexpr int kListHeight = 1620;

    bool ended_ = false;
    bool endAfterPicture_ = false;
};
