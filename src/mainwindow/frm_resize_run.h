// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class FrmResize;
class QImage;

// The processing run of the main window: the ways into a run and their start checks, the
// start, the run tick with its failure handler, Finish, Cancel, the progress animation and
// the finish label's blink. The run's state lives in the window's fields (indProcessing,
// incA, varErrorCount, ...), so that every part of the window sees the same run.
class FrmResizeRun {
  public:
    explicit FrmResizeRun(FrmResize& window) : w(window) {}

    void Image2_Click();
    void cmdProcess_Click();
    void mnuProcess_Click();
    void timerProcess_Timer();
    void timerani_Timer();
    void timerLblFinished_Timer();

    // From the start of a run to its finish or cancel; the process button then offers to
    // cancel it.
    bool isActive() const { return active_; }
    // While the run's own tick renders its picture: only then does `thumbnail` go on to name
    // and write a file.
    bool rendersItsPicture() const { return rendering_; }
    // While a run tick handles its picture, through every pause and message box it waits in.
    bool tickInProgress() const { return inTick_; }
    // Every way into a run comes here: the same question when the settings would write
    // thumbnails over the source pictures, then the process command. Never cancels a run.
    void start();
    // Stops the progress animation: its pictures go, the logo comes back in their frame.
    void stopAnimation();
    // A thumbnail of this run could not be written into `folder`, for `reason` (the system's
    // words); the finish reports it.
    void countWriteFailure(const QString& folder, const QString& reason);

  private:
    bool confirmSettings();
    bool passStartChecks();
    void refuseStart(const QString& text, const QString& title);
    QString destinationRefusal() const;
    void startRun();
    void normaliseQuality();
    void lockOptions(bool locked);

    // How a tick's picture ended: done, or failed, while loading or after it was loaded.
    enum class TickEnd { Done, LoadFailed, Failed };
    void tick();
    TickEnd processPicture();
    void tickFailed(bool loadFailed);
    void swapSizesForLandscape();
    void restoreLandscapeSizes();
    void showRunSource(const QImage& picture);
    void showProgressCaptions(const QString& taken, const QString& of);

    // What every end of a run does, finished or cancelled; the finish label shows the caption.
    void endRun(const QString& finishCaption);
    void finish(qint32 processed);
    void cancel();
    void showFinishLabel(const QString& caption);
    void reportWriteFailures();
    void showSourceToolbar();
    void setIdleCommands();

    FrmResize& w;
    bool active_ = false;
    bool rendering_ = false;
    bool inTick_ = false;
    // This run's failures apart: the caption counts them together in varErrorCount.
    qint32 loadFailures_ = 0;
    qint32 writeFailures_ = 0;
    QString firstFailedFolder_;
    QString firstWriteReason_;
    bool failuresAlike_ = true;  // every write failed in the same folder for the same reason
};
