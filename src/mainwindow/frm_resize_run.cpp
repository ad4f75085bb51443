// SPDX-License-Identifier: MIT
// The processing run: one source picture per tick of timerProcess, from the start checks to
// the finish report, with the cancel and the two little animations that go with it.
#include "mainwindow/frm_resize_run.h"

#include "engine/file_write.h"
#include "engine/naming.h"
#include "engine/qt/conversions_qt.h"
#include "engine/qt/label_text.h"
#include "engine/qt/picture_file_qt.h"
#include "engine/thumbnail_plan.h"
#include "mainwindow/frm_resize.h"
#include "platform/path_style_qt.h"
#include "startup/pause.h"
#include "ui/controls.h"
#include "ui/image.h"
#include "ui/picture_box.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

constexpr int kRunInterval = 900;
constexpr int kLoadErrorPause = 2000;
constexpr qint16 kBlinks = 7;

// The run's source preview: natural size when the picture fits, else stretched.
constexpr int kSourceCentreX = 170;  // pixels, once the window works in pixels
constexpr int kSourceCentreY = 145;
constexpr int kFirstCentreX = 2700;  // twips, before the first render
constexpr int kFirstCentreY = 2145;
constexpr int kSizerTallerBy = 480;  // twips a natural-size preview may exceed picSizer

// "permission denied" as the first word of a sentence.
QString sentenceCase(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

QString processingCaption(const QString& lead, const QString& taken, const QString& of) {
    return lead + taken + QStringLiteral(" of ") + of;
}

}  // namespace

// ---- the window's handlers ------------------------------------------------------------------

void FrmResize::Image2_Click() {
    run.Image2_Click();
}

void FrmResize::cmdProcess_Click() {
    run.cmdProcess_Click();
}

void FrmResize::mnuProcess_Click() {
    run.mnuProcess_Click();
}

void FrmResize::timerProcess_Timer() {
    run.timerProcess_Timer();
}

void FrmResize::timerani_Timer() {
    run.timerani_Timer();
}

void FrmResize::timerLblFinished_Timer() {
    run.timerLblFinished_Timer();
}

// ---- ways into a run --------------------------------------------------------------------------

void FrmResizeRun::Image2_Click() {
    if (isActive()) {
        w.services.dialogs.beep();
        return;
    }
    w.showPressed(w.Image2);
    if (w.programEnded() || isActive()) {
        return;  // closed, or started another way, during the pressed look
    }
    if (!w.frameBrowse->isHidden()) {
        w.cmdCancel_Click();  // the chooser's Close
    }
    w.clampQuality();
    if (w.tips.indTips() == 1) {
        w.subHideTipBubble();
    }
    if (w.chooser.isOpen()) {
        return;
    }
    start();
}

void FrmResizeRun::mnuProcess_Click() {
    if (isActive()) {
        cmdProcess_Click();
        return;
    }
    start();
}

void FrmResizeRun::start() {
    // Toolbar, menu and Enter all ask before thumbnails could replace the source pictures.
    if (isActive() || !confirmSettings()) {
        return;
    }
    indCmdProcessClick = 1;
    cmdProcess_Click();
}

bool FrmResizeRun::confirmSettings() {
    const bool safe = !w.chkFileLocation->isChecked() || w.chkOverwrite->isChecked() ||
                      w.chkPrefix->isChecked() || w.chkSufix->isChecked() ||
                      w.chkNumber->isChecked();
    if (safe) {
        return true;
    }
    const Answer answer = w.services.dialogs.message(
        QStringLiteral("WARNING: The current settings configuration will save the newly created "
                       "thumbnail pictures to the source folder. Original made thumbnail pictures "
                       "could be lost if you continue! Are you sure that you want to continue "
                       "processing the thumbnails?"),
        QStringLiteral("Confirm Continue Processing"), Icon::Question, Buttons::YesNo);
    if (answer == Answer::Yes) {
        return true;
    }
    Pause(w.services.loop, 2000);
    w.services.dialogs.message(
        QStringLiteral("You need to change the 'Save To Same Location' or the 'Prompt On "
                       "Overwrite' option to safely process thumbnails! Change option then try "
                       "processing thumbnail pictures again!"),
        QStringLiteral("Change Options To Continue Processing"), Icon::Information);
    return false;
}

