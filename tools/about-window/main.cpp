// SPDX-License-Identifier: MIT
// corvel-about-window [MODE]: shows the thumbnail maker's about window on its own, opened with
// indAbout MODE (1, the about window, by default; 0, the bare title panel), for looking at it
// and taking screenshots under a display (xvfb-run will do):
//
//   xvfb-run -a build/tools/corvel-about-window 0
//
// OK, Escape or a close by the desktop ends it; the splash program and the web and mail
// actions go to the desktop as in the program.

#include "launcher/launcher.h"
#include "platform/real_platform.h"
#include "startup/about_host.h"
#include "startup/frm_splash.h"

#include <QApplication>
#include <QWidget>

namespace {

class StandAloneHost : public about::AboutHost, public LauncherHost {
  public:
    StandAloneHost(platform::Services services, qint16 mode) : web(*this, services), mode_(mode) {}
    QWidget* aboutOwner() override { return nullptr; }
    qint16 aboutMode() const override { return mode_; }
    Launcher& aboutLauncher() override { return web; }
    void aboutClosed() override { QCoreApplication::quit(); }
    QWidget* launcherWindow() override { return nullptr; }
    void showHelpPressed() override {}
    bool hostEnded() const override { return false; }

    Launcher web;

  private:
    qint16 mode_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvelxp"));
    const QStringList args = QApplication::arguments();
    const qint16 mode = args.size() > 1 && args[1] == QLatin1String("0") ? 0 : 1;
    platform::RealPlatform desktop(QStringLiteral("corvel-about-window"));
    StandAloneHost host(desktop.services(), mode);
    about::FrmSplash frmSplash(host, desktop.services());
    if (!frmSplash.Form_Load()) {
        return 1;
    }
    return QApplication::exec();
}
