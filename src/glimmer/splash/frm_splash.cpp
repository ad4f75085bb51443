// SPDX-License-Identifier: MIT
#include "glimmer/splash/frm_splash.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace glimmer {

namespace {

// The logo bar's tick stops at its maximum.
constexpr float kLogoMax = 180;

}  // namespace

FrmSplash::FrmSplash(platform::Services services_)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      onEndProgram([] { QCoreApplication::exit(0); }),
      services(services_),
      twips(services_.screen),
      Timer4(services_.loop),
      Timer22(services_.loop),
      Timer2(services_.loop),
      Timer1(services_.loop),
      Timer3(services_.loop),
      AlphaTrans(services_.loop) {
    buildControls();
    AlphaTrans.onTick([this] { AlphaTrans_Timer(); });
    Timer1.onTick([this] { Timer1_Timer(); });
    Timer2.onTick([this] { Timer2_Timer(); });
    Timer3.onTick([this] { Timer3_Timer(); });
    Timer22.onTick([this] { Timer22_Timer(); });
    Timer4.onTick([this] { Timer4_Timer(); });
}

FrmSplash::~FrmSplash() = default;

void FrmSplash::Form_Load() {
    OnTop(*this);
    placeOnScreen();
    AlphaTrans.setInterval(1);
    AlphaTrans.setEnabled(true);
}

void FrmSplash::placeOnScreen() {
    const int left = (services.screen.widthPx() - width()) / 2;
    const int top = (services.screen.heightPx() - height()) / 2;
    move(left, top);
}

void FrmSplash::AlphaTrans_Timer() {
    show();
}

void FrmSplash::Timer1_Timer() {
    bar[0]->setValue(bar[0]->value() + 5);
    bar[3]->setValue(bar[3]->value() + 5);
    bar[2]->setValue(bar[2]->value() + 5);
    // The bottom bar runs one step ahead of the top one.
    bar[1]->setValue(bar[3]->value() + 5);
    if (bar[0]->value() == 20) {
        LumenCommand1->show();
    }
    if (bar[3]->value() == 40) {
        Image1->show();
    }
    if (bar[3]->value() == 80) {
        lblCopyright->show();
        Image2->show();
    }
}

void FrmSplash::Timer2_Timer() {
    barlogo->setValue(barlogo->value() + 6);
    if (barlogo->value() == kLogoMax) {
        Timer2.setEnabled(false);
        imgLogo->show();
        lblLicenseTo->show();
        Timer22.setEnabled(true);
    }
}

void FrmSplash::Timer3_Timer() {
    // The name is typed only once the strip under the picture is up.
    if (!Image1->isVisible()) {
        return;
    }
    strProductName = QStringLiteral("Corvel Thumbnail Utility");
    lblProductName->show();
    if (incChars > 50) {
        incChars = 1;
    } else {
        ++incChars;
    }
    lblProductName->setCaption(strProductName.left(incChars));
}

void FrmSplash::Timer22_Timer() {
    Timer22.setEnabled(false);
    ShadowLabel3->show();
    ShadowLabel2->show();
    ShadowLabel1->show();
    Line1->show();
    Timer4.setEnabled(true);
}

void FrmSplash::Timer4_Timer() {
    Timer4.setEnabled(false);
    hide();
    cmdClose_Click();
}

void FrmSplash::cmdClose_Click() {
    ended_ = true;
    for (platform::Timer* timer : {&Timer4, &Timer22, &Timer2, &Timer1, &Timer3, &AlphaTrans}) {
        timer->setEnabled(false);
    }
    if (onEndProgram) {
        onEndProgram();
    }
}

void FrmSplash::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void OnTop(QWidget& window) {
    // Changing the flags of a shown window hides it: show it again as it was.
    const bool shown = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (shown) {
        window.show();
    }
}

}  // namespace glimmer