void FrmResizeRun::cmdProcess_Click() {
    if (isActive()) {
        cancel();
        return;
    }
    if (passStartChecks()) {
        startRun();
    }
}

// ---- start checks and start -------------------------------------------------------------------

void FrmResizeRun::refuseStart(const QString& text, const QString& title) {
    w.services.dialogs.message(text, title, Icon::Information);
    indCmdProcessClick = 0;
    w.List1->setFocus();
}

// Why the save-to folder cannot take thumbnails, in a message; empty when it can. A folder the
// start is still to make is judged by the folder it would be made in.
QString FrmResizeRun::destinationRefusal() const {
    const QString folder = QDir::cleanPath(QString::fromStdString(
        engine::normaliseDestination(w.services.paths, w.txtDestName->text().toStdString())));
    const QFileInfo info(folder);
    const QString probed = info.exists() ? folder : info.absolutePath();
    const QString refusal =
        QString::fromStdString(engine::folderRefusal(engine::nativePath(probed)));
    if (refusal.isEmpty()) {
        return {};
    }
    return QStringLiteral("Cannot write to ") + folder + QStringLiteral(": ") +
           sentenceCase(refusal);
}

bool FrmResizeRun::passStartChecks() {
    const bool toFolder = !w.chkFileLocation->isChecked();
    const QString destinationMissing = QStringLiteral(
        "Please enter the destination path or check the 'Save Files In Same "
        "Location As Originals' option!");
    const QString missingTitle = QStringLiteral("Enter Destination Path");
    const QString notWritableTitle = QStringLiteral("Cannot Write To Destination");
    if (w.List1->count() == 0) {
        if (!FrmResize::holdsText(w.txtSourcePath) || !FrmResize::holdsText(w.txtSourceFile)) {
            refuseStart(QStringLiteral("Please select some files to process!"),
                        QStringLiteral("Process Error 203"));
            w.cmdBrowse2_Click();  // the picker
            return false;
        }
        if (toFolder && !w.destinationChosen()) {
            refuseStart(destinationMissing, missingTitle);
            return false;
        }
        if (const QString refusal = toFolder ? destinationRefusal() : QString();
            !refusal.isEmpty()) {
            refuseStart(refusal, notWritableTitle);
            return false;
        }
        indSingle = 1;
        w.txtSourcePath->setReadOnly(true);
        w.txtSourceFile->setReadOnly(true);
        return true;
    }
    if (toFolder && !w.destinationChosen()) {
        refuseStart(destinationMissing, missingTitle);
        w.cmdBrowse_Click();  // the save-to chooser
        return false;
    }
    if (const QString refusal = toFolder ? destinationRefusal() : QString(); !refusal.isEmpty()) {
        refuseStart(refusal, notWritableTitle);
        w.cmdBrowse_Click();  // another folder, perhaps
        return false;
    }
    indSingle = 0;
    return true;
}

void FrmResizeRun::normaliseQuality() {
    // Anything the converter could not use becomes 100, so no ".jpg" is left holding a bitmap.
    const QString text = w.txtQuality->text();
    const auto quality = options::toInt16(text);
    if (text.isEmpty() || text.startsWith(QLatin1Char('0')) || !quality ||
        *quality > options::kMaxQuality || *quality < 1) {
        w.txtQuality->setText(QStringLiteral("100"));
    }
}

