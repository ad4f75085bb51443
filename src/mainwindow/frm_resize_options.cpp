// SPDX-License-Identifier: MIT
// The options panel: size boxes and arrows, type choice and quality, naming rule and
// letters, the name preview row, and the three switches with their lights and menus.
#include "mainwindow/frm_resize.h"

#include "platform/path_style_qt.h"
#include "startup/pause.h"
#include "ui/controls.h"
#include "ui/image.h"
#include "ui/picture_box.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace options;

namespace {

bool isDigit(int key) {
    return key >= '0' && key <= '9';
}

constexpr int kBackspace = 8;

}  // namespace

void FrmResize::showPressed(ui::ImageButton* image) {
    image->setPressed(true);
    Pause(services.loop, 300);
    image->setPressed(false);
}

void FrmResize::setDestinationEditable(bool editable) {
    optionState.destinationEditable = editable;
    updateCommands();
}

void FrmResize::setLight(ui::Image* front, bool frontShown) {
    front->setVisible(frontShown);
}

// ---- size -------------------------------------------------------------------------------------

void FrmResize::txtwidth_Change() {
    sizeChange(txtwidth, true);
}

void FrmResize::txtHeight_Change() {
    sizeChange(txtHeight, false);
}

void FrmResize::sizeChange(QLineEdit* box, bool isWidth) {
    if (optionState.indChanged == 1) {
        return;
    }
    const auto value = toInt32(box->text());
    if (!value || *value == 0) {
        return;
    }
    // Setting the clamped text runs this handler again, which completes for the new value.
    if (isWidth && *value > kMaxWidth) {
        box->setText(QString::number(kMaxWidth));
    } else if (!isWidth && *value > kMaxHeight) {
        box->setText(QString::number(kMaxHeight));
    }
    lblFinished->hide();
    if (!run.processing()) {
        Picture2->hide();
        lblDestPath->hide();
    }
    optionState.indChanged = 1;
    if (isWidth) {
        lblThumbnail->hide();
        if (run.processing()) {
            optionState.indChanged = 0;
            return;
        }
    }
    if (!run.processing() && !run.lastPictureLandscape()) {
        // The preview keeps the boxes' sides: the landscape option applies to a run's pictures.
        if (auto request =
                thumbnailRequest(holderPath.isEmpty() ? samplePicture.size() : holderSize)) {
            request->landscape = false;
            const engine::Size call = engine::callSize(*request);
            const auto width = static_cast<qint16>(call.width());
            const auto height = static_cast<qint16>(call.height());
            thumbnail(width, height, holderThumbnail(width, height), Picture2);
        }
    }
    if (!isWidth) {
        lblThumbnail->hide();
    }
    if (indFirstRun == 1) {
        centrePreview(Picture2);
    }
    if (indGetSettings == 0 && !run.processing()) {
        if (indoversize == 1) {
            Picture2->move(Picture2->x() + 100, Picture2->y());
        }
        Picture2->show();
        lblThumbnail->hide();
    }
    // Both captions follow their boxes: one that only followed its own box would show
    // "111 x 0" after the first width change.
    ui::setCaption(lblWidth2, txtwidth->text());
    ui::setCaption(lblHeight2, txtHeight->text());
    const bool hideCaptions = !lblThumbnail->isHidden() || indLoading == -1;
    for (QLabel* label : {lblWidth2, lblHeight2, lblxx}) {
        label->setVisible(!hideCaptions);
    }
    optionState.indChanged = 0;
}

void FrmResize::btnUp_Click() {
    arrowClick(txtwidth, btnUp, optionState.varArrowWidth, true);
}

void FrmResize::btnDown_Click() {
    arrowClick(txtwidth, btnDown, optionState.varArrowWidth, false);
}

void FrmResize::btnUp2_Click() {
    arrowClick(txtHeight, btnUp2, optionState.varArrowHeight, true);
}

void FrmResize::btnDown2_Click() {
    arrowClick(txtHeight, btnDown2, optionState.varArrowHeight, false);
}

