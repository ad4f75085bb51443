// SPDX-License-Identifier: MIT
#include "platform/real_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTimer>
#include <QUrl>

#include <cmath>

namespace platform {

// ---- event loop ---------------------------------------------------------------------------

QtEventLoop::QtEventLoop() {
    clock_.start();
}

quint32 QtEventLoop::tickCount() const {
    return static_cast<quint32>(clock_.elapsed());
}

void QtEventLoop::doEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventLoop::runUntil(quint32 deadline) {
    doEvents();
    while (!tickPassed(tickCount(), deadline)) {
        const auto remaining = static_cast<qint32>(deadline - tickCount()) + 1;
        QEventLoop wait;
        QTimer::singleShot(std::max(remaining, 1), Qt::PreciseTimer, &wait, &QEventLoop::quit);
        wait.exec();
    }
}

EventLoop::TimerId QtEventLoop::startTimer(int intervalMs, Callback fire) {
    auto* timer = new QTimer(&timerOwner_);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(intervalMs);
    QObject::connect(timer, &QTimer::timeout, timer, std::move(fire));
    timer->start();
    timers_[++lastId_] = timer;
    return lastId_;
}

void QtEventLoop::stopTimer(TimerId id) {
    const auto it = timers_.find(id);
    if (it == timers_.end()) {
        return;
    }
    // The timer may be stopped from its own handler: delete it once that has returned.
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

// ---- dialogs ------------------------------------------------------------------------------

Answer QtDialogs::message(const QString& text, const QString& title, Icon icon, Buttons buttons) {
    static const std::map<Icon, QMessageBox::Icon> icons = {
        {Icon::None, QMessageBox::NoIcon},       {Icon::Information, QMessageBox::Information},
        {Icon::Question, QMessageBox::Question}, {Icon::Exclamation, QMessageBox::Warning},
        {Icon::Critical, QMessageBox::Critical},
    };
    QMessageBox box(
        icons.at(icon), title, text,
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        QApplication::activeWindow());
    const int result = box.exec();
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                               QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

void QtDialogs::beep() {
    QApplication::beep();
}

// ---- shell --------------------------------------------------------------------------------

bool DesktopShell::startCommand(const QString& commandLine, WindowStyle /*style*/) {
    // The window style is the started program's business on this desktop.
    const auto command = splitCommandLine(commandLine, isExecutableFile);
    return command && QProcess::startDetached(command->program, command->arguments);
}

bool DesktopShell::openDocument(const QString& documentOrAddress) {
    const auto url = documentUrl(documentOrAddress);
    return url && QDesktopServices::openUrl(*url);
}

bool DesktopShell::showFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

// ---- special folders ----------------------------------------------------------------------

QString XdgSpecialFolders::path(SpecialFolder folder) const {
    const QString path = QStandardPaths::writableLocation(folder == SpecialFolder::Documents
                                                              ? QStandardPaths::DocumentsLocation
                                                              : QStandardPaths::PicturesLocation);
    if (path.isEmpty() || !QFileInfo(path).isDir()) {
        return {};
    }
    return QDir::cleanPath(path);
}

// ---- screen -------------------------------------------------------------------------------

namespace {
int twipsPerPixel(qreal dotsPerInch) {
    if (dotsPerInch <= 0) {
        return 15;
    }
    return std::max(1, static_cast<int>(std::lround(1440.0 / dotsPerInch)));
}
}  // namespace

int QtScreen::twipsPerPixelX() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchX() : 96);
}

int QtScreen::twipsPerPixelY() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return twipsPerPixel(screen ? screen->logicalDotsPerInchY() : 96);
}

int QtScreen::widthPx() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

int QtScreen::heightPx() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 768;
}

// ---- volumes ------------------------------------------------------------------------------

QList<Volume> MountedVolumes::list() const {
    QList<Volume> volumes{{QStringLiteral("/"), QStorageInfo::root().name()}};
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
        const QString root = info.rootPath();
        const QByteArray type = info.fileSystemType();
        // Real file systems sit on a block device; snap images and the like are not drives.
        if (root == QLatin1String("/") || !info.isValid() || !info.isReady() ||
            !info.device().startsWith("/dev/") || type == "squashfs") {
            continue;
        }
        if (std::none_of(volumes.cbegin(), volumes.cend(),
                         [&](const Volume& v) { return v.root == root; })) {
            volumes.append({root, info.name()});
        }
    }
    return volumes;
}

// ---- the bundle ---------------------------------------------------------------------------

RealPlatform::RealPlatform(const QString& program)
    : store_(SettingsStore::defaultFolder()),
      instance_(LockFileInstanceGuard::defaultLockPath(program)),
      programFolder_(QCoreApplication::applicationDirPath()) {}

Services RealPlatform::services() {
    return Services{
        loop_,    dialogs_,          store_,        shell_, folders_, instance_, screen_,
        volumes_, PathStyle::host(), programFolder_};
}

}  // namespace platform