void FrmResizeRun::startRun() {
    setPhase(Phase::Running);
    for (QWidget* tool : std::initializer_list<QWidget*>{w.imgHelperTips_Off, w.imgHelperTips}) {
        tool->hide();
    }
    normaliseQuality();
    if (w.List1->count() > 0) {
        w.List1->setCurrentRow(0);
    }
    if (!w.chkFileLocation->isChecked()) {
        // The folder the names will be composed into, so a typed "thumbs" is made where the
        // thumbnails go and not below the working folder. One level only.
        const QString folder = QString::fromStdString(
            engine::normaliseDestination(w.services.paths, w.txtDestName->text().toStdString()));
        if (!QDir(folder).exists()) {
            QDir().mkdir(folder);
        }
    }

    w.lblSaveTo->hide();
    w.lblPath->hide();
    w.cmdBrowse2->hide();
    w.Label14->show();
    w.txtSourcePath->show();
    w.twips.setHeight(w.List1, FrmResize::kShortListHeight);
    w.frameani->show();
    w.chooser.setOpen(false);

    w.indTipsHolder = w.tips.indTips();
    w.tips.setIndTips(0);
    indCanceled = 0;
    varErrorCount = 0;
    loadFailures_ = 0;
    writeFailures_ = 0;
    firstFailedFolder_.clear();
    firstWriteReason_.clear();
    failuresAlike_ = true;

    for (QWidget* shown : std::initializer_list<QWidget*>{w.lblSourceImage, w.lblThumbnail,
                                                          w.Picture2, w.imgLogo, w.lblDestPath}) {
        shown->hide();
    }

    incA = 0;
    w.lblFinished->hide();
    if (w.chkNumber->isChecked()) {
        w.output.startRunningNumber();
    }
    w.timerProcess.setInterval(kRunInterval);
    w.timerProcess.setEnabled(true);
}

// ---- the run tick -----------------------------------------------------------------------------

void FrmResizeRun::timerProcess_Timer() {
    if (indProcessing == 1) {
        return;
    }
    if (indCanceled == 1) {
        w.timerProcess.setEnabled(false);
        return;
    }
    inTick_ = true;
    tick();
    inTick_ = false;
    // A close that came during one of the tick's pauses waited for its picture.
    w.endIfClosed();
}

void FrmResizeRun::tick() {
    w.lblFinished->hide();
    w.timerLblFinished.setEnabled(false);
    indProcessing = 1;
    w.lblSourceImage->hide();
    w.imgSourceImage->hide();

    const int current = w.List1->currentRow();
    const int count = w.List1->count();
    // A queue emptied under the run has nothing left to take either.
    if ((current == count - 1 && count >= 2) || (count == 0 && indSingle == 0)) {
        finish(incA);
        return;
    }
    if (const TickEnd end = processPicture(); end != TickEnd::Done) {
        tickFailed(end == TickEnd::LoadFailed);
    }
}