void FrmResize::arrowClick(QLineEdit* box, ui::ImageButton* arrow, qint32& lastRead, bool up) {
    // The run holds the size; its boxes are locked, and so are their arrows.
    if (run.isActive()) {
        return;
    }
    showPressed(arrow);
    if (run.isActive()) {
        return;  // a run started during the pressed look
    }
    if (const auto value = toInt32(box->text())) {
        lastRead = *value;
    }
    const qint32 n = lastRead;
    if (up) {
        // The height's own clamp then holds it at 240, without a beep.
        if (n >= kMaxArrowSize) {
            services.dialogs.beep();
        } else {
            box->setText(QString::number(n + 1));
        }
    } else if (n <= 0) {
        services.dialogs.beep();
    } else if (n == 1) {
        services.dialogs.beep();
        box->setText(QStringLiteral("1"));
    } else {
        box->setText(QString::number(n - 1));
    }
    tips.runStep(6);
}

// ---- type and quality -------------------------------------------------------------------------

void FrmResize::optJPG_Click() {
    selectType(optJPG);
}

void FrmResize::optBMP_Click() {
    selectType(optBMP);
}

void FrmResize::optGIF_Click() {
    selectType(optGIF);
}

void FrmResize::selectType(ui::OptionButton* chosen) {
    const struct {
        ui::OptionButton* button;
        QAction* entry;
        const char* extension;
        int width;  // twips; ".bmp" needs the wider box
    } types[] = {
        {optJPG, mnujpg, ".jpg", 370},
        {optBMP, mnubmp, ".bmp", 470},
        {optGIF, mnugif, ".gif", 370},
    };
    for (const auto& type : types) {
        if (type.button != chosen) {
            type.button->setChecked(false);
        }
    }
    chosen->setChecked(true);
    for (const auto& type : types) {
        type.entry->setChecked(type.button == chosen);
        if (type.button == chosen) {
            txtExtention->setText(QLatin1String(type.extension));
            twips.setWidth(txtExtention, type.width);
        }
    }
    const bool jpeg = chosen == optJPG;
    frameQuality->setEnabled(jpeg);
    lblPercent->setEnabled(jpeg);
    txtQuality->setEnabled(jpeg);
    tips.runStep(5);
}

void FrmResize::mnujpg_Click() {
    typeMenu(mnujpg, optJPG);
}

void FrmResize::mnubmp_Click() {
    typeMenu(mnubmp, optBMP);
}

void FrmResize::mnugif_Click() {
    typeMenu(mnugif, optGIF);
}

void FrmResize::typeMenu(QAction* entry, ui::OptionButton* button) {
    if (run.isActive()) {
        return;  // the type buttons are locked for the run, and so are their entries
    }
    for (QAction* other : {mnujpg, mnubmp, mnugif}) {
        other->setChecked(other == entry);
    }
    button->setChecked(true);
    for (ui::OptionButton* other : {optJPG, optBMP, optGIF}) {
        if (other != button) {
            other->setChecked(false);
        }
    }
}

bool FrmResize::sizeKeyPress(int key) {
    return key != kBackspace && !isDigit(key);
}

bool FrmResize::qualityKeyPress(int key) {
    if (key == kBackspace) {
        return false;
    }
    const bool discard = !isDigit(key);
    // Each key sees the text as it was before it: 1, 0, 1 leaves 101, and the next key
    // turns that into 100.
    clampQuality();
    tips.runAtStep(5);
    return discard;
}

void FrmResize::clampQuality() {
    if (const auto quality = toInt16(txtQuality->text());
        quality && (*quality > kMaxQuality || *quality == 0)) {
        txtQuality->setText(QStringLiteral("100"));
    }
}

// ---- naming -----------------------------------------------------------------------------------

void FrmResize::chkPrefix_Click() {
    namingClick(chkPrefix);
}

void FrmResize::chkSufix_Click() {
    namingClick(chkSufix);
}

void FrmResize::chkNumber_Click() {
    namingClick(chkNumber);
}

