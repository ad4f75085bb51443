// SPDX-License-Identifier: MIT
// The browser search window: drive steps, the folder scan, Cancel, and the finishing step.
#include "launcher_fixture.h"

#include "support/widget_input.h"
#include "ui/folder_lists.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <unistd.h>

using testing_support::click;

namespace {

const QString kNoBrowser = QStringLiteral("No Browser");

class SearchTest : public LauncherTest {
  protected:
    // Every folder the folder list moved to while searching, in order.
    QStringList visited;
    // Runs `action` once, when the folder list reaches `folder`, from inside the scan (as the
    // events the scan lets run after each folder).
    void whenScanReaches(const QString& folder, std::function<void()> action) {
        pending_ = {folder, std::move(action)};
    }
    bool start() {
        if (!launcher->startSearch()) {
            return false;
        }
        if (FrmSearch* searching = window()) {
            QObject::connect(searching->Dir1, &ui::DirList::pathChanged, searching,
                             [this](const QString& path) {
                                 visited.append(path);
                                 if (pending_.action && path == pending_.folder) {
                                     platform.loop.after(0, std::exchange(pending_.action, {}));
                                 }
                             });
        }
        return true;
    }
    void runSearch(quint32 ms = 10'000) {
        ASSERT_TRUE(start());
        platform.loop.advance(ms);
    }