FrmResizeRun::TickEnd FrmResizeRun::processPicture() {
    w.ImgError->hide();
    w.lblSourceFile->clear();
    w.lblSourceFile->hide();
    for (QWidget* surface :
         std::initializer_list<QWidget*>{w.PictureVis, w.Image1, w.Picture2, w.lblDestPath}) {
        surface->hide();
    }

    const int count = w.List1->count();
    if (count > 0) {
        if (incA >= count) {
            // Entries were removed while the run went on: nothing is left to take.
            finish(incA);
            return TickEnd::Done;
        }
        w.List1->setCurrentRow(incA);
        ++incA;
    }

    QString path;
    if (indSingle == 1) {
        w.timerProcess.setEnabled(false);
        w.txtSourcePath->setText(
            platform::withTrailingSeparator(w.services.paths, w.txtSourcePath->text()));
        path = platform::join(w.services.paths, w.txtSourcePath->text(), w.txtSourceFile->text());
    } else if (const QListWidgetItem* entry = w.List1->currentItem()) {
        path = entry->text();
    }
    w.lblSourceFile->setText(path);

    // The boxes are read once, into the request: its size rule gives the call size, and its
    // type and quality go with the drawn thumbnail to the save. One read of the file gives
    // the thumbnail and the source preview; the whole picture is never held.
    const auto decoder = engine::openPicture(engine::nativePath(path));
    if (!decoder) {
        return TickEnd::LoadFailed;
    }
    const QSize size = engine::toQSize(decoder->size());
    const std::optional<engine::ThumbnailRequest> request = w.thumbnailRequest(size);
    const engine::Size call = request ? engine::callSize(*request) : engine::Size(0, 0);
    const RunSourceView view = runSourceView(size);
    const engine::WindowPictures read = engine::readThumbnailAndPreview(
        *decoder, engine::toQSize(call),
        view == RunSourceView::Natural ? size : w.previewBox(w.Image1));
    if (!read.loaded) {
        return TickEnd::LoadFailed;
    }
    w.sourceSize = size;

    indLandscape = size.width() > size.height() ? 1 : 0;
    sidesSwapped_ = w.chkLandscape->isChecked() && indLandscape == 1;
    w.Picture2->clear();

    showRunSource(size, view, read.preview);
    if (w.chkNumber->isChecked()) {
        w.output.showRunningNumber();
    }
    if (indSingle == 1) {
        showProgressCaptions(QStringLiteral("1"), QStringLiteral("1"));
    } else {
        showProgressCaptions(QString::number(incA), QString::number(count));
    }
    ui::setCaption(w.lblSourceFile, engine::shortenLabel(path, engine::kSourceFileLabel));
    w.lblSourceFile->show();

    if (!w.output.prepareName(path)) {
        sidesSwapped_ = false;
        return TickEnd::Failed;
    }

    if (!w.timerani.enabled()) {
        w.imgLogo->hide();
        w.imgProgress1->show();
        w.timerani.setEnabled(true);
    }

    sidesSwapped_ = false;
    if (!request) {
        return TickEnd::Failed;
    }
    setCallSize(static_cast<qint16>(call.width()), static_cast<qint16>(call.height()));
    const std::optional<QImage> rendered =
        w.thumbnail(varThumbW, varThumbH, {read.thumbnail, size}, w.Picture2);
    // Only the run's own tick names and writes its thumbnail. A size that drew nothing leaves
    // the canvas of an earlier picture, which must not be written either.
    if (rendered && !w.programEnded()) {
        w.output.subNameAndSaveThumbnail(*rendered, *request);
    }

    if (count == 0) {
        finish(1);
        return TickEnd::Done;
    }
    if (count == 1) {
        finish(incA);
        return TickEnd::Done;
    }
    indProcessing = 0;
    indSingle = 0;
    return TickEnd::Done;
}

void FrmResizeRun::showProgressCaptions(const QString& taken, const QString& of) {
    w.setWindowTitle(
        processingCaption(QStringLiteral("Corvel XP  --  Processing Image: "), taken, of));
    ui::setCaption(w.Label21, processingCaption(QStringLiteral("Source File List -- Processing: "),
                                                taken, of));
}

FrmResizeRun::RunSourceView FrmResizeRun::runSourceView(QSize picture) const {
    const int width = picture.width();
    const int height = picture.height();
    if (w.indFirstRun == 1) {
        // The picture with a 2 px frame each side against the preview area.
        return width + 4 > 290 || height + 4 > 240 ? RunSourceView::Stretched
                                                   : RunSourceView::Natural;
    }
    if (width > 300 || height > 240) {
        return RunSourceView::Stretched;
    }
    const QSize outer = naturalOuterSize(picture);
    return outer.width() > w.picSizer->width() ||
                   outer.height() > w.picSizer->height() + w.twips.pxY(kSizerTallerBy)
               ? RunSourceView::Stretched
               : RunSourceView::Natural;
}

