// SPDX-License-Identifier: MIT
#pragma once

#include "options/thumbnail_options.h"
#include "platform/event_loop.h"
#include "platform/timer.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QtGlobal>

// The controls of the main window whose place the bubble is placed by.
enum class TipAnchor { Frame9, cmdProcess, Frame8, Frame3, Frame1 };

// What the helper tips need from the window they guide.
class TipsHost {
  public:
    virtual ~TipsHost() = default;
    // The control's left, top, width and height in twips, relative to its own container,
    // whatever unit the window has switched to.
    virtual QRect tipAnchorTwips(TipAnchor anchor) const = 0;
    // The window's left and top edges on the screen, in twips.
    virtual QPoint tipWindowTwips() const = 0;
    // While the window loads its options, their handlers must not run the tips.
    virtual bool tipWindowLoading() const = 0;
    // A processing run is going on.
    virtual bool tipRunInProgress() const = 0;
    // The save-to chooser panel covers the options panel.
    virtual bool tipChooserOpen() const = 0;
    // The bubble, loaded on first use: placed (top left, in twips of the screen), shown
    // without taking the focus, hidden.
    virtual void placeBubble(QPoint topLeftTwips) = 0;
    virtual void showBubble() = 0;
    virtual void hideBubble() = 0;
    virtual bool bubbleVisible() const = 0;
};

// The helper tips: the seven-step guide through the main window, the tips of hovered areas,
// and switching them on and off. The bubble that shows them belongs to the host.
class FrmResizeTips {
  public:
    FrmResizeTips(TipsHost& host, platform::EventLoop& loop, options::Settings& settings);

    static constexpr qint16 kSteps = 7;
    // The text of a step 1 to 7; empty for any other.
    static QString tipText(qint16 step);

    // Shows the tip of the current step and advances the step.
    void subRunTips();
    // An action of the guide: from here on the guide shows `step` (when tips are on).
    void runStep(qint16 step);
    // Runs the tips when they are on and the guide stands at `step`, without setting it.
    void runAtStep(qint16 step);
    // A pointer move at `pos` over an area whose tip is that of `step`.
    void hover(qint16 step, QPoint pos);
    void timerTip_Timer();
    // The bubble is hidden, and a hovered tip that was about to show is dropped with it.
    void subHideTipBubble();
    // Switching the tips off and on ("Tips" is stored at once); the toolbar images and the
    // menu entry are the window's.
    void switchOff();
    void switchOn();

    // Where the bubble of `step` goes: its top left corner in twips of the screen.
    QPoint placement(qint16 step) const;

    // The shared tip text the bubble runs.
    const QString& text() const { return text_; }
    qint16 indTips() const { return indTips_; }
    // Sets the flag alone: the stored setting and the run's save and restore.
    void setIndTips(qint16 on) { indTips_ = on; }
    qint16 indTipNumber() const { return indTipNumber_; }
    void setIndTipNumber(qint16 step) { indTipNumber_ = step; }
    bool timerRunning() const { return timerTip.enabled(); }

  private:
    bool showing(qint16 step) const { return step >= 1 && step <= kSteps; }

    TipsHost& host_;
    options::Settings& settings_;
    platform::Timer timerTip;
    qint16 indTips_ = 0;
    qint16 indTipNumber_ = 0;
    QString text_;
    // The last pointer position that moved along both axes, shared by every tip area.
    QPoint lastPointer_;
};
