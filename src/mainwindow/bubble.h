// SPDX-License-Identifier: MIT
#pragma once

#include "platform/timer.h"
#include "ui/picture_box.h"
#include "ui/twips.h"

#include <QImage>
#include <QLabel>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <functional>

// The region of a shaped window cut from its mask picture: every run of pixels in a row that
// are not of the transparent colour (the colour of the top-left pixel) becomes a rectangle
// one pixel high. An empty or null picture gives an empty region.
QRegion maskRegion(const QImage& mask);

// The helper tip bubble: a small borderless window, shaped like a dark bar with an arrow at
// its lower left, in which the tip text runs as a ticker, and a red "X" that hides it. It is
// a top-level of its own with its owner as transient parent (so disabling the owner leaves
// it alone), has no task-bar entry and never takes the keyboard focus. Closing only hides it.
class Bubble : public QWidget {
  public:
    // `tipText` is read by the ticker every 100 ms: the owner's shared tip text. `closed`
    // runs when the user closes the bubble with its "X".
    Bubble(QWidget* owner, platform::EventLoop& loop, const ui::Twips& twips,
           std::function<QString()> tipText, std::function<void()> closed = {});

    // Places the top left corner, in twips of the screen.
    void placeAt(int leftTwips, int topTwips);
    // Shows the bubble without activating it; places it over its owner when that is shown.
    void showTip();

    // The ticker's tick: the tip text, ten spaces, rotated by one character.
    void Timer1_Timer();
    void Label2_Click();

    ui::PictureBox* Picture2 = nullptr;  // the bar
    QLabel* Label1 = nullptr;            // the running text
    QLabel* Label2 = nullptr;            // "X"
    ui::PictureBox* Picture1 = nullptr;  // the outline mask, hidden
    platform::Timer Timer1;

    // The scroll position of the ticker, kept across text changes.
    float scrollPosition() const { return scroll_; }

  private:
    void Form_Load();

    QWidget* owner_;
    const ui::Twips& twips_;
    std::function<QString()> tipText_;
    std::function<void()> closed_;
    float scroll_ = 0;
};
