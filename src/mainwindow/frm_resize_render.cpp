// SPDX-License-Identifier: MIT
// Rendering glue: the thumbnail canvas drawn through the sampling core and placed as the
// preview, the list-click preview with its source view, and the source size captions.
#include "mainwindow/frm_resize.h"

#include "engine/qt/label_text.h"
#include "engine/qt/picture_file_qt.h"
#include "engine/qt/point_sampling_qt.h"
#include "engine/thumbnail_plan.h"
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

std::optional<QImage> FrmResize::thumbnail(qint16 width, qint16 height, const QImage& source,
                                           ui::PictureBox* destination) {
    // From the first render on, the window's placements are in pixels.
    if (width == 0) {
        services.dialogs.message(
            QStringLiteral("ATTENTION: The width needs to set to process the thumbnails!"),
            QStringLiteral("Process Error 2008"), Icon::Information);
        return std::nullopt;
    }
    if (height == 0) {
        services.dialogs.message(
            QStringLiteral("ATTENTION: The height needs to set to process the thumbnails!"),
            QStringLiteral("Process Error 2009"), Icon::Information);
        return std::nullopt;
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
    // A negative size drew nothing: the canvas still holds an earlier picture.
    if (width < 0 || height < 0) {
        return std::nullopt;
    }
    return destination->drawing();
}

void FrmResize::centrePreview(QWidget* canvas) {
    canvas->move(kPreviewX - canvas->width() / 2, kPreviewY - canvas->height() / 2);
}

std::optional<int> FrmResize::sizeBoxNumber(const QLineEdit* box) const {
    const auto size = options::toInt16(box->text());
    if (!size || *size > SHRT_MAX - engine::kCallFrame) {
        return std::nullopt;
    }
    return *size;
}

std::optional<engine::ThumbnailRequest> FrmResize::thumbnailRequest(const QImage& source) const {
    const auto width = sizeBoxNumber(txtwidth);
    const auto height = sizeBoxNumber(txtHeight);
    if (!width || !height) {
        return std::nullopt;
    }
    engine::ThumbnailRequest request;
    request.source = {source.width(), source.height()};
    request.boxWidth = *width;
    request.boxHeight = *height;
    request.landscape = chkLandscape->isChecked();
    request.type = optGIF->isChecked()   ? engine::ThumbnailType::Gif
                   : optJPG->isChecked() ? engine::ThumbnailType::Jpeg
                                         : engine::ThumbnailType::Bitmap;
    // The run has brought the box to 1 ... 100 at its start.
    request.quality = options::toInt16(txtQuality->text()).value_or(options::kMaxQuality);
    return request;
}

void FrmResize::List1_Click() {
    if (run.starting()) {
        return;
    }
    const auto width = options::toInt32(txtwidth->text());
    if (!width || *width == 0) {
        return;
    }
    if (*width > options::kMaxWidth) {
        txtwidth->setText(QString::number(options::kMaxWidth));
    }
    if (run.processing()) {
        return;
    }
    // A size that is no number leaves its call size as it was.
    const auto boxWidth = sizeBoxNumber(txtwidth);
    const auto boxHeight = sizeBoxNumber(txtHeight);
    const engine::Size call = engine::callSize({{}, boxWidth.value_or(0), boxHeight.value_or(0)});
    run.setCallSize(boxWidth ? static_cast<qint16>(call.width()) : run.callWidth(),
                    boxHeight ? static_cast<qint16>(call.height()) : run.callHeight());
    // One decode serves the holder, the source preview and the source view.
    const QListWidgetItem* entry = List1->currentItem();
    const QString path = entry ? entry->text() : QString();
    const QImage picture = entry ? engine::loadPicture(path) : QImage();
    // A picture that cannot be loaded leaves the previous one in the holder.
    if (!picture.isNull()) {
        holderPicture = picture;
    }
    thumbnail(run.callWidth(), run.callHeight(), holderPicture, Picture2);
    Picture2->hide();
    PictureVis->hide();
    Image1->hide();
    lblFinished->hide();
    setWindowTitle(QStringLiteral("Corvel XP"));
    Picture2->show();
    subSourceImageProcess(path, picture);
}

void FrmResize::subSourceImageProcess(const QString& path, const QImage& picture) {
    if (run.processing()) {
        return;
    }
    if (run.cancelled()) {
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
    // While a tick makes a landscape thumbnail with the landscape option on, its sides show
    // swapped, as the thumbnail takes them.
    const bool swapped = run.sidesSwapped();
    ui::setCaption(lblWidth2, (swapped ? txtHeight : txtwidth)->text());
    ui::setCaption(lblHeight2, (swapped ? txtwidth : txtHeight)->text());
    for (QLabel* label : {lblWidth2, lblHeight2, lblxx}) {
        label->show();
    }
}
