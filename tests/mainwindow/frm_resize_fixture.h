#pragma once

#include "mainwindow/frm_resize.h"
#include "support/qt_printers.h"
#include "support/test_platform.h"
#include "support/widget_input.h"

#include <gtest/gtest.h>

#include <memory>

// A main window on the test platform. `load()` runs its whole start-up (the 2000 ms pause
// passes on the virtual clock); the program's end is counted instead of leaving the loop.
class FrmResizeTest : public ::testing::Test {
  protected:
    void TearDown() override { platform.verifyAndReset(); }

    std::unique_ptr<FrmResize> create() {
        auto window = std::make_unique<FrmResize>(platform.services());
        window->onEndProgram = [this] { ++ends; };
        return window;
    }

    FrmResize& load() {
        windows.push_back(create());
        windows.back()->Form_Load();
        return *windows.back();
    }

    int boxesTitled(const QString& title) const { return platform.dialogs.countTitled(title); }

    testing_support::TestPlatform platform;
    std::vector<std::unique_ptr<FrmResize>> windows;
    int ends = 0;
};
