// SPDX-License-Identifier: MIT
#include "mainwindow/frm_resize_tips.h"

#include <array>
#include <cmath>

namespace {

// Seven spaces part each title from its description.
constexpr std::array<const char*, FrmResizeTips::kSteps> kTipTexts{
    "CHOOSE FILES...       Browse the hard drive and create a list of full size images to "
    "process.",
    "CHOOSE SAVE TO...       Browse the hard drive for a folder to save your new thumbnail "
    "pictures.",
    "SET AUTO RENAME...       Choose the auto rename type that suites you. Type the renaming "
    "character that you want to use in the 'Char:' window.",
    "SET FILE TYPE...       Choose the file type for your new thumbnail pictures. When using "
    "'Jpg' type files you can set the quality up to 100%.",
    "SET SIZE...       Set the size of your new thumbnail pictures. You can preview the "
    "thumbnail size before processing.",
    "CHOOSE OPTIONS...       Set different thumbnail processing options. Use the don't "
    "overwrite pictures, save pictures in same location and auto picture landscape options to "
    "help with processing.",
    "START PROCESSING...       Click the start processing thumbnails button to start creating "
    "your new thumbnail pictures!",
};

// The bubble's place for each step: its left edge at the centre of one control (shifted),
// plus an offset; its top edge below the top of another. All from the window's own edges.
struct Placement {
    TipAnchor across;
    int centreShift;
    TipAnchor down;
    int belowTop;
    int leftOffset;
};

constexpr std::array<Placement, FrmResizeTips::kSteps> kPlacements{{
    {TipAnchor::Frame9, 0, TipAnchor::Frame9, 4800, -450},
    {TipAnchor::cmdProcess, -300, TipAnchor::Frame8, 4800, 4700},
    {TipAnchor::Frame3, -400, TipAnchor::Frame3, 4750, 5100},
    {TipAnchor::Frame1, -1800, TipAnchor::Frame1, 4900, 5000},
    {TipAnchor::Frame9, 0, TipAnchor::Frame9, 4800, 3000},
    {TipAnchor::Frame9, 0, TipAnchor::Frame9, 4800, 5800},
    {TipAnchor::Frame9, 0, TipAnchor::Frame9, 4800, 5050},
}};

}  // namespace

FrmResizeTips::FrmResizeTips(TipsHost& host, platform::EventLoop& loop, options::Settings& settings)
    : host_(host), settings_(settings), timerTip(loop, 1000) {
    timerTip.onTick([this] { timerTip_Timer(); });
}

QString FrmResizeTips::tipText(qint16 step) {
    if (step < 1 || step > kSteps) {
        return {};
    }
    return QString::fromLatin1(kTipTexts[static_cast<std::size_t>(step - 1)]);
}

QPoint FrmResizeTips::placement(qint16 step) const {
    const Placement& row = kPlacements[static_cast<std::size_t>(step - 1)];
    const QRect across = host_.tipAnchorTwips(row.across);
    const QRect down = host_.tipAnchorTwips(row.down);
    const auto horizontal = std::lround(across.left() + across.width() / 2.0 + row.centreShift);
    const int vertical = down.top() + row.belowTop;
    const QPoint window = host_.tipWindowTwips();
    return {window.x() + static_cast<int>(horizontal) + row.leftOffset, window.y() + vertical};
}

void FrmResizeTips::subRunTips() {
    if (indTips_ != 1 || host_.tipWindowLoading()) {
        return;
    }
    host_.showBubble();
    timerTip.setEnabled(false);
    if (showing(indTipNumber_)) {
        text_ = tipText(indTipNumber_);
        host_.placeBubble(placement(indTipNumber_));
        ++indTipNumber_;
    }
    timerTip.setEnabled(true);
}

void FrmResizeTips::runStep(qint16 step) {
    // Loading the options sets the naming boxes and the type buttons, whose handlers are
    // steps of the guide: that is no action of the user.
    if (indTips_ != 1 || host_.tipWindowLoading()) {
        return;
    }
    indTipNumber_ = step;
    subRunTips();
}

void FrmResizeTips::runAtStep(qint16 step) {
    if (indTips_ == 1 && indTipNumber_ == step) {
        subRunTips();
    }
}

void FrmResizeTips::hover(qint16 step, QPoint pos) {
    if (indTips_ != 1 || host_.bubbleVisible() || !showing(step)) {
        return;
    }
    if (step == 1 && host_.tipChooserOpen()) {
        return;
    }
    // A pointer passing over on its way elsewhere moves along both axes; one that rests or
    // follows an edge asks for the tip.
    if (pos.x() != lastPointer_.x() && pos.y() != lastPointer_.y()) {
        lastPointer_ = pos;
        return;
    }
    timerTip.setEnabled(false);
    text_ = tipText(step);
    host_.placeBubble(placement(step));
    timerTip.setEnabled(true);
}

void FrmResizeTips::timerTip_Timer() {
    timerTip.setEnabled(false);
    // Tips switched off, a run or a loading window since the tip was armed: nothing to show.
    if (indTips_ != 1 || host_.tipRunInProgress() || host_.tipWindowLoading()) {
        return;
    }
    host_.showBubble();
}

void FrmResizeTips::subHideTipBubble() {
    timerTip.setEnabled(false);
    host_.hideBubble();
}

void FrmResizeTips::switchOff() {
    indTips_ = 0;
    settings_.write(options::kTips, QStringLiteral("0"));
    subHideTipBubble();
}

void FrmResizeTips::switchOn() {
    indTips_ = 1;
    settings_.write(options::kTips, QStringLiteral("1"));
    indTipNumber_ = 1;
    subRunTips();
}
