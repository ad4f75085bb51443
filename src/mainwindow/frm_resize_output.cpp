// SPDX-License-Identifier: MIT
// The naming and output stages of a run: the name preview row filled for each picture, the
// output path composed from it, and the thumbnail written as a bitmap or, for the JPG and GIF
// types, converted to JPEG data first, so the name never holds bitmap data for those types.
#include "mainwindow/frm_resize_output.h"

#include "engine/qt/bitmap_encoder_qt.h"
#include "engine/qt/bmp_to_jpg.h"
#include "engine/qt/conversions_qt.h"
#include "engine/qt/label_text.h"
#include "mainwindow/frm_resize.h"
#include "startup/pause.h"
#include "ui/controls.h"
#include "ui/image.h"
#include "ui/picture_box.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

constexpr qint32 kSavePause = 200;
constexpr qint32 kOverwritePause = 2000;  // after a confirmed overwrite
constexpr qint16 kPromptsPerAdvice = 3;

// The naming core works on UTF-8, the boxes on QString.
QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

void FrmResize::subNameAndSaveThumbnail(const QImage& rendered,
                                        const engine::ThumbnailRequest& request) {
    output.subNameAndSaveThumbnail(rendered, request);
}

engine::NameRow FrmResizeOutput::shownRow() const {
    return {w.txtDestName->text().toStdString(), w.txtFilename->text().toStdString(),
            w.txtIncrementer->text().toStdString(), w.txtExtention->text().toStdString()};
}

engine::NameChoice FrmResizeOutput::nameChoice() const {
    engine::NameChoice choice;
    choice.mode = w.chkPrefix->isChecked()   ? engine::NameMode::Prefix
                  : w.chkSufix->isChecked()  ? engine::NameMode::Suffix
                  : w.chkNumber->isChecked() ? engine::NameMode::Number
                                             : engine::NameMode::None;
    choice.location = w.chkFileLocation->isChecked() ? engine::FileLocation::SourceFolder
                                                     : engine::FileLocation::SaveToFolder;
    return choice;
}

// ---- preparation, in the run tick ---------------------------------------------------------

void FrmResizeOutput::startRunningNumber() {
    varIncNumber = engine::startRunningNumber(w.txtIncrementer->text().toStdString(), varIncNumber);
}

void FrmResizeOutput::showRunningNumber() {
    // Through the mirror the letters box shows it too, and keeps it as the stored Numbers.
    w.txtIncrementer->setText(QString::number(varIncNumber));
}

bool FrmResizeOutput::prepareName(const QString& path) {
    const engine::NamePreparation prepared = engine::prepareName(
        w.services.paths, path.toStdString(), nameChoice(), shownRow(), varIncNumber);
    if (prepared.status == engine::NameStatus::PathTooLong) {
        w.services.dialogs.message(
            QStringLiteral("The selected files path is to long! Use Explorer to move the file to "
                           "another location and try again!"),
            QStringLiteral("Path Length Error"), Icon::Critical);
        // No thumbnail comes of this picture; the finish report says so.
        w.run.countError();
        return false;
    }
    subStripName(prepared);
    subStripName2(prepared);
    return true;
}

// The source side: the picture's folder and file name.
void FrmResizeOutput::subStripName(const engine::NamePreparation& prepared) {
    ui::setWithTip(w.txtSourcePath, text(prepared.sourcePath));
    ui::setWithTip(w.txtSourceFile, text(prepared.sourceFile));
}

// The preview row: where the thumbnail goes and the name it is built from.
void FrmResizeOutput::subStripName2(const engine::NamePreparation& prepared) {
    w.txtIncrementer->setText(text(prepared.row.incrementer));
    w.txtFilename->setText(text(prepared.row.filename));
    w.showDestination(text(prepared.row.destName));
}

// ---- composition and output, inside thumbnail ---------------------------------------------------

void FrmResizeOutput::subNameAndSaveThumbnail(const QImage& rendered,
                                              const engine::ThumbnailRequest& request) {
    composeName();
    // Each source folder is a new destination: one that cannot take a file asks no question.
    if (w.chkFileLocation->isChecked()) {
        const QString folder = QFileInfo(picName).absolutePath();
        const std::string refusal = engine::folderRefusal(engine::nativePath(folder));
        if (!refusal.empty()) {
            w.run.countError();
            w.run.countWriteFailure(folder, text(refusal));
            return;
        }
    }
    if (w.chkOverwrite->isChecked() && QFileInfo(picName).isFile()) {
        confirmOverwrite(rendered, request);
        return;
    }
    save(rendered, request, kSavePause);
}

