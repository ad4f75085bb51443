// SPDX-License-Identifier: MIT
#include "startup/frm_splash.h"

#include "launcher/addresses.h"
#include "launcher/launcher.h"
#include "startup/pause.h"
#include "startup/splash_program.h"
#include "theme/visual_theme.h"
#include "ui/controls.h"
#include "ui/image.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

#include <array>

namespace about {

QColor nextPlatformColour(const QColor& current) {
    static const std::array<QColor, 4> cycle{QColor(0, 0, 0), QColor(0, 128, 0),
                                             QColor(255, 128, 0), QColor(192, 0, 192)};
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        if (current.rgb() == cycle[i].rgb()) {
            return cycle[(i + 1) % cycle.size()];
        }
    }
    return current;
}

FrmSplash::FrmSplash(AboutHost& host_, platform::Services services_)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      host(host_),
      services(services_),
      twips(services_.screen),
      Timer2(services_.loop, 500) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Corvel Thumbnail Utility"));
    createControls();
    connectHandlers();
}

FrmSplash::~FrmSplash() = default;

void FrmSplash::connectHandlers() {
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdWeb, &QPushButton::clicked, this, [this] { cmdWeb_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    ui::onClick(Label6, [this] { Label6_Click(); });
    ui::onClick(lblPlatform, [this] { lblPlatform_Click(); });
    Timer2.onTick([this] { Timer2_Timer(); });
}

bool FrmSplash::Form_Load() {
    theme::applyVisualTheme(this);
    centreOnScreen();
    fitLogo();
    Pause(services.loop, 300);
    if (closing_) {
        return false;
    }
    const bool asAbout = host.aboutMode() == 1;
    buttonPanel->setVisible(asAbout);
    Text1->setVisible(asAbout);
    lblPlatform2->setVisible(asAbout);
    Timer2.setEnabled(true);

    // Owned by the main window on the desktop (kept above it, out of the task bar) without
    // being its Qt child, which disabling the main window would disable too.
    QWidget* owner = host.aboutOwner();
    if (owner != nullptr && owner->windowHandle() != nullptr) {
        winId();
        windowHandle()->setTransientParent(owner->windowHandle());
    }
    show();
    activateWindow();
    repaint();
    if (asAbout) {
        cmdOk->setFocus();
    }
    return isVisible();
}

void FrmSplash::centreOnScreen() {
    const int screenWidth = twips.twipsX(services.screen.widthPx());
    const int screenHeight = twips.twipsY(services.screen.heightPx());
    const int width = twips.width(this);
    const int height = twips.height(this);
    move(twips.pxX(screenWidth / 2 - width / 2), twips.pxY(screenHeight / 2 - height / 2));
}

void FrmSplash::fitLogo() {
    const int top = twips.top(lblCompanyProduct);
    const int left = twips.left(buttonPanel);
    twips.place(picLogo, left, top, twips.left(lblCompanyProduct) - 105 - left,
                twips.top(Label1) - 15 - top);
    twips.setTop(Label1, twips.top(picLogo) + twips.height(picLogo) + 15);
}

void FrmSplash::cmdOk_Click() {
    if (closing_) {
        return;
    }
    closing_ = true;
    hide();
    startup::startSplashProgram(services);
    host.aboutClosed();
    Form_Unload();
}

void FrmSplash::Form_Unload() {
    Timer2.setEnabled(false);
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    if (onUnloaded) {
        onUnloaded();
    }
}

void FrmSplash::reject() {
    cmdOk_Click();
}

void FrmSplash::closeEvent(QCloseEvent* event) {
    // Without a title bar the desktop can still close the window (Alt+F4): it leaves the way
    // OK does, so the main window is never left disabled.
    event->accept();
    cmdOk_Click();
}

void FrmSplash::cmdWeb_Click() {
    host.aboutLauncher().timerWeb.setEnabled(true);
}

void FrmSplash::Command2_Click() {
    host.aboutLauncher().mail();
}

void FrmSplash::Label6_Click() {
    host.aboutLauncher().mail();
}

void FrmSplash::lblPlatform_Click() {
    host.aboutLauncher().subOpenPage(launcher::kMakerHomePage);
}

void FrmSplash::Timer2_Timer() {
    QPalette palette = lblPlatform2->palette();
    palette.setColor(QPalette::WindowText, nextPlatformColour(palette.color(QPalette::WindowText)));
    lblPlatform2->setPalette(palette);
}

}  // namespace about
