// SPDX-License-Identifier: MIT
// Options load and save: the store's values into the option controls at start-up, and back
// at shutdown. Each step stands alone: a value that cannot be read leaves its control as it is.
#include "mainwindow/frm_resize.h"

#include "platform/path_style_qt.h"
#include "ui/controls.h"
#include "ui/image.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace options;

namespace {

// A check value read from the store; anything but 0 or 1 leaves the box as it is.
void setCheck(QCheckBox* box, std::optional<qint16> value) {
    if (value && (*value == 0 || *value == 1)) {
        box->setChecked(*value == 1);
    }
}

}  // namespace

void FrmResize::subGetSettings() {
    indGetSettings = 1;

    if (const auto stored = settings.readInt16(kTips)) {
        tips.setIndTips(*stored);
    }
    imgHelperTips_Off->setVisible(tips.indTips() != 1);
    mnuTips->setChecked(tips.indTips() == 1);

    // Brought into the boxes' ranges: a stored -3 or "nan" would be drawn, and written, as is.
    txtQuality->setText(settings.readQuality());
    txtwidth->setText(settings.readWidth());
    txtHeight->setText(settings.readHeight());

    setCheck(chkLandscape, settings.readInt16(kLandscape));
    if (chkLandscape->isChecked()) {
        setLight(imgGreenOff22, false);
        mnuLandscape->setChecked(true);
    } else {
        setLight(imgGreenOff22, true);
    }

    varDestination = settings.read(kDestination);

    setCheck(chkFileLocation, settings.readInt16(kFileLocation));
    if (chkFileLocation->isChecked()) {
        setLight(imgRedOff, false);
        setDestinationEditable(false);
        showSameLocationDestination();
        mnuSamel2->setChecked(true);
        mnuSame->setChecked(true);
    } else {
        cmdBrowse->setEnabled(true);
        setLight(imgRedOff, true);
        if (!varDestination.isEmpty()) {
            ui::setWithTip(txtDestName, varDestination);
            txtPathText = txtDestName->text();
        } else {
            txtPathText = QStringLiteral("Choose Path");
        }
        ui::setCaption(lblPath, txtPathText);
        lblPath->setToolTip(txtPathText);
        lblSaveTo->show();
    }

    setCheck(chkOverwrite, settings.readInt16(kOverwrite));
    setLight(imgRedLightOff22, chkOverwrite->isChecked());
    mnuOverwrite->setChecked(chkOverwrite->isChecked());

    // Checking a box or option button runs its handler, which lays out the name row or the
    // type with its menu entry, letters and extension; the layout of "no rule" is left to
    // subOpMode below.
    const QString name = settings.read(kName);
    if (name == kNamePrefix) {
        chkPrefix->setChecked(true);
    } else if (name == kNameSuffix) {
        chkSufix->setChecked(true);
    } else if (name == kNameNumber) {
        chkNumber->setChecked(true);
    }

    const QString type = settings.read(kType);
    if (type == kTypeBmp) {
        optBMP->setChecked(true);
    } else if (type == kTypeGif) {
        optGIF->setChecked(true);
    } else {
        optJPG->setChecked(true);
    }

    if (settings.read(kPath).isEmpty()) {
        // The first-run command registers a program file this system does not have, so it
        // is not started; the program's folder is still kept as the first-run marker.
        settings.write(kPath, programFolder());
    }

    indGetSettings = 0;
    subOpMode();
    showOptionsInMenus();
}

void FrmResize::subSaveSettings() {
    settings.write(kWidth, txtwidth->text());
    settings.write(kHeight, txtHeight->text());
    settings.write(kLandscape, flagText(chkLandscape->isChecked()));
    settings.write(kFileLocation, flagText(chkFileLocation->isChecked()));
    settings.write(kOverwrite, flagText(chkOverwrite->isChecked()));
    settings.write(kQuality, txtQuality->text());
    settings.write(kLetters, txtLetters->text());
    if (destinationChosen()) {
        settings.write(kDestination, txtDestName->text());
    }
    settings.write(kName, chkPrefix->isChecked()   ? kNamePrefix
                          : chkSufix->isChecked()  ? kNameSuffix
                          : chkNumber->isChecked() ? kNameNumber
                                                   : QString());
    settings.write(kType, optBMP->isChecked()   ? kTypeBmp
                          : optGIF->isChecked() ? kTypeGif
                          : optJPG->isChecked() ? kTypeJpg
                                                : QString());
}

bool FrmResize::destinationChosen() const {
    // The placeholders and "Choose Path" say that no folder was chosen: a run must not make
    // and fill a folder of that name, and shutdown must not store it as the destination.
    const QString text = txtDestName->text();
    const platform::PathStyle& style = services.paths;
    return !text.trimmed().isEmpty() && !platform::isPlaceholder(style, text) &&
           text != platform::withTrailingSeparator(style, platform::placeholderFile(style)) &&
           text != QLatin1String("Choose Path");
}

QString FrmResize::programFolder() const {
    return services.programFolder;
}