  private:
    struct Pending {
        QString folder;
        std::function<void()> action;
    } pending_;
};

TEST_F(SearchTest, WindowIsLaidOutAndPlacedNearTheMainWindowsTopRight) {
    addDrive("C");
    ASSERT_TRUE(start());
    FrmSearch* searching = window();
    ASSERT_NE(searching, nullptr);
    EXPECT_TRUE(searching->isVisible());
    EXPECT_EQ(searching->windowTitle(), "SEARCHING FOR BROWSER");
    EXPECT_FALSE(searching->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(searching->Text3->text(),
              "Currently Searching Drive: " + platform.volumes.volumes[0].root);
    EXPECT_TRUE(searching->Text3->isReadOnly());
    EXPECT_EQ(searching->cmdCancel->text(), "&Cancel");
    EXPECT_TRUE(searching->cmdCancel->font().bold());
    // 15 twips per pixel: Dir1 at 120,240 (3015 x 2010), Text3 at 480,2280, Cancel at 480,2640.
    EXPECT_EQ(searching->Dir1->geometry(), QRect(8, 16, 201, 134));
    EXPECT_EQ(searching->Text3->geometry(), QRect(32, 152, 153, 19));
    EXPECT_EQ(searching->cmdCancel->geometry(), QRect(32, 176, 153, 25));
    // The main window's right edge (its frame's) is well inside the 1024 px screen: left is
    // that edge - 2000 twips, top the main window's top - 300 twips.
    const QRect main = host.window.frameGeometry();
    EXPECT_EQ(searching->pos(), QPoint(qRound(((main.right() + 1) * 15 - 2000) / 15.0),
                                       qRound((main.top() * 15 - 300) / 15.0)));
    EXPECT_TRUE(searching->Timer2.enabled());
    EXPECT_EQ(searching->Timer2.interval(), 600);
    EXPECT_EQ(searching->Timer1.interval(), 500);
}

TEST_F(SearchTest, WindowNearTheScreensRightEdgeOrTopIsKeptOnTheScreen) {
    addDrive("C");
    host.window.setGeometry(700, 10, 300, 200);  // right edge 1000 px of 1024, top 150 twips
    ASSERT_TRUE(start());
    EXPECT_EQ(window()->pos(), QPoint(qRound((1024 * 15 - FrmSearch::kWidth) / 15.0), 1));
}

TEST_F(SearchTest, PrimaryBrowserInTheFirstRootEndsTheSearchAtOnce) {
    const QString root = addDrive("C");
    const QString browser = makeProgram(root + "/firefox");
    addDrive("D");
    ASSERT_TRUE(start());
    platform.loop.advance(499);
    EXPECT_NE(window(), nullptr) << "the first drive step comes after 500 ms";
    platform.loop.advance(1);
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(launcher->indFoundS, 1);
    EXPECT_EQ(launcher->varFullPath1, browser);
    EXPECT_TRUE(commands().isEmpty()) << "the finishing step runs 50 ms later";
    platform.loop.advance(50);
    EXPECT_EQ(commands(), QStringList{homePageWith(browser)});
    EXPECT_EQ(entry(), browser);
    EXPECT_FALSE(launcher->timerFinish.enabled());
    platform.loop.advance(5000);
    EXPECT_EQ(platform.shell.calls.size(), 1u) << "drive D is never searched";
}

TEST_F(SearchTest, OnlyTheAlternativeOnTheFirstDriveAndNoSecondDriveStartsTheAlternative) {
    const QString root = addDrive("C");
    const QString alternative = makeProgram(root + "/opt/web/chromium");
    addMissingDrive("D");
    ASSERT_TRUE(start());
    platform.loop.advance(500);
    EXPECT_EQ(launcher->indFileAltS, 1);
    EXPECT_EQ(launcher->varFullPath2, alternative);
    ASSERT_NE(window(), nullptr) << "drive D is still to be tried";
    EXPECT_EQ(window()->Text3->text(),
              "Currently Searching Drive: " + platform.volumes.volumes[1].root);
    platform.loop.advance(550);
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(commands(), QStringList{homePageWith(alternative)});
    EXPECT_EQ(entry(), alternative);
    EXPECT_EQ(launcher->indFoundS, 0);
}

TEST_F(SearchTest, AnAlternativeMetFirstIsRecordedButThePrimaryWins) {
    const QString root = addDrive("C");
    const QString alternative = makeProgram(root + "/a/chromium");
    makeProgram(root + "/b/chromium");  // later ones are ignored
    const QString primary = makeProgram(root + "/c/deep/er/firefox");
    runSearch();
    EXPECT_EQ(launcher->varFullPath2, alternative);
    EXPECT_EQ(launcher->search.indFileAlt, 1);
    EXPECT_EQ(commands(), QStringList{homePageWith(primary)});
    EXPECT_EQ(entry(), primary);
}

TEST_F(SearchTest, FoldersAreSearchedDepthFirstByName) {
    const QString root = addDrive("C");
    for (const char* folder : {"b/y", "a/z", "a/x", "c"}) {
        QDir().mkpath(root + "/" + folder);
    }
    runSearch();
    EXPECT_EQ(visited, (QStringList{root, root + "/a", root + "/a/x", root + "/a/z", root + "/b",
                                    root + "/b/y", root + "/c"}));
}

TEST_F(SearchTest, CancelDuringTheScanStoresNothingAndStartsNothing) {
    const QString root = addDrive("C");
    QDir().mkpath(root + "/a/b");
    makeProgram(root + "/z/firefox");
    launcher->storeBrowserEntry("/old/browser");
    host.window.setEnabled(false);
    whenScanReaches(root + "/a/b", [this] { click(window()->cmdCancel); });
    ASSERT_TRUE(start());
    const QPointer<FrmSearch> searching = window();
    platform.loop.advance(500);
    EXPECT_EQ(window(), nullptr);
    EXPECT_FALSE(searching->isVisible());
    EXPECT_FALSE(visited.contains(root + "/z")) << "the cancel takes effect at the next folder";
    EXPECT_EQ(launcher->search.indFound, 1);
    EXPECT_EQ(launcher->search.quitSearching, 0);
    EXPECT_TRUE(host.window.isEnabled());
    platform.loop.advance(5000);
    EXPECT_TRUE(platform.shell.calls.empty());
    EXPECT_EQ(entry(), "/old/browser");
    EXPECT_EQ(launcher->indFoundS, 0);
}

TEST_F(SearchTest, ClosedDeepInsideNestedScansTheWindowIsDeletedOnlyLater) {
    const QString root = addDrive("C");
    QDir().mkpath(root + "/a/b/c");
    QDir().mkpath(root + "/a/b/d");
    whenScanReaches(root + "/a/b/c", [this] { click(window()->cmdCancel); });
    ASSERT_TRUE(start());
    const QPointer<FrmSearch> searching = window();
    platform.loop.advance(500);
    EXPECT_EQ(window(), nullptr);
    ASSERT_FALSE(searching.isNull()) << "its scans were still on the stack when it closed";
    EXPECT_FALSE(visited.contains(root + "/a/b/d"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(searching.isNull());
}

TEST_F(SearchTest, DesktopCloseCountsAsCancel) {
    const QString root = addDrive("C");
    addDrive("D");
    // Between drives: at once.
    ASSERT_TRUE(start());
    window()->close();
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(launcher->search.indFound, 1);
    platform.loop.advance(5000);
    EXPECT_TRUE(platform.shell.calls.empty());

    // During a scan: at its next folder.
    QDir().mkpath(root + "/a");
    makeProgram(root + "/z/firefox");
    whenScanReaches(root + "/a", [this] { window()->close(); });
    visited.clear();
    ASSERT_TRUE(start());
    platform.loop.advance(5000);
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(visited, (QStringList{root, root + "/a"}));
    EXPECT_TRUE(platform.shell.calls.empty());
}

TEST_F(SearchTest, NothingFoundAndNoViewerStoresNoBrowserAndReportsError4) {
    const QString root = addDrive("C");
    QDir().mkpath(root + "/usr/bin");
    addMissingDrive("D");
    platform.shell.scriptResults({false});  // no viewer in the program folder
    runSearch();
    EXPECT_EQ(window(), nullptr);
    const QString viewer = platform.programFolder() + "/kestrelview";
    EXPECT_EQ(commands(), QStringList{'"' + viewer + '"'});
    EXPECT_EQ(entry(), kNoBrowser);
    ASSERT_EQ(platform.dialogs.titles(), QStringList{"Browser Search Error 4"});
    const auto& box = platform.dialogs.shown[0];
    EXPECT_EQ(box.icon, platform::Icon::Critical);
    EXPECT_EQ(box.text,
              "The internet browser program is not installed, corrupt or not in the correct "
              "location! This program only searches for Firefox or Chromium Internet "
              "browsers.\nBrindle Software: https://brindle.example.org/");
}

TEST_F(SearchTest, NothingFoundHandsTheHomePageToTheSisterViewer) {
    addDrive("C");
    launcher->storeBrowserEntry("0");
    testing_support::writeFile(platform.programFolder() + "/prefs.txt", "an older address\r\n");
    runSearch();
    QFile prefs(platform.programFolder() + "/prefs.txt");
    ASSERT_TRUE(prefs.open(QIODevice::ReadOnly));
    EXPECT_EQ(prefs.readAll(), QByteArray("https://brindle.example.org/\r\n"));
    EXPECT_EQ(commands(), QStringList{'"' + platform.programFolder() + "/kestrelview\""});
    EXPECT_EQ(entry(), "0");
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(SearchTest, Error4WhenPrefsTxtCannotBeWritten) {
    addDrive("C");
    // A folder where the file should be: nothing can replace it.
    ASSERT_TRUE(QDir().mkpath(platform.programFolder() + "/prefs.txt"));
    runSearch();
    EXPECT_TRUE(platform.shell.calls.empty()) << "the viewer is not started without its file";
    EXPECT_EQ(entry(), kNoBrowser);
    EXPECT_EQ(platform.dialogs.titles(), QStringList{"Browser Search Error 4"});
}

TEST_F(SearchTest, AFailingBrowserStartFallsBackToTheSisterViewer) {
    const QString root = addDrive("C");
    const QString browser = makeProgram(root + "/firefox");
    platform.shell.scriptResults({false, true});
    runSearch();
    EXPECT_EQ(commands(), (QStringList{homePageWith(browser),
                                       '"' + platform.programFolder() + "/kestrelview\""}));
    EXPECT_EQ(entry(), browser) << "the entry names the browser found";
}

TEST_F(SearchTest, ReopeningAnEndedSearchClosesAtOnce) {
    const QString root = addDrive("C");
    ASSERT_TRUE(start());
    click(window()->cmdCancel);
    ASSERT_EQ(launcher->search.indFound, 1);
    makeProgram(root + "/firefox");
    launcher->loadSearchWindow();
    EXPECT_EQ(window(), nullptr);
    platform.loop.advance(5000);
    EXPECT_TRUE(platform.shell.calls.empty());
    // A new start clears the flag and searches again.
    runSearch();
    EXPECT_EQ(commands(), QStringList{homePageWith(root + "/firefox")});
}

TEST_F(SearchTest, TheThreeFlagsSurviveReopeningAndTheTextsStartEmpty) {
    const QString root = addDrive("C");
    const QString first = makeProgram(root + "/one/chromium");
    runSearch();
    ASSERT_EQ(launcher->varFullPath2, first);
    ASSERT_EQ(launcher->search.indFileAlt, 1);
    QFile::remove(first);
    makeProgram(root + "/two/chromium");
    ASSERT_TRUE(start());
    EXPECT_TRUE(window()->varAltPath.isEmpty());
    EXPECT_EQ(launcher->search.indFound, 0) << "cleared by the new start";
    platform.loop.advance(5000);
    EXPECT_EQ(launcher->varFullPath2, first) << "an alternative is recorded once per run";
    EXPECT_TRUE(visited.contains(root + "/two"));
}

TEST_F(SearchTest, AFolderThatCannotBeOpenedIsPassedOverForItsNextSibling) {
    const QString root = addDrive("C");
    QDir().mkpath(root + "/gone/sub");
    const QString browser = makeProgram(root + "/usr/bin/firefox");
    // "gone" is listed when the root is read and removed before the scan gets to it.
    QDir().mkpath(root + "/a");
    whenScanReaches(root + "/a", [&] { QDir(root + "/gone").removeRecursively(); });
    runSearch();
    EXPECT_FALSE(visited.contains(root + "/gone"));
    EXPECT_EQ(commands(), QStringList{homePageWith(browser)});
}

TEST_F(SearchTest, AnUnreadableFolderBeforeUsrDoesNotHideTheBrowser) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop the administrator";
    }
    const QString root = addDrive("C");
    QDir().mkpath(root + "/lost+found/x");
    QFile::setPermissions(root + "/lost+found", QFile::Permissions());
    const QString browser = makeProgram(root + "/usr/bin/firefox");
    runSearch();
    QFile::setPermissions(root + "/lost+found",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(commands(), QStringList{homePageWith(browser)});
}

TEST_F(SearchTest, LinkedFoldersAreNotFollowed) {
    const QString root = addDrive("C");
    const QString elsewhere = platform.makeFolder("elsewhere");
    makeProgram(elsewhere + "/firefox");
    QFile::link(elsewhere, root + "/browsers");
    QFile::link(root, root + "/loop");  // a loop back to the root
    QDir().mkpath(root + "/real");
    runSearch();
    EXPECT_EQ(visited, (QStringList{root, root + "/real"}));
    EXPECT_EQ(launcher->indFoundS, 0);
    EXPECT_EQ(commands(), QStringList{'"' + platform.programFolder() + "/kestrelview\""});
}

TEST_F(SearchTest, ALinkedBrowserFileCounts) {
    const QString root = addDrive("C");
    const QString real = makeProgram(platform.makeFolder("lib/firefox-esr") + "/firefox-esr");
    QDir().mkpath(root + "/usr/bin");
    QFile::link(real, root + "/usr/bin/firefox");
    QDir().mkpath(root + "/usr/a/firefox");  // a folder of that name is no browser
    runSearch();
    EXPECT_EQ(commands(), QStringList{homePageWith(root + "/usr/bin/firefox")});
}

TEST_F(SearchTest, EachDriveIsSearchedInTurnAndTheLastOneEndsTheSearch) {
    const QString c = addDrive("C");
    const QString d = addDrive("D");
    const QString e = addDrive("E");
    ASSERT_TRUE(start());
    EXPECT_EQ(window()->Text3->text(), "Currently Searching Drive: " + c);
    platform.loop.advance(500);
    EXPECT_EQ(window()->Text3->text(), "Currently Searching Drive: " + d);
    platform.loop.advance(500);
    EXPECT_EQ(window()->Text3->text(), "Currently Searching Drive: " + e);
    platform.loop.advance(500);
    EXPECT_EQ(window(), nullptr) << "no status for a drive after the last one";
    platform.loop.advance(50);
    EXPECT_EQ(commands(), QStringList{'"' + platform.programFolder() + "/kestrelview\""});
}

TEST_F(SearchTest, ASecondStartWhileSearchingDoesNothing) {
    const QString root = addDrive("C");
    QDir().mkpath(root + "/a");
    const QString browser = makeProgram(root + "/b/firefox");
    whenScanReaches(root + "/a", [this] { EXPECT_TRUE(launcher->startSearch()); });
    ASSERT_TRUE(start());
    FrmSearch* first = window();
    EXPECT_TRUE(launcher->startSearch());
    EXPECT_EQ(window(), first);
    platform.loop.advance(5000);
    EXPECT_EQ(commands(), QStringList{homePageWith(browser)});
}

TEST_F(SearchTest, NoDriveToSearch) {
    // The page action cannot start a search: Error 2.
    launcher->storeBrowserEntry("/gone/browser");
    platform.shell.scriptResults({false});
    launcher->subOpenPage(launcher::kMakerHomePage);
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(entry(), kNoBrowser);
    EXPECT_EQ(platform.dialogs.titles(), QStringList{"Browser Search Error 2"});
    platform.verifyAndReset();

    // The window itself cannot start one: Error 3, and the search counts as ended.
    launcher->storeBrowserEntry("0");
    launcher->loadSearchWindow();
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(entry(), kNoBrowser);
    EXPECT_EQ(launcher->search.indFound, 1);
    EXPECT_EQ(platform.dialogs.titles(), QStringList{"Browser Search Error 3"});
}

TEST_F(SearchTest, TheSearchStopsWhenTheProgramEnds) {
    const QString root = addDrive("C");
    QDir().mkpath(root + "/a");
    const QString browser = makeProgram(root + "/b/firefox");
    whenScanReaches(root + "/a", [this] { host.ended = true; });
    runSearch();
    EXPECT_EQ(window(), nullptr);
    EXPECT_FALSE(visited.contains(root + "/b"));
    EXPECT_TRUE(platform.shell.calls.empty());
}

}  // namespace
