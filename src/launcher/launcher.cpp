// SPDX-License-Identifier: MIT
// The web, help and mail actions, and the finishing step of a browser search.
#include "launcher/launcher.h"

#include "engine/file_replace.h"
#include "launcher/addresses.h"
#include "launcher/frm_search.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

using namespace launcher;

namespace {

const QString kWebApp = QStringLiteral("WebPath");
const QString kWebSection = QStringLiteral("Path");
const QString kBrowserKey = QStringLiteral("Browser");
const QString kNoEntry = QStringLiteral("0");
const QString kNoBrowser = QStringLiteral("No Browser");

// The browsers the search looks for, as the messages name them.
const QString kSearchedBrowsers =
    QStringLiteral("This program only searches for Firefox or Chromium Internet browsers.");

QString makerLine() {
    return QStringLiteral("\nBrindle Software: ") + kMakerHomePage;
}

}  // namespace

Launcher::Launcher(LauncherHost& launcherHost, platform::Services platformServices)
    : host(launcherHost),
      services(platformServices),
      timerFinish(services.loop, 50),
      timerWeb(services.loop, 500) {
    timerFinish.onTick([this] { timerFinish_Timer(); });
    timerWeb.onTick([this] { timerWeb_Timer(); });
}

Launcher::~Launcher() {
    // Windows closed but not deleted yet go with their owner.
    for (const QPointer<FrmSearch>& closed : retired_) {
        delete closed.data();
    }
}

QString Launcher::browserEntry() const {
    return services.store.get(kWebApp, kWebSection, kBrowserKey, kNoEntry);
}

void Launcher::storeBrowserEntry(const QString& value) {
    services.store.set(kWebApp, kWebSection, kBrowserKey, value);
}

// ---- web pages --------------------------------------------------------------------------------

bool Launcher::runBrowser(const QString& browser, const QString& address) {
    // The program path first, unquoted, as the entry stores it; one space; the address.
    return services.shell.startCommand(browser + QLatin1Char(' ') + address,
                                       platform::WindowStyle::NormalFocus);
}

void Launcher::subOpenPage(const QString& address) {
    search.indFound = 0;
    const QString entry = browserEntry();
    if (entry == kNoBrowser) {
        const platform::Answer again = services.dialogs.message(
            QStringLiteral("No internet browser was found on your last attempt to connect to "
                           "Brindle Software's web page! ") +
                kSearchedBrowsers +
                QStringLiteral(" Do you want to try connecting to the web page again?") +
                makerLine(),
            QStringLiteral("Confirm Search"), platform::Icon::Question, platform::Buttons::YesNo);
        if (again != platform::Answer::Yes) {
            services.dialogs.message(
                kSearchedBrowsers +
                    QStringLiteral(" If you are using another browser you can locate our page:") +
                    makerLine(),
                QStringLiteral("Browser Information"), platform::Icon::Information);
            return;
        }
    } else if (runBrowser(entry == kNoEntry ? kFixedBrowsers.first() : entry, address)) {
        return;
    }
    if (!startSearch()) {
        storeBrowserEntry(kNoBrowser);
        showNoBrowser(QStringLiteral("Browser Search Error 2"));
    }
}

void Launcher::timerWeb_Timer() {
    timerWeb.setEnabled(false);
    subOpenPage(kSisterHomePage);
}

void Launcher::subFixedBrowserPage(const QString& address) {
    for (const QString& browser : kFixedBrowsers) {
        if (runBrowser(browser, address)) {
            return;
        }
    }
    services.dialogs.message(
        QStringLiteral("No program to show web pages was found. You can open the page in your "
                       "browser yourself:\n") +
            address,
        QStringLiteral("Browser Information"), platform::Icon::Information);
}

void Launcher::onlineHelp() {
    subFixedBrowserPage(kSisterHowTo);
}

void Launcher::logoPage() {
    subFixedBrowserPage(kMakerHomePage);
}

