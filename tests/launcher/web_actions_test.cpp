// SPDX-License-Identifier: MIT
// The page, online help, logo, help and mail actions.
#include "launcher_fixture.h"

namespace {

using platform::Answer;

const QString kXdgOpen = QStringLiteral("/usr/bin/xdg-open");
const QString kLocalXdgOpen = QStringLiteral("/usr/local/bin/xdg-open");

class WebActionsTest : public LauncherTest {};

TEST_F(WebActionsTest, AStoredBrowserGetsThePageAfterOneSpaceWithNoQuotes) {
    launcher->storeBrowserEntry("/opt/My Browser/web browser");
    launcher->timerWeb.setEnabled(true);
    platform.loop.advance(499);
    EXPECT_TRUE(commands().isEmpty());
    platform.loop.advance(1);
    EXPECT_EQ(commands(), QStringList{"/opt/My Browser/web browser https://kestrel.example.org/"});
    EXPECT_EQ(platform.shell.calls[0].style, platform::WindowStyle::NormalFocus);
    EXPECT_FALSE(launcher->timerWeb.enabled()) << "one shot";
    EXPECT_EQ(window(), nullptr);
}

TEST_F(WebActionsTest, NoBrowserStoredYetTriesTheFixedOpenerThenSearches) {
    addDrive("C");
    launcher->subOpenPage(launcher::kMakerHomePage);
    EXPECT_EQ(commands(), QStringList{kXdgOpen + " https://brindle.example.org/"});
    EXPECT_EQ(window(), nullptr);
    platform.verifyAndReset();

    platform.shell.scriptResults({false});
    launcher->subOpenPage(launcher::kMakerHomePage);
    EXPECT_EQ(commands(), QStringList{kXdgOpen + " https://brindle.example.org/"})
        << "only the first fixed path";
    EXPECT_NE(window(), nullptr) << "the search starts";
    EXPECT_EQ(entry(), "0");
}

TEST_F(WebActionsTest, AStoredBrowserThatWillNotStartStartsASearch) {
    addDrive("C");
    launcher->search.indFound = 1;  // an earlier search was cancelled
    launcher->storeBrowserEntry("/gone/firefox");
    platform.shell.scriptResults({false});
    launcher->subOpenPage(launcher::kSisterHomePage);
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(launcher->search.indFound, 0);
}

TEST_F(WebActionsTest, NoBrowserAnsweredNoExplainsAndStartsNothing) {
    addDrive("C");
    launcher->storeBrowserEntry("No Browser");
    platform.dialogs.answer(Answer::No, "Confirm Search");
    launcher->subOpenPage(launcher::kSisterHomePage);
    ASSERT_EQ(platform.dialogs.titles(), (QStringList{"Confirm Search", "Browser Information"}));
    const auto& ask = platform.dialogs.shown[0];
    EXPECT_EQ(ask.text,
              "No internet browser was found on your last attempt to connect to Brindle "
              "Software's web page! This program only searches for Firefox or Chromium Internet "
              "browsers. Do you want to try connecting to the web page again?\nBrindle "
              "Software: https://brindle.example.org/");
    EXPECT_EQ(ask.icon, platform::Icon::Question);
    EXPECT_EQ(ask.buttons, platform::Buttons::YesNo);
    const auto& info = platform.dialogs.shown[1];
    EXPECT_EQ(info.text,
              "This program only searches for Firefox or Chromium Internet browsers. If you are "
              "using another browser you can locate our page:\nBrindle Software: "
              "https://brindle.example.org/");
    EXPECT_EQ(info.icon, platform::Icon::Information);
    EXPECT_TRUE(platform.shell.calls.empty());
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(entry(), "No Browser");
}

TEST_F(WebActionsTest, NoBrowserAnsweredYesSearchesAgain) {
    const QString root = addDrive("C");
    const QString browser = makeProgram(root + "/bin/firefox");
    launcher->storeBrowserEntry("No Browser");
    platform.dialogs.answer(Answer::Yes, "Confirm Search");
    launcher->subOpenPage(launcher::kSisterHomePage);
    EXPECT_TRUE(platform.shell.calls.empty());
    ASSERT_NE(window(), nullptr);
    platform.loop.advance(1000);
    // A search ends on the maker's home page, whichever page was asked for.
    EXPECT_EQ(commands(), QStringList{homePageWith(browser)});
    EXPECT_EQ(entry(), browser);
}

TEST_F(WebActionsTest, OnlineHelpAndTheLogoUseTheFixedOpenersOnly) {
    launcher->storeBrowserEntry("/opt/stored/browser");
    launcher->onlineHelp();
    EXPECT_EQ(commands(), QStringList{kXdgOpen + " https://kestrel.example.org/howto.htm"});
    platform.verifyAndReset();

    // Only on the second path.
    platform.shell.scriptResults({false, true});
    launcher->logoPage();
    EXPECT_EQ(commands(), (QStringList{kXdgOpen + " https://brindle.example.org/",
                                       kLocalXdgOpen + " https://brindle.example.org/"}));
    EXPECT_TRUE(platform.dialogs.shown.empty());
    EXPECT_EQ(entry(), "/opt/stored/browser");
}

TEST_F(WebActionsTest, OnlineHelpWithNoOpenerNamesThePage) {
    addDrive("C");
    platform.shell.scriptResults({false, false});
    launcher->onlineHelp();
    ASSERT_EQ(platform.dialogs.titles(), QStringList{"Browser Information"});
    EXPECT_TRUE(platform.dialogs.shown[0].text.endsWith("\nhttps://kestrel.example.org/howto.htm"));
    EXPECT_EQ(window(), nullptr) << "these actions never search";
    EXPECT_EQ(entry(), "0");
}

class HelpPageTest : public LauncherTest {
  protected:
    // A program folder laid out as installed: <prefix>/bin beside <prefix>/share/corvel.
    void useProgramFolder(const QString& folder) {
        auto services = platform.services();
        services.programFolder = folder;
        launcher = std::make_unique<Launcher>(host, services);
    }
};

TEST_F(HelpPageTest, TheHelpPageIsFoundBesideTheProgramElseWhereItIsInstalled) {
    const QString bin = platform.makeFolder("prefix/bin");
    const QString share = platform.makeFolder("prefix/share/corvel");
    useProgramFolder(bin);
    EXPECT_EQ(launcher->helpPagePath(), bin + "/Corvel.html") << "neither: the first place";
    testing_support::writeFile(share + "/Corvel.html", "<html></html>");
    EXPECT_EQ(launcher->helpPagePath(), share + "/Corvel.html");
    testing_support::writeFile(bin + "/Corvel.html", "<html></html>");
    EXPECT_EQ(launcher->helpPagePath(), bin + "/Corvel.html");
}

TEST_F(HelpPageTest, HelpOpensThePageWithThePressedLookFirst) {
    launcher->helpFile();
    EXPECT_EQ(host.helpPressed, 1);
    EXPECT_EQ(documents(), QStringList{platform.programFolder() + "/Corvel.html"});
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(HelpPageTest, AHelpPageThatCannotBeOpenedIsReported) {
    platform.shell.scriptResults({false});
    launcher->helpFile();
    ASSERT_EQ(platform.dialogs.titles(), QStringList{"File Read Error 2"});
    EXPECT_EQ(platform.dialogs.shown[0].text, "The help file " + platform.programFolder() +
                                                  "/Corvel.html\nis corrupt or not in the "
                                                  "correct location!");
    EXPECT_EQ(platform.dialogs.shown[0].icon, platform::Icon::Critical);
}

TEST_F(WebActionsTest, MailOpensANewMessageToTheMaker) {
    launcher->mail();
    EXPECT_EQ(documents(), QStringList{"mailto:corvel@brindle.example.org"});
    EXPECT_TRUE(platform.dialogs.shown.empty());

    platform.verifyAndReset();
    platform.shell.scriptResults({false});
    launcher->mail();
    ASSERT_EQ(platform.dialogs.titles(), QStringList{"Program Location Error"});
    EXPECT_EQ(platform.dialogs.shown[0].text,
              "E-Mail program not found! You can send information to corvel@brindle.example.org");
    EXPECT_EQ(platform.dialogs.shown[0].icon, platform::Icon::Critical);
}

TEST_F(WebActionsTest, OurAddressesAreOnReservedExampleDomains) {
    for (const QString& address : {launcher::kMakerHomePage, launcher::kSisterHomePage,
                                   launcher::kSisterHowTo, "mailto:" + launcher::kMakerMail}) {
        const QUrl url(address, QUrl::StrictMode);
        ASSERT_TRUE(url.isValid()) << address.toStdString();
        const QString host = url.scheme() == "mailto" ? url.path().section('@', 1) : url.host();
        EXPECT_TRUE(host == "example.org" || host.endsWith(".example.org"))
            << address.toStdString();
    }
    EXPECT_EQ(QUrl(launcher::kSisterHowTo).path(), "/howto.htm");
}

}  // namespace
