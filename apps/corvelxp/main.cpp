// SPDX-License-Identifier: MIT
#include "mainwindow/frm_resize.h"
#include "picker/picker_host.h"
#include "platform/real_platform.h"
#include "ui/artwork.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvelxp"));
    // Every top-level window (main window, picker, message boxes) takes this icon, and the
    // desktop matches the windows to the installed entry by its id.
    QApplication::setWindowIcon(ui::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVEL_APP_ID));
    // The main window ends the program itself, once its options are saved; a close that
    // comes while a run tick waits in a pause must not leave the loops under that tick.
    QApplication::setQuitOnLastWindowClosed(false);
    // Toolbar symbols follow the desktop's icon theme where it has them.
    ui::setDefaultIconSource(ui::IconSource::DesktopTheme);
    platform::RealPlatform desktop(QStringLiteral("corvelxp"));
    FrmResize frmResize(desktop.services());
    installPicker(frmResize);
    frmResize.Form_Load();
    if (frmResize.programEnded()) {
        return 0;
    }
    return QApplication::exec();
}