void FrmResize::namingClick(QCheckBox* box) {
    if (optionState.indClick == 1) {
        return;
    }
    optionState.indClick = 1;
    const struct {
        QCheckBox* box;
        QAction* entry;
        const Key& letters;
        int widthLess;  // twips narrower than the design letters box
    } rules[] = {
        {chkPrefix, mnuPrefix, kPrefix, 0},
        {chkSufix, mnuSuffix, kSuffix, 30},
        {chkNumber, mnuNumber, kNumbers, 30},
    };
    for (const auto& rule : rules) {
        if (rule.box != box) {
            rule.box->setChecked(false);
        }
    }
    subOpMode();
    if (optionState.indMenuClick == 0) {
        for (const auto& rule : rules) {
            rule.entry->setChecked(rule.box == box && box->isChecked());
        }
    }
    optionState.indClick = 0;
    if (!strPathHolder.isEmpty()) {
        showDestination(strPathHolder + platform::qSeparator(services.paths));
    }
    for (const auto& rule : rules) {
        if (rule.box == box) {
            twips.setWidth(txtIncrementer, varIncrementer - rule.widthLess);
            txtLetters->setText(box == chkNumber ? settings.readStartNumber()
                                                 : settings.read(rule.letters));
        }
    }
    tips.runStep(4);
}

void FrmResize::mnuPrefix_Click() {
    namingMenu(chkPrefix, mnuPrefix);
}

void FrmResize::mnuSuffix_Click() {
    namingMenu(chkSufix, mnuSuffix);
}

void FrmResize::mnuNumber_Click() {
    namingMenu(chkNumber, mnuNumber);
}

void FrmResize::namingMenu(QCheckBox* box, QAction* entry) {
    if (run.isActive()) {
        return;  // the naming boxes are locked for the run, and so are their entries
    }
    optionState.indMenuClick = -1;
    for (QAction* other : {mnuPrefix, mnuSuffix, mnuNumber}) {
        if (other != entry) {
            other->setChecked(false);
        }
    }
    const bool on = !box->isChecked();
    box->setChecked(on);
    entry->setChecked(on);
    optionState.indMenuClick = 0;
}

void FrmResize::txtLetters_Change() {
    const QString letters = txtLetters->text();
    if (chkNumber->isChecked()) {
        settings.write(kNumbers, letters);
    } else if (chkPrefix->isChecked()) {
        settings.write(kPrefix, letters);
    } else if (chkSufix->isChecked()) {
        settings.write(kSuffix, letters);
    }
    txtIncrementer->setText(letters);
}

void FrmResize::txtIncrementer_Change() {
    txtLetters->setText(txtIncrementer->text());
}

void FrmResize::placeFileNameBox() {
    const int left = twips.left(txtDestName) + twips.width(txtDestName) + 10;
    twips.setLeft(txtFilename, left);
    twips.setWidth(txtFilename, twips.left(txtExtention) - 10 - left);
}

void FrmResize::subOpMode() {
    const bool same = chkFileLocation->isChecked();
    struct Row {
        QCheckBox* box;
        int lettersLeft;
        int destWidthSame;
        int fileLeft;
        const char* sameLetters;  // what the same-folder layout puts in the letters box
    };
    const Row rows[] = {
        {chkPrefix, 1560, 1455, 2040, "th_"},
        {chkSufix, 2520, 2415, 1560, "_th"},
        {chkNumber, 2520, 2415, 1560, "1"},
    };
    const Row* rule = nullptr;
    for (const Row& row : rows) {
        if (row.box->isChecked()) {
            rule = &row;
        }
    }
    if (!same) {
        cmdBrowse->setEnabled(true);
        setDestinationEditable(true);
    }
    if (rule == nullptr) {
        txtIncrementer->hide();
        placeFileNameBox();
        txtLetters->setEnabled(false);
    } else {
        txtIncrementer->show();
        twips.setLeft(txtIncrementer, rule->lettersLeft);
        twips.setLeft(txtDestName, 120);
        twips.setWidth(txtDestName, same ? rule->destWidthSame : 1455);
        twips.setLeft(txtFilename, rule->fileLeft);
        twips.setWidth(txtFilename, 975);
        if (same) {
            if (rule->box == chkPrefix) {
                txtFilename->setText(QStringLiteral("FileName"));
            }
            // Through the mirror this also resets the rule's stored characters.
            txtIncrementer->setText(QLatin1String(rule->sameLetters));
        } else if (rule->box != chkNumber) {
            txtIncrementer->setText(txtLetters->text());
        }
        txtLetters->setEnabled(true);
    }
    if (same) {
        setDestinationEditable(false);
        showSameLocationDestination();
    } else if (rule != nullptr) {
        ui::setWithTip(txtDestName, varDestination.isEmpty()
                                        ? platform::placeholderFolder(services.paths)
                                        : varDestination);
    }
}

