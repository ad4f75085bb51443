// SPDX-License-Identifier: MIT
// Rendering glue: the thumbnail canvas drawn through the sampling core and placed as the
// preview, the list-click preview with its source view, and the source size captions.
#include "mainwindow/frm_resize.h"

#include "engine/qt/label_text.h"
#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"
#include "ui/controls.h"
#include "ui/image.h"
#include "ui/picture_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <climits>

using platform::Icon;

namespace {

// The preview's centre on the window, in pixels.
constexpr int kPreviewX = 518;
constexpr int kPreviewY = 155;

}  // namespace

void FrmResize::thumbnail(qint16 width, qint16 height, const QImage& source,
                          ui::PictureBox* destination) {
    // From the first render on, the window's placements are in pixels.
    if (width == 0) {
        services.dialogs.message(
            QStringLiteral("ATTENTION: The width needs to set to process the thumbnails!"),
            QStringLiteral("Process Error 2008"), Icon::Information);
        return;
    }
    if (height == 0) {
        services.dialogs.message(
            QStringLiteral("ATTENTION: The height needs to set to process the thumbnails!"),
            QStringLiteral("Process Error 2009"), Icon::Information);
        return;
    }
    if (width > 0 && height > 0) {
        destination->setOuterSize({width, height});
    }
    const QImage sampled = engine::sampleThumbnail(source, width, height);
    if (!sampled.isNull()) {
        // Grid positions the sampling never reaches keep what the canvas showed before.
        const auto columns = engine::samplePositions(source.width(), width).size();
        const auto rows = engine::samplePositions(source.height(), height).size();
        const QRect reached(0, 0, std::min(static_cast<int>(columns), sampled.width()),
                            std::min(static_cast<int>(rows), sampled.height()));
        destination->drawImage({0, 0}, sampled, reached);
    }
    if (indFirstRun == 0) {
        indFirstRun = 1;
    }
    centrePreview(destination);
    if (indGetSettings == 0) {
        if (indoversize == 1) {
            destination->move(destination->x() + 100, destination->y());
        }
        destination->show();
    }
    // Only the run's own tick goes on to name and write the thumbnail: a preview drawn between
    // ticks would be written under the next picture's name. A size that drew nothing leaves
    // the canvas of an earlier picture, which must not be written either.
    if (!run.rendersItsPicture() || ended_ || width < 0 || height < 0) {
        return;
    }
    subNameAndSaveThumbnail();
}

void FrmResize::centrePreview(QWidget* canvas) {
    canvas->move(kPreviewX - canvas->width() / 2, kPreviewY - canvas->height() / 2);
}

std::optional<qint16> FrmResize::callSize(const QLineEdit* box) const {
    const auto size = options::toInt16(box->text());
    if (!size || *size > SHRT_MAX - 2) {
        return std::nullopt;
    }
    return static_cast<qint16>(*size + 2);
}

void FrmResize::List1_Click() {
    if (indCmdProcessClick == 1) {
        return;
    }
    const auto width = options::toInt32(txtwidth->text());
    if (!width || *width == 0) {
        return;
    }
    if (*width > options::kMaxWidth) {
        txtwidth->setText(QString::number(options::kMaxWidth));
    }
    if (indProcessing != 0) {
        return;
    }
    // A size that is no number leaves its call size as it was.
    varThumbW = callSize(txtwidth).value_or(varThumbW);
    varThumbH = callSize(txtHeight).value_or(varThumbH);
    // One decode serves the holder, the source preview and the source view.
    const QListWidgetItem* entry = List1->currentItem();
    const QString path = entry ? entry->text() : QString();
    const QImage picture = entry ? engine::loadPicture(path) : QImage();
    // A picture that cannot be loaded leaves the previous one in the holder.
    if (!picture.isNull()) {
        holderPicture = picture;
    }
    thumbnail(varThumbW, varThumbH, holderPicture, Picture2);
    Picture2->hide();
    PictureVis->hide();
    Image1->hide();
    lblFinished->hide();
    setWindowTitle(QStringLiteral("Corvel XP"));
    Picture2->show();
    subSourceImageProcess(path, picture);
}

void FrmResize::subSourceImageProcess(const QString& path, const QImage& picture) {
    if (indProcessing != 0) {
        return;
    }
    if (indCanceled == 1) {
        timerProcess.setEnabled(false);
        return;
    }
    if (!picture.isNull()) {
        sourcePicture = picture;
        imgSourceImage->setPicture(picture);
    }
    lblDestPath->hide();
    if (!sourcePicture.isNull()) {
        txtPixelWidth2->setText(QString::number(sourcePicture.width()));
        txtPixelHeight2->setText(QString::number(sourcePicture.height()));
    }
    PictureVis->hide();
    lblSourceImage->hide();
    lblSourceFile->hide();
    imgSourceImage->show();
    ui::setCaption(lblSourceFile, engine::shortenLabel(path, engine::kFileNameTrunk));
    lblSourceFile->show();
}

void FrmResize::txtPixelWidth2_Change() {
    ui::setCaption(lblWidth, txtPixelWidth2->text());
    sourceSizeCaptions();
}

void FrmResize::txtPixelHeight2_Change() {
    ui::setCaption(lblHeight, txtPixelHeight2->text());
    sourceSizeCaptions();
}

void FrmResize::sourceSizeCaptions() {
    const bool none =
        lblWidth->text() == QLatin1String("0") && lblHeight->text() == QLatin1String("0");
    for (QLabel* label : {lblWidth, lblHeight, lblX}) {
        label->setVisible(!none);
    }
    if (none || !lblWidth2->isHidden()) {
        return;
    }
    ui::setCaption(lblWidth2, txtwidth->text());
    ui::setCaption(lblHeight2, txtHeight->text());
    for (QLabel* label : {lblWidth2, lblHeight2, lblxx}) {
        label->show();
    }
}
