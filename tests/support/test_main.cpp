// SPDX-License-Identifier: MIT
#include <QApplication>

#include <gtest/gtest.h>

// One main for every test binary: one offscreen application for the whole run.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