// ---- the three switches -----------------------------------------------------------------------

void FrmResize::showOptionsInMenus() {
    const std::pair<QAction*, const QAbstractButton*> entries[] = {
        {mnujpg, optJPG},
        {mnubmp, optBMP},
        {mnugif, optGIF},
        {mnuPrefix, chkPrefix},
        {mnuSuffix, chkSufix},
        {mnuNumber, chkNumber},
        {mnuOverwrite, chkOverwrite},
        {mnuSame, chkFileLocation},
        {mnuSamel2, chkFileLocation},
        {mnuLandscape, chkLandscape},
    };
    for (const auto& [entry, option] : entries) {
        entry->setChecked(option->isChecked());
    }
}

void FrmResize::Image3_Click() {
    showPressed(Image3);
    const bool on = !chkOverwrite->isChecked();
    chkOverwrite->setChecked(on);
    mnuOverwrite->setChecked(on);
    tips.runStep(7);
    settings.write(kOverwrite, flagText(chkOverwrite->isChecked()));
}

void FrmResize::Image18_Click() {
    showPressed(Image18);
    if (!chkFileLocation->isEnabled()) {
        return;  // a run is in progress
    }
    if (!chkFileLocation->isChecked()) {
        chkFileLocation->setChecked(true);
        mnuSame->setChecked(true);
        mnuSamel2->setChecked(true);
        showSameLocationDestination();
    } else {
        chkFileLocation->setChecked(false);
        mnuSame->setChecked(false);
        mnuSamel2->setChecked(false);
        const QString destination = settings.read(kDestination);
        const QString shown = destination.isEmpty() ? QStringLiteral("Choose Path") : destination;
        ui::setWithTip(txtDestName, shown);
        ui::setCaption(lblPath, shown);
        lblPath->setToolTip(shown);
        lblDestPath->hide();
        lblSaveTo->show();
        lblPath->show();
    }
    tips.runAtStep(3);
    tips.runStep(7);
}

void FrmResize::Image6_Click() {
    showPressed(Image6);
    if (!chkLandscape->isEnabled()) {
        return;  // a run is in progress
    }
    const bool on = !chkLandscape->isChecked();
    chkLandscape->setChecked(on);
    mnuLandscape->setChecked(on);
    tips.runStep(7);
}

void FrmResize::chkOverwrite_Click() {
    if (indGetSettings == 0) {
        setLight(imgRedLightOff22, chkOverwrite->isChecked());
        showOptionsInMenus();
    }
}

void FrmResize::chkLandscape_Click() {
    if (indGetSettings == 0) {
        setLight(imgGreenOff22, !chkLandscape->isChecked());
        showOptionsInMenus();
    }
}

void FrmResize::chkFileLocation_Click() {
    if (indGetSettings == 1) {
        return;
    }
    // Both of its menu entries follow, whoever changed it (the chooser's OK among others).
    showOptionsInMenus();
    strPathHolder.clear();
    subOpMode();
    if (!chkFileLocation->isChecked()) {
        setLight(imgRedOff, true);
        return;
    }
    setLight(imgRedOff, false);
    if (List1->count() > 0 && !txtSourcePath->text().isEmpty()) {
        showDestination(txtSourcePath->text());
    }
    if (!varDirectoryPath.isEmpty()) {
        showDestination(varDirectoryPath);
    }
}