void FrmResizeOutput::composeName() {
    const engine::NameChoice choice = nameChoice();
    picName = text(engine::composeName(w.services.paths, shownRow(), choice));
    if (choice.mode == engine::NameMode::Number) {
        varIncNumber = engine::nextRunningNumber(varIncNumber);
    }

    ui::setCaption(w.lblDestPath, engine::shortenLabel(picName, engine::kDestPathLabel));
    w.lblDestPath->setToolTip(picName);
    w.lblPath->hide();
    w.lblDestPath->show();
    w.lblSaveTo->show();
    if (w.run.cancelled()) {
        w.run.stopAnimation();
    }
}

void FrmResizeOutput::confirmOverwrite(const QImage& rendered,
                                       const engine::ThumbnailRequest& request) {
    const Answer answer = w.services.dialogs.message(
        QStringLiteral("The file already exists! Do you want to overwrite the file?"),
        QStringLiteral("Confirm Overwrite"), Icon::Question, Buttons::YesNo);
    if (answer == Answer::Yes && !save(rendered, request, kOverwritePause)) {
        return;  // the save failure handler ends the stage
    }
    countPrompt();
}

void FrmResizeOutput::countPrompt() {
    if (++varPromptCount < kPromptsPerAdvice) {
        return;
    }
    varPromptCount = 0;
    // A window closed during this picture asks nothing more: the program ends after it.
    if (w.settings.readInt16(options::kOverwrite) != qint16{1} || w.closing()) {
        return;
    }
    const Answer answer = w.services.dialogs.message(
        QStringLiteral(
            "ATTENTION: To keep from seeing the 'Prompt On Overwrite File' message you need to "
            "turn that option OFF! If the overwrite files message has been shown many times in "
            "a row then there could be lots of files with same name in the process list and/or "
            "in the destination folder. You can turn the 'Prompt On Overwrite' files option OFF "
            "after you 'Cancel' the operation. Do you want to 'Cancel Processing' to allow you to "
            "check files and turn the 'Prompt On Overwrite Files' option OFF?"),
        QStringLiteral("Confirm Cancel Processing"), Icon::Question, Buttons::YesNo);
    // Only a run still going is cancelled: the menu command would start a new one instead.
    if (answer == Answer::Yes && w.run.isActive()) {
        w.mnuProcess_Click();
    }
}

// The drawn thumbnail as a bitmap, the pause, then for JPG and GIF the conversion. The bitmap stays
// in memory until it is converted: only the finished file ever takes the name (file_write.h), so a
// failed conversion or an interrupted program leaves the old file or none, not bitmap data under a
// JPEG name.
bool FrmResizeOutput::save(const QImage& rendered, const engine::ThumbnailRequest& request,
                           qint32 pauseMs) {
    indSaving = 1;
    const QByteArray bitmap = engine::encodeBitmap(rendered);
    const bool convert = request.type != engine::ThumbnailType::Bitmap;
    bool saved = !bitmap.isEmpty();
    QString reason = QStringLiteral("the thumbnail could not be made");
    if (saved && !convert) {
        saved = engine::writeFile(engine::nativePath(picName), engine::bytesOf(bitmap)).written();
        reason = text(engine::lastWriteFailure());
    }
    if (saved) {
        Pause(w.services.loop, pauseMs);
        if (convert) {
            engine::MemorySource source(engine::bytesOf(bitmap));
            const engine::ConvertStatus status = engine::BmpToJpg(
                source, picName, picName, QString::number(request.quality), w.services.dialogs);
            saved = status == engine::ConvertStatus::Converted;
            if (status == engine::ConvertStatus::NotSaved && !engine::lastWriteFailure().empty()) {
                reason = text(engine::lastWriteFailure());
            }
        }
    }
    indSaving = 0;
    if (!saved) {
        // A thumbnail that did not come out as asked is a failure of the run, not a success.
        w.run.countError();
        w.run.countWriteFailure(QFileInfo(picName).absolutePath(), reason);
    }
    return saved;
}