// ---- help and mail ----------------------------------------------------------------------------

QString Launcher::helpPagePath() const {
    const QString beside = services.programFolder + QLatin1Char('/') + kHelpPage;
    const QString installed = QDir::cleanPath(
        services.programFolder + QStringLiteral("/" CORVEL_DATA_FROM_BIN "/") + kHelpPage);
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed)) {
        return installed;
    }
    return beside;
}

void Launcher::helpFile() {
    host.showHelpPressed();
    const QString page = helpPagePath();
    // The desktop's document opener shows the page in the user's browser.
    if (!services.shell.openDocument(page)) {
        services.dialogs.message(QStringLiteral("The help file ") + page +
                                     QStringLiteral("\nis corrupt or not in the correct location!"),
                                 QStringLiteral("File Read Error 2"), platform::Icon::Critical);
    }
}

void Launcher::mail() {
    // No space after the scheme: "mailto: address" is no address at all for the opener.
    if (!services.shell.openDocument(QStringLiteral("mailto:") + kMakerMail)) {
        services.dialogs.message(
            QStringLiteral("E-Mail program not found! You can send information to ") + kMakerMail,
            QStringLiteral("Program Location Error"), platform::Icon::Critical);
    }
}

// ---- the browser locator ----------------------------------------------------------------------

bool Launcher::startSearch() {
    if (window_) {
        return true;
    }
    if (services.volumes.list().isEmpty()) {
        return false;
    }
    search.indFound = 0;
    loadSearchWindow();
    return true;
}

void Launcher::loadSearchWindow() {
    if (window_) {
        return;
    }
    window_ = std::make_unique<FrmSearch>(*this, services);
    // The window may close inside its own load; it then lives on until deleted later.
    FrmSearch* loading = window_.get();
    loading->Form_Load();
}

void Launcher::searchWindowUnloaded() {
    if (!window_) {
        return;
    }
    std::erase_if(retired_, [](const QPointer<FrmSearch>& closed) { return closed.isNull(); });
    // Its scans may still be on the stack: deleted once they have returned.
    FrmSearch* closed = window_.release();
    retired_.emplace_back(closed);
    closed->deleteLater();
}

void Launcher::showNoBrowser(const QString& title) {
    services.dialogs.message(
        QStringLiteral("The internet browser program is not installed, corrupt or not in the "
                       "correct location! ") +
            kSearchedBrowsers + makerLine(),
        title, platform::Icon::Critical);
}

bool Launcher::startSisterViewer() {
    const QString prefs = services.programFolder + QLatin1Char('/') + kPrefsFile;
    const QByteArray line = kMakerHomePage.toLatin1() + "\r\n";
    if (!engine::replaceFile(QFile::encodeName(prefs).toStdString(),
                             engine::Bytes(line.cbegin(), line.cend()))) {
        return false;
    }
    // Quoted: the program folder may hold spaces, and nothing follows the program.
    const QString viewer = services.programFolder + QLatin1Char('/') + kSisterViewer;
    return services.shell.startCommand(QLatin1Char('"') + viewer + QLatin1Char('"'),
                                       platform::WindowStyle::NormalFocus);
}

void Launcher::timerFinish_Timer() {
    timerFinish.setEnabled(false);
    if (host.hostEnded()) {
        return;
    }
    host.launcherWindow()->setEnabled(true);
    if (indFoundS == 1) {
        storeBrowserEntry(varFullPath1);
        if (runBrowser(varFullPath1, kMakerHomePage)) {
            return;
        }
    } else if (indFileAltS == 1) {
        storeBrowserEntry(varFullPath2);
        if (runBrowser(varFullPath2, kMakerHomePage)) {
            return;
        }
    }
    if (!startSisterViewer()) {
        storeBrowserEntry(kNoBrowser);
        showNoBrowser(QStringLiteral("Browser Search Error 4"));
    }
}
