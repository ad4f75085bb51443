// SPDX-License-Identifier: MIT
#include "support/test_platform.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace testing_support {

namespace {
const QString kApp = QStringLiteral("CorvelXP");
const QString kSection = QStringLiteral("Settings");
const QString kMissing = QStringLiteral("\x01missing");
}  // namespace

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}

TestPlatform::TestPlatform() : settings(home_.path() + QStringLiteral("/.config/corvel")) {
    folders.documents = makeFolder(QStringLiteral("Documents"));
    folders.pictures = makeFolder(QStringLiteral("Pictures"));
}

platform::Services TestPlatform::services() {
    return platform::Services{loop,           dialogs, settings,
                              shell,          folders, instance,
                              screen,         volumes, platform::PathStyle::host(),
                              programFolder()};
}

void TestPlatform::verifyAndReset() {
    dialogs.verifyAndReset();
    shell.reset();
}

QString TestPlatform::makeFolder(const QString& relative) const {
    const QString path = home_.path() + QLatin1Char('/') + relative;
    QDir().mkpath(path);
    return path;
}

QString TestPlatform::stored(const QString& key) const {
    return settings.get(kApp, kSection, key, {});
}

bool TestPlatform::isStored(const QString& key) const {
    return settings.get(kApp, kSection, key, kMissing) != kMissing;
}

void TestPlatform::store(const QString& key, const QString& value) {
    settings.set(kApp, kSection, key, value);
}

}  // namespace testing_support
