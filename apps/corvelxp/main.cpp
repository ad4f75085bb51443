#include "mainwindow/frm_resize.h"
#include "picker/picker_host.h"
#include "platform/real_platform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvelxp"));
    platform::RealPlatform desktop(QStringLiteral("corvelxp"));
    FrmResize frmResize(desktop.services());
    installPicker(frmResize);
    frmResize.Form_Load();
    if (frmResize.programEnded()) {
        return 0;
    }
    return QApplication::exec();
}
