// SPDX-License-Identifier: MIT
// The window's side of the helper tips (the tips themselves are in frm_resize_tips.cpp): the
// toolbar switches, the hover table and the bubble; the ways into the about window, which the
// start-up library installs; the help and web actions, which hand over to the launcher
// (src/launcher/); and the visual theme (src/theme/).
#include "mainwindow/frm_resize.h"

#include "theme/visual_theme.h"

#include <QAction>
#include <QEvent>
#include <QHash>
#include <QMouseEvent>

// ---- helper tips ------------------------------------------------------------------------------

void FrmResize::subRunTips() {
    tips.subRunTips();
}

void FrmResize::subHideTipBubble() {
    tips.subHideTipBubble();
}

// Tips off.
void FrmResize::imgHelperTips_Click() {
    showPressed(imgHelperTips);
    if (ended_) {
        return;
    }
    imgHelperTips_Off->show();
    mnuTips->setChecked(false);
    tips.switchOff();
}

// Tips on.
void FrmResize::imgHelperTips_Off_Click() {
    showPressed(imgHelperTips_Off);
    if (ended_) {
        return;
    }
    imgHelperTips_Off->hide();
    mnuTips->setChecked(true);
    tips.switchOn();
}

void FrmResize::mnuTips_Click() {
    // The menu entry runs the toolbar action that matches the current state, and shows it.
    if (tips.indTips() == 1) {
        imgHelperTips_Click();
    } else {
        imgHelperTips_Off_Click();
    }
    mnuTips->setChecked(tips.indTips() == 1);
}

namespace {

// Pointer moves over a tip area, as the area itself gets them: a move over one of its
// children is the child's (an inner frame has a tip of its own), not the area's.
class HoverTips : public QObject {
  public:
    HoverTips(QObject* parent, std::function<void(qint16, QPoint)> hover)
        : QObject(parent), hover_(std::move(hover)) {}

    void watch(QWidget* area, qint16 step) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
        steps_.insert(area, step);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            auto* area = static_cast<QWidget*>(watched);
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (area->childAt(at) == nullptr) {
                hover_(steps_.value(area), at);
            }
        }
        return false;
    }

  private:
    std::function<void(qint16, QPoint)> hover_;
    QHash<QObject*, qint16> steps_;
};

}  // namespace

void FrmResize::connectHoverTips() {
    // The hover table: the areas whose pointer moves show a tip, with the step whose text
    // and place they use.
    const std::pair<QWidget*, qint16> areas[] = {
        {Frame2, 1},   {List1->viewport(), 1}, {Frame8, 2},  {Frame3, 3}, {frmLetters, 3},
        {Frame1, 4},   {frameQuality, 4},      {Frame4, 5},  {Label1, 5}, {Label2, 5},
        {txtwidth, 5}, {txtHeight, 5},         {Frame10, 6}, {Frame9, 7},
    };
    auto* hover = new HoverTips(this, [this](qint16 step, QPoint at) { tips.hover(step, at); });
    for (const auto& [area, step] : areas) {
        hover->watch(area, step);
    }
}

// Anchors are read live, relative to each control's own container and in twips, whatever
// the window's own unit and layout have become.
QRect FrmResize::tipAnchorTwips(TipAnchor anchor) const {
    const QWidget* control = nullptr;
    switch (anchor) {
        case TipAnchor::Frame9:
            control = Frame9;
            break;
        case TipAnchor::cmdProcess:
            control = cmdProcess;
            break;
        case TipAnchor::Frame8:
            control = Frame8;
            break;
        case TipAnchor::Frame3:
            control = Frame3;
            break;
        case TipAnchor::Frame1:
            control = Frame1;
            break;
    }
    return {twips.left(control), twips.top(control), twips.width(control), twips.height(control)};
}

QPoint FrmResize::tipWindowTwips() const {
    return {twips.twipsX(frameGeometry().x()), twips.twipsY(frameGeometry().y())};
}

bool FrmResize::tipWindowLoading() const {
    return indLoading != 0 || indGetSettings != 0;
}

bool FrmResize::tipRunInProgress() const {
    return run.processing() != 0;
}

bool FrmResize::tipChooserOpen() const {
    return !frameBrowse->isHidden();
}

Bubble& FrmResize::loadBubble() {
    if (!bubble) {
        // Closed with its "X", the bubble stays closed: a tip about to show again is dropped.
        bubble = std::make_unique<Bubble>(
            this, services.loop, twips, [this] { return tips.text(); },
            [this] { tips.subHideTipBubble(); });
    }
    return *bubble;
}

void FrmResize::placeBubble(QPoint topLeftTwips) {
    loadBubble().placeAt(topLeftTwips.x(), topLeftTwips.y());
}

void FrmResize::showBubble() {
    loadBubble().showTip();
}

void FrmResize::hideBubble() {
    if (bubble) {
        bubble->hide();
    }
}

bool FrmResize::bubbleVisible() const {
    return bubble && bubble->isVisible();
}

// ---- the about window -------------------------------------------------------------------------

void FrmResize::Image8_Click() {
    // While another window holds the main window disabled (the about window, the picker), its
    // menu entry is as dead as its image.
    if (!isEnabled() || ended_) {
        return;
    }
    showPressed(Image8);
    if (!isEnabled() || ended_) {
        return;  // something else was opened, or the program ended, during the pressed look
    }
    indAbout = 1;
    setEnabled(false);
    if (!showAbout || !showAbout()) {
        aboutClosed();  // nothing to give the window back: it takes input again at once
    }
}

void FrmResize::aboutClosed() {
    indAbout = 0;
    setEnabled(true);
    show();
    activateWindow();
}

void FrmResize::mnuInfo_Click() {
    Image8_Click();
}

// ---- help and web actions ---------------------------------------------------------------------

void FrmResize::Image9_Click() {
    web.helpFile();
}

void FrmResize::mnuViewHelp_Click() {
    Image9_Click();
}

void FrmResize::mnuOnline_Click() {
    web.onlineHelp();
}

void FrmResize::imgLogo_Click() {
    web.logoPage();
}

void FrmResize::showHelpPressed() {
    showPressed(Image9);
}

// ---- visual theme -----------------------------------------------------------------------------

// Hands frames and graphical buttons to the desktop's style.
void FrmResize::subApplyVisualTheme() {
    theme::applyVisualTheme(this);
}