QSize FrmResizeRun::naturalOuterSize(QSize picture) const {
    // The natural-size view is the picture in its frame.
    const int frame = 2 * w.PictureVis->borderWidth();
    return {picture.width() + frame, picture.height() + frame};
}

void FrmResizeRun::showRunSource(QSize picture, RunSourceView view, const QImage& preview) {
    w.txtPixelWidth2->setText(QString::number(picture.width()));
    w.txtPixelHeight2->setText(QString::number(picture.height()));

    const QSize outer = naturalOuterSize(picture);
    const auto centreOn = [this, outer](int x, int y) {
        w.PictureVis->move(x - outer.width() / 2, y - outer.height() / 2);
    };
    if (w.indFirstRun == 1) {
        if (view == RunSourceView::Natural) {
            centreOn(kSourceCentreX, kSourceCentreY);
        }
    } else if (picture.width() <= 300 && picture.height() <= 240 &&
               (outer.width() < w.picSizer->width() || outer.height() < w.picSizer->height())) {
        centreOn(w.twips.pxX(kFirstCentreX), w.twips.pxY(kFirstCentreY));
    }
    // Only the view that is shown gets the preview: the picture itself at its natural size, or
    // the picture stretched into the stretching view's box.
    if (view == RunSourceView::Stretched) {
        w.PictureVis->hide();
        w.Image1->setPicture(preview);
        w.Image1->show();
    } else {
        w.Image1->hide();
        w.PictureVis->setPicture(preview);
        w.PictureVis->show();
    }
}

void FrmResizeRun::tickFailed(bool loadFailed) {
    if (loadFailed) {
        ++varErrorCount;
        ++loadFailures_;
        w.ImgError->show();
        ui::setCaption(w.lblSourceFile, QStringLiteral("Error Loading Picture"));
        w.lblSourceFile->show();
        w.Image1->hide();
        w.PictureVis->hide();
        Pause(w.services.loop, kLoadErrorPause);
    }
    if (indSingle == 1) {
        w.timerProcess.setEnabled(false);
        indSingle = 0;
        setPhase(Phase::Stalled);
    }
    indProcessing = 0;
    indCmdProcessClick = 0;
    // The only entry of the queue is taken: no later tick would find one, so the run ends
    // here and reports the failure.
    if (w.List1->count() == 1) {
        finish(incA);
    }
}

// ---- the end of a run -------------------------------------------------------------------------

void FrmResizeRun::setPhase(Phase phase) {
    phase_ = phase;
    w.updateCommands();
}

void FrmResizeRun::setCallSize(qint16 width, qint16 height) {
    varThumbW = width;
    varThumbH = height;
}

void FrmResizeRun::resetCounters() {
    incA = 0;
    varErrorCount = 0;
    varBlinkCount = 0;
}

void FrmResizeRun::chooserClosed() {
    indProcessing = 0;
    indCmdProcessClick = 0;
}

void FrmResizeRun::showFinishLabel(const QString& caption) {
    w.lblFinished->move(w.lblFinished->x(), w.Picture2->y() + w.Picture2->height() - 2);
    ui::setCaption(w.lblFinished, caption);
    w.subCenter();
    w.lblFinished->show();
    w.timerLblFinished.setEnabled(true);
}

void FrmResizeRun::showSourceToolbar() {
    ui::setCaption(w.Label21, QStringLiteral("Source File List:"));
    w.imgHelperTips->show();
}

void FrmResizeRun::endRun(const QString& finishCaption) {
    w.timerProcess.setEnabled(false);
    indProcessing = 0;
    indCmdProcessClick = 0;
    // The run's lock goes, and with it the same-folder option's lock of the destination box.
    w.optionState.destinationEditable = true;
    ended_ = true;
    setPhase(Phase::Idle);
    // Stopped here, the animation's own tick can no longer put the logo back.
    stopAnimation();
    w.txtSourcePath->setReadOnly(false);
    w.txtSourceFile->setReadOnly(false);
    showFinishLabel(finishCaption);
    showSourceToolbar();
    w.lblDestPath->hide();
    w.subShowPath();
}

