// SPDX-License-Identifier: MIT
#include "engine/file_write.h"
#include "platform/real_platform.h"
#include "startup/startup_sequence.h"
#include "ui/artwork.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvelxp"));
    // Every top-level window (main window, picker, message boxes) takes this icon, and the
    // desktop matches the windows to the installed entry by its id.
    QApplication::setWindowIcon(ui::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVEL_APP_ID));
    // The main window ends the program itself, once its options are saved: a close that comes
    // while a run tick waits in a pause must not leave the loops under that tick, and nothing
    // of ours is on screen for the first seconds while the splash program plays.
    QApplication::setQuitOnLastWindowClosed(false);
    // Toolbar symbols follow the desktop's icon theme where it has them.
    ui::setDefaultIconSource(ui::IconSource::DesktopTheme);
    // A thumbnail being written when the program is stopped leaves no temporary file behind.
    engine::removeTemporaryFilesOnSignals();
    platform::RealPlatform desktop(QStringLiteral("corvelxp"));
    startup::StartupSequence sequence(desktop.services());
    sequence.Main();
    return QApplication::exec();
}
