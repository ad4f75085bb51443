// SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow/frm_resize.h"
#include "support/qt_printers.h"
#include "support/test_platform.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

// The start-up and about tests run on the test platform as a returning user (no new-user
// message, no tips), so the main window comes up without a box.
class StartupTest : public ::testing::Test {
  protected:
    using Kind = testing_support::RecordingShell::Kind;

    void SetUp() override {
        platform.store("PHT", "1");
        platform.store("Tips", "0");
    }
    void TearDown() override { platform.verifyAndReset(); }

    QString splashCommand() const { return platform.programFolder() + QStringLiteral("/glimmer"); }
    // How often the splash program was started, each check of its command line and style
    // included.
    int splashStarts() const {
        int starts = 0;
        for (const auto& call : platform.shell.calls) {
            if (call.kind == Kind::Command && call.text == splashCommand()) {
                EXPECT_EQ(call.style, platform::WindowStyle::MinimizedFocus);
                ++starts;
            }
        }
        return starts;
    }
    static int visibleWindows() {
        int shown = 0;
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            shown += widget->isVisible() ? 1 : 0;
        }
        return shown;
    }

    testing_support::TestPlatform platform;
};