void FrmResizeRun::finish(qint32 processed) {
    QString caption =
        QStringLiteral("Corvel XP  --  Finished!  Images Processed: ") + QString::number(processed);
    if (varErrorCount >= 1) {
        caption += QStringLiteral(" -- Process Errors: ") + QString::number(varErrorCount);
    }
    w.setWindowTitle(caption);
    indSingle = 0;
    indLandscape = 0;
    endRun(QStringLiteral("Finished Processing"));

    if (const auto tips = w.settings.readInt16(options::kTips)) {
        w.tips.setIndTips(*tips);
    }
    if (w.tips.indTips() == 0) {
        w.imgHelperTips_Off->show();
    }
    reportWriteFailures();
}

void FrmResizeRun::countWriteFailure(const QString& folder, const QString& reason) {
    const QString why = sentenceCase(reason);
    if (++writeFailures_ == 1) {
        firstFailedFolder_ = folder;
        firstWriteReason_ = why;
    } else if (folder != firstFailedFolder_ || why != firstWriteReason_) {
        failuresAlike_ = false;
    }
}

// The caption counts every failure; when thumbnails were lost to the disk the user is told
// where and why. Pictures that could not be loaded already showed their error picture.
void FrmResizeRun::reportWriteFailures() {
    if (writeFailures_ == 0) {
        return;
    }
    QStringList lines;
    if (loadFailures_ > 0) {
        lines << (loadFailures_ == 1 ? QStringLiteral("1 picture could not be loaded")
                                     : QString::number(loadFailures_) +
                                           QStringLiteral(" pictures could not be loaded"));
    }
    const QString where = firstFailedFolder_ + QStringLiteral(": ") + firstWriteReason_;
    const QString written =
        writeFailures_ == 1
            ? QStringLiteral("1 thumbnail could not be written")
            : QString::number(writeFailures_) + QStringLiteral(" thumbnails could not be written");
    lines << written +
                 (failuresAlike_ ? QStringLiteral(" to ") : QStringLiteral(", the first to ")) +
                 where;
    w.services.dialogs.message(lines.join(QLatin1Char('\n')),
                               QStringLiteral("Thumbnails Not Written"), Icon::Information);
}

void FrmResizeRun::cancel() {
    indCanceled = 1;
    w.setWindowTitle(QStringLiteral("Corvel XP"));
    endRun(QStringLiteral("Operation Canceled"));

    if (w.settings.readInt16(options::kTips) == qint16{0}) {
        w.imgHelperTips_Off->show();
    }
    w.tips.setIndTips(w.indTipsHolder);
    w.List1->setFocus();
}

// ---- animations -------------------------------------------------------------------------------

void FrmResizeRun::stopAnimation() {
    w.timerani.setEnabled(false);
    for (ui::Image* step : {w.imgProgress1, w.imgProgress2, w.imgProgress3}) {
        step->hide();
    }
    w.imgLogo->show();
}

void FrmResizeRun::timerani_Timer() {
    if (indCanceled == 1) {
        stopAnimation();
        w.List1->setEnabled(true);
    }
    ui::Image* const steps[] = {w.imgProgress1, w.imgProgress2, w.imgProgress3};
    for (int i = 0; i < 3; ++i) {
        if (!steps[i]->isHidden()) {
            steps[i]->hide();
            steps[(i + 1) % 3]->show();
            return;
        }
    }
}

void FrmResizeRun::timerLblFinished_Timer() {
    ++varBlinkCount;
    if (varBlinkCount == kBlinks) {
        w.timerLblFinished.setEnabled(false);
        varBlinkCount = 0;
    }
    w.lblFinished->setVisible(w.lblFinished->isHidden());
}
