// SPDX-License-Identifier: MIT
#pragma once

#include "launcher/launcher_host.h"
#include "platform/services.h"
#include "platform/timer.h"

#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class FrmSearch;

// The search window's flags. They outlive the window: closing and reopening it within one run
// of the program keeps them (16-bit, 0 or 1).
struct SearchFlags {
    qint16 quitSearching = 0;  // cancel requested
    qint16 indFileAlt = 0;     // an alternative browser has been recorded; never cleared
    qint16 indFound = 0;       // the search has ended; cleared before a new search
};

// The web, help and mail actions of the main window, with the browser locator they fall back
// on: the search window `frmSearch`, the finishing step `timerFinish` and the results the
// search hands back. The main window owns one for the whole run of the program.
class Launcher {
  public:
    Launcher(LauncherHost& host, platform::Services services);
    ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // ---- web, help and mail -------------------------------------------------------------------
    // Opens `address` with the stored browser, searching for one when there is none.
    void subOpenPage(const QString& address);
    // The sister product's home page with the stored browser, out of the about window's click.
    void timerWeb_Timer();
    // Help > "Help Online": the sister product's how-to page with a fixed browser.
    void onlineHelp();
    // The logo of the progress panel: the maker's home page with a fixed browser.
    void logoPage();
    // The toolbar's help image, the Help menu and the picker's help image: the help page.
    void helpFile();
    // A new mail message to the maker.
    void mail();

    // The help page: beside the executable, else where `make install` puts it; the first of
    // these when neither exists.
    QString helpPagePath() const;

    // ---- the browser locator ------------------------------------------------------------------
    // Clears the search-ended flag and loads the search window; false when there is no drive
    // to search. A second start while the window is open does nothing.
    bool startSearch();
    // Loads and shows the search window as it stands (a search that has ended closes at once).
    void loadSearchWindow();
    // The loaded search window, or null.
    FrmSearch* searchWindow() const { return window_.get(); }
    void timerFinish_Timer();

    // The stored browser: "0" (none yet), "No Browser" or a browser's full path.
    QString browserEntry() const;
    void storeBrowserEntry(const QString& value);

    LauncherHost& host;
    platform::Services services;

    // The finishing step of a search (50 ms, one shot) and the page action's timer (500 ms,
    // one shot), started by the about window.
    platform::Timer timerFinish;
    platform::Timer timerWeb;

    SearchFlags search;
    // What the search found, kept for the rest of the run.
    qint16 indFoundS = 0;
    QString varFullPath1;
    qint16 indFileAltS = 0;
    QString varFullPath2;

  private:
    friend class FrmSearch;
    // The search window has closed: it is deleted once the scans it may still be inside have
    // returned.
    void searchWindowUnloaded();
    // "The internet browser program is not installed..." under `title`.
    void showNoBrowser(const QString& title);
    bool runBrowser(const QString& browser, const QString& address);
    // prefs.txt for the sister viewer, then the viewer; false when either fails.
    bool startSisterViewer();
    void subFixedBrowserPage(const QString& address);

    std::unique_ptr<FrmSearch> window_;
    // Closed windows waiting for their deletion.
    std::vector<QPointer<FrmSearch>> retired_;
};
