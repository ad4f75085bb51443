// SPDX-License-Identifier: MIT
// Every text the actions hand the shell, through the desktop shell's own parsing: the recording
// shell takes any text, the real one splits command lines and reads addresses.
#include "launcher_fixture.h"

#include "platform/shell.h"

#include <QUrl>

namespace {

struct Expected {
    QString program;
    QStringList arguments;
};

class RealShellTest : public LauncherTest {
  protected:
    void SetUp() override {
        LauncherTest::SetUp();
        // Spaces wherever a user may have them: the program folder, a stored browser's
        // folder, a drive's mount point.
        programFolder = platform.makeFolder("Corvel Programs/bin");
        viewer = makeProgram(programFolder + "/kestrelview");
        helpPage = programFolder + "/Corvel.html";
        testing_support::writeFile(helpPage, "<html></html>");
        auto services = platform.services();
        services.programFolder = programFolder;
        launcher = std::make_unique<Launcher>(host, services);
    }

    // The real shell's reading of a command line; the fixed openers count as installed.
    static std::optional<platform::CommandLine> split(const QString& text) {
        return platform::splitCommandLine(text, [](const QString& path) {
            return platform::isExecutableFile(path) || launcher::kFixedBrowsers.contains(path);
        });
    }

    QString programFolder;
    QString viewer;
    QString helpPage;
};

TEST_F(RealShellTest, EveryCommandLineSplitsIntoTheProgramAndItsAddress) {
    const QString stored = makeProgram(platform.makeFolder("My Browsers") + "/firefox");
    const QString drive = addDrive("My Disk");
    const QString found = makeProgram(drive + "/Web Tools/firefox");
    std::vector<Expected> expected;

    launcher->storeBrowserEntry(stored);
    launcher->subOpenPage(launcher::kSisterHomePage);
    expected.push_back({stored, {launcher::kSisterHomePage}});

    launcher->storeBrowserEntry("0");
    launcher->subOpenPage(launcher::kMakerHomePage);
    expected.push_back({launcher::kFixedBrowsers[0], {launcher::kMakerHomePage}});

    platform.shell.scriptResults({true, false, true});
    launcher->onlineHelp();
    launcher->logoPage();
    expected.push_back({launcher::kFixedBrowsers[0], {launcher::kSisterHowTo}});
    expected.push_back({launcher::kFixedBrowsers[0], {launcher::kMakerHomePage}});
    expected.push_back({launcher::kFixedBrowsers[1], {launcher::kMakerHomePage}});

    ASSERT_TRUE(launcher->startSearch());
    platform.loop.advance(1000);
    expected.push_back({found, {launcher::kMakerHomePage}});

    // A search that finds nothing hands over to the sister viewer.
    launcher = std::make_unique<Launcher>(host, [&] {
        auto services = platform.services();
        services.programFolder = programFolder;
        return services;
    }());
    platform.volumes.volumes.clear();
    addDrive("Empty Disk");
    ASSERT_TRUE(launcher->startSearch());
    platform.loop.advance(1000);
    expected.push_back({viewer, {}});

    const QStringList texts = commands();
    ASSERT_EQ(texts.size(), static_cast<qsizetype>(expected.size()))
        << testing::PrintToString(texts);
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto command = split(texts[static_cast<qsizetype>(i)]);
        ASSERT_TRUE(command) << texts[static_cast<qsizetype>(i)].toStdString();
        EXPECT_EQ(command->program, expected[i].program);
        EXPECT_EQ(command->arguments, expected[i].arguments);
    }
}

TEST_F(RealShellTest, TheHelpPageAndTheMailAddressAreWhatTheDocumentOpenerOpens) {
    launcher->helpFile();
    launcher->mail();
    const QStringList texts = documents();
    ASSERT_EQ(texts.size(), 2);

    const auto page = platform::documentUrl(texts[0]);
    ASSERT_TRUE(page) << texts[0].toStdString();
    EXPECT_TRUE(page->isLocalFile());
    EXPECT_EQ(page->toLocalFile(), helpPage);

    const auto mail = platform::documentUrl(texts[1]);
    ASSERT_TRUE(mail) << texts[1].toStdString();
    EXPECT_EQ(mail->scheme(), "mailto");
    EXPECT_EQ(mail->path(), launcher::kMakerMail);
}

TEST_F(RealShellTest, TheFormsWrittenForTheOldDesktopWouldNotOpenHere) {
    // With the space, the address is no address, and no file of that name exists either.
    EXPECT_FALSE(platform::documentUrl("mailto: " + launcher::kMakerMail));
    // There is no help viewer program of that name, and the path would be split at its space.
    EXPECT_FALSE(split("WinHelp " + helpPage));
}

}  // namespace
