// SPDX-License-Identifier: MIT
#pragma once

#include "launcher/addresses.h"
#include "launcher/frm_search.h"
#include "launcher/launcher.h"
#include "support/qt_printers.h"
#include "support/test_platform.h"

#include <QDir>
#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// The main window as the launcher sees it: a plain window, and a count of the help image's
// pressed looks.
class FakeLauncherHost : public LauncherHost {
  public:
    QWidget* launcherWindow() override { return &window; }
    void showHelpPressed() override { ++helpPressed; }
    bool hostEnded() const override { return ended; }

    QWidget window;
    int helpPressed = 0;
    bool ended = false;
};

// A launcher on the test platform, with temporary folders standing in for the drives.
class LauncherTest : public ::testing::Test {
  protected:
    using Kind = testing_support::RecordingShell::Kind;

    void SetUp() override {
        host.window.setGeometry(200, 150, 600, 400);
        host.window.show();
        platform.volumes.volumes.clear();
    }
    void TearDown() override { platform.verifyAndReset(); }

    // A folder standing for a mounted drive; it is searched in the order drives are added.
    QString addDrive(const QString& name) {
        const QString root = platform.makeFolder(QStringLiteral("drives/") + name);
        platform.volumes.volumes.append({root, name});
        return root;
    }
    // A drive that is listed but gone, as an unplugged disk.
    QString addMissingDrive(const QString& name) {
        const QString root = platform.home() + QStringLiteral("/drives/") + name;
        platform.volumes.volumes.append({root, name});
        return root;
    }
    // An executable file at `path`, its folders made on the way.
    static QString makeProgram(const QString& path) {
        QDir().mkpath(QFileInfo(path).path());
        testing_support::writeFile(path, "#!/bin/sh\nexit 0\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    FrmSearch* window() const { return launcher->searchWindow(); }
    QString entry() const { return launcher->browserEntry(); }
    // What was handed to the shell as `kind`, in order.
    QStringList shellTexts(Kind kind) const {
        QStringList texts;
        for (const auto& call : platform.shell.calls) {
            if (call.kind == kind) {
                texts.append(call.text);
            }
        }
        return texts;
    }
    QStringList commands() const { return shellTexts(Kind::Command); }
    QStringList documents() const { return shellTexts(Kind::Document); }
    static QString homePageWith(const QString& browser) {
        return browser + QLatin1Char(' ') + launcher::kMakerHomePage;
    }

    testing_support::TestPlatform platform;
    FakeLauncherHost host;
    std::unique_ptr<Launcher> launcher = std::make_unique<Launcher>(host, platform.services());
};
