// SPDX-License-Identifier: MIT
#include "glimmer/splash/frm_splash.h"
#include "platform/real_platform.h"

#include <QApplication>

// The splash program takes no arguments, reads and writes no settings and lets any number of
// copies run: it shows its window and ends by itself when the timeline is over.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("glimmer"));
    platform::RealPlatform desktop(QStringLiteral("glimmer"));
    glimmer::FrmSplash frmSplash(desktop.services());
    frmSplash.Form_Load();
    return QApplication::exec();
}
