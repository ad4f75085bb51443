// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

class FrmResize;
class QImage;

// The processing run of the main window: the ways into a run and their start checks, the
// start, the run tick with its failure handler, Finish, Cancel, the progress animation and
// the finish label's blink. It owns the run's state (its phase, the picture taken, the
// counters, the call size); the rest of the window asks it through the functions below.
class FrmResizeRun {
  public:
    explicit FrmResizeRun(FrmResize& window) : w(window) {}

    void Image2_Click();
    void cmdProcess_Click();
    void mnuProcess_Click();
    void timerProcess_Timer();
    void timerani_Timer();
    void timerLblFinished_Timer();

    // Where a run stands. Stalled: the single picture named by hand could not be made; the
    // run still offers its cancel, but the menu no longer offers to start or cancel.
    enum class Phase { Idle, Running, Stalled };
    Phase phase() const { return phase_; }
    // From the start of a run to its finish or cancel; the process button then offers to
    // cancel it.
    bool isActive() const { return phase_ != Phase::Idle; }
    // Whether a run has ended in this window.
    bool ended() const { return ended_; }
    // While a run tick handles its picture, through every pause and message box it waits in.
    bool tickInProgress() const { return inTick_; }
    // From the tick's start on its picture to the tick's end (or the run's).
    bool processing() const { return indProcessing == 1; }
    // From a start command to the run's first failure or its end.
    bool starting() const { return indCmdProcessClick == 1; }
    bool cancelled() const { return indCanceled == 1; }
    // Whether the last picture taken was wider than tall.
    bool lastPictureLandscape() const { return indLandscape == 1; }
    // Whether the thumbnail now being made has its sides swapped for a landscape picture:
    // the size captions then show them swapped.
    bool sidesSwapped() const { return sidesSwapped_; }

    // The call size of the last picture drawn, by a tick or a list-click preview; a preview
    // keeps a side whose box holds no number.
    qint16 callWidth() const { return varThumbW; }
    qint16 callHeight() const { return varThumbH; }
    void setCallSize(qint16 width, qint16 height);

    // Every way into a run comes here: the same question when the settings would write
    // thumbnails over the source pictures, then the process command. Never cancels a run.
    void start();
    // Stops the progress animation: its pictures go, the logo comes back in their frame.
    void stopAnimation();
    // A picture of this run gave no thumbnail; the finish caption counts it.
    void countError() { ++varErrorCount; }
    // A thumbnail of this run could not be written into `folder`, for `reason` (the system's
    // words); the finish reports it.
    void countWriteFailure(const QString& folder, const QString& reason);
    // The counters of a fresh window.
    void resetCounters();
    // The save-to chooser closed: a start it interrupted is over.
    void chooserClosed();

  private:
    friend struct FrmResizeTestView;

    bool confirmSettings();
    bool passStartChecks();
    void refuseStart(const QString& text, const QString& title);
    QString destinationRefusal() const;
    void startRun();
    void normaliseQuality();
    void setPhase(Phase phase);

    // How a tick's picture ended: done, or failed, while loading or after it was loaded.
    enum class TickEnd { Done, LoadFailed, Failed };
    void tick();
    TickEnd processPicture();
    void tickFailed(bool loadFailed);
    void showRunSource(const QImage& picture);
    void showProgressCaptions(const QString& taken, const QString& of);

    // What every end of a run does, finished or cancelled; the finish label shows the caption.
    void endRun(const QString& finishCaption);
    void finish(qint32 processed);
    void cancel();
    void showFinishLabel(const QString& caption);
    void reportWriteFailures();
    void showSourceToolbar();

    FrmResize& w;
    Phase phase_ = Phase::Idle;
    bool inTick_ = false;
    bool ended_ = false;
    bool sidesSwapped_ = false;

    // 16-bit flags hold 0 or 1.
    qint16 indProcessing = 0;
    qint16 indCanceled = 0;
    qint16 indSingle = 0;  // the run takes the single picture named in the source boxes
    qint16 indCmdProcessClick = 0;
    qint16 indLandscape = 0;
    qint32 incA = 0;           // the entries of the queue taken so far
    qint32 varErrorCount = 0;  // the pictures that gave no thumbnail
    qint16 varThumbW = 0;
    qint16 varThumbH = 0;
    qint16 varBlinkCount = 0;

    // This run's failures apart: the caption counts them together in varErrorCount.
    qint32 loadFailures_ = 0;
    qint32 writeFailures_ = 0;
    QString firstFailedFolder_;
    QString firstWriteReason_;
    bool failuresAlike_ = true;  // every write failed in the same folder for the same reason
};
