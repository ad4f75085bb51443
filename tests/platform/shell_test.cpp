// SPDX-License-Identifier: MIT
#include "platform/shell.h"
#include "platform/real_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(dir.path() + "/My Programs"));
        program = dir.path() + "/My Programs/viewer";
        QFile file(program);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nexit 0\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // A plain file that is not executable is not a program.
        QFile plain(dir.path() + "/My");
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    }
    QTemporaryDir dir;
    QString program;
};

TEST_F(CommandLineTest, ProgramPathWithSpacesIsFoundBeforeItsArguments) {
    const auto split = platform::splitCommandLine(program + " http://example.test/a b",
                                                  platform::isExecutableFile);
    ASSERT_TRUE(split);
    EXPECT_EQ(split->program, program);
    EXPECT_EQ(split->arguments, (QStringList{"http://example.test/a", "b"}));
}

TEST_F(CommandLineTest, ShellMetacharactersStayLiteral) {
    const auto split = platform::splitCommandLine(program + " ; rm -rf $HOME `id` | cat > x",
                                                  platform::isExecutableFile);
    ASSERT_TRUE(split);
    EXPECT_EQ(split->arguments,
              (QStringList{";", "rm", "-rf", "$HOME", "`id`", "|", "cat", ">", "x"}));
}

TEST_F(CommandLineTest, QuotedProgramAndQuotedArguments) {
    const auto split = platform::splitCommandLine("\"" + program + "\" \"two words\" one",
                                                  platform::isExecutableFile);
    ASSERT_TRUE(split);
    EXPECT_EQ(split->program, program);
    EXPECT_EQ(split->arguments, (QStringList{"two words", "one"}));
}

TEST_F(CommandLineTest, MissingProgramIsReportedAsNotStarted) {
    EXPECT_FALSE(
        platform::splitCommandLine(dir.path() + "/nothing here", platform::isExecutableFile));
    EXPECT_FALSE(platform::splitCommandLine("", platform::isExecutableFile));
    platform::DesktopShell shell;
    EXPECT_FALSE(
        shell.startCommand(dir.path() + "/glimmer", platform::WindowStyle::MinimizedFocus));
    EXPECT_TRUE(shell.startCommand(program + " --flag", platform::WindowStyle::MinimizedFocus));
}

TEST_F(CommandLineTest, ShowingAFolderThatDoesNotExistFails) {
    platform::DesktopShell shell;
    EXPECT_FALSE(shell.showFolder(dir.path() + "/gone"));
    EXPECT_FALSE(shell.openDocument(dir.path() + "/gone.html"));
}

}  // namespace
