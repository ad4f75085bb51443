// SPDX-License-Identifier: MIT
#pragma once

#include "glimmer/controls/lumen_command.h"
#include "glimmer/controls/lumen_progress_bar.h"
#include "glimmer/controls/shadow_label.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "ui/image.h"
#include "ui/line.h"
#include "ui/twips.h"

#include <QPushButton>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

namespace glimmer {

// The splash program's only window: an animated title screen on a fixed timeline of timer
// ticks, which hides itself and ends the program about eight and a half seconds after it
// loaded. Nothing the user does changes the timeline. The controls carry the names the
// timeline is described with and take their settings from the stored layout
// (frm_splash.layout) through their property bags; the timers run on the loop of `services`,
// so a test drives the whole timeline on a virtual clock.
class FrmSplash : public QWidget {
  public:
    explicit FrmSplash(platform::Services services);
    ~FrmSplash() override;

    // Makes the window topmost, centres it and starts AlphaTrans, which shows it.
    void Form_Load();

    void AlphaTrans_Timer();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer22_Timer();
    void Timer4_Timer();
    void cmdClose_Click();

    // What ending the program does; the real one leaves the application's event loop. Every
    // timer is stopped before it runs, so nothing of the window runs after it.
    std::function<void()> onEndProgram;
    bool programEnded() const { return ended_; }

    platform::Services services;
    ui::Twips twips;

    // ---- controls, in the order the window defines them -------------------------------------
    LumenCommand* LumenCommand1 = nullptr;
    platform::Timer Timer4;
    platform::Timer Timer22;
    ShadowLabel* ShadowLabel1 = nullptr;
    ShadowLabel* ShadowLabel2 = nullptr;
    ShadowLabel* lblProductName = nullptr;
    ShadowLabel* lblLicenseTo = nullptr;
    ShadowLabel* lblCopyright = nullptr;
    QPushButton* cmdClose = nullptr;
    platform::Timer Timer2;
    platform::Timer Timer1;
    platform::Timer Timer3;
    platform::Timer AlphaTrans;
    std::array<LumenProgressBar*, 4> bar{};
    LumenProgressBar* barlogo = nullptr;
    ShadowLabel* ShadowLabel3 = nullptr;
    ui::Line* Line1 = nullptr;
    ui::Image* Image2 = nullptr;
    ui::Image* imgLogo = nullptr;
    ui::Image* Image1 = nullptr;

    // ---- window state -------------------------------------------------------------------------
    // How many characters of the product name lblProductName shows: 1 to 51, then 1 again.
    qint16 incChars = 0;
    QString strProductName;

  protected:
    // The window has no way to be closed: a close request from the window system is refused.
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void placeOnScreen();

    bool ended_ = false;
};

// Keeps `window` above all other windows.
void OnTop(QWidget& window);

}  // namespace glimmer
