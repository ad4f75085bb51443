// SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow/frm_resize.h"
#include "support/qt_printers.h"
#include "support/test_platform.h"
#include "support/widget_input.h"

#include <QImage>

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

    // A picture whose every pixel differs from its neighbours, so a wrong sample shows.
    static QImage pattern(int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, qRgb(x * 5 % 256, y * 3 % 256, (x * 7 + y * 11) % 256));
            }
        }
        return image;
    }

    testing_support::TestPlatform platform;
    std::vector<std::unique_ptr<FrmResize>> windows;
    int ends = 0;
};

// A user who has seen the new-user message and turned the helper tips off: the window comes
// up without a message box or a tip.
class ReturningUserTest : public FrmResizeTest {
  protected:
    void SetUp() override {
        platform.store("PHT", "1");
        platform.store("Tips", "0");
    }
};
