// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"
#include "support/recording_shell.h"
#include "support/scripted_dialogs.h"
#include "support/virtual_event_loop.h"

#include <QTemporaryDir>

namespace testing_support {

class FixedScreen : public platform::Screen {
  public:
    int twipsPerPixelX() const override { return twipsPerPixel; }
    int twipsPerPixelY() const override { return twipsPerPixel; }
    int widthPx() const override { return width; }
    int heightPx() const override { return height; }

    int twipsPerPixel = 15;
    int width = 1024;
    int height = 768;
};

class FixedSpecialFolders : public platform::SpecialFolders {
  public:
    QString path(platform::SpecialFolder folder) const override {
        return folder == platform::SpecialFolder::Documents ? documents : pictures;
    }
    QString documents;
    QString pictures;
};

class FakeInstanceGuard : public platform::InstanceGuard {
  public:
    bool claim() override { return !otherInstanceRunning; }
    bool otherInstanceRunning = false;
};

class FixedVolumes : public platform::Volumes {
  public:
    QList<platform::Volume> list() const override { return volumes; }
    QList<platform::Volume> volumes{{QStringLiteral("/"), QStringLiteral("System")}};
};

// Writes `bytes` to a new file at `path`; a file that cannot be written fails the test.
void writeFile(const QString& path, const QByteArray& bytes = {});

// Everything a window needs, on a virtual clock, in a temporary home with Documents and
// Pictures folders and a real settings store under it.
class TestPlatform {
  public:
    TestPlatform();

    platform::Services services();
    // Fails the test for scripted answers left over; clears the records of dialogs and shell.
    void verifyAndReset();

    QString home() const { return home_.path(); }
    QString documents() const { return folders.documents; }
    QString pictures() const { return folders.pictures; }
    // The program's folder: empty and apart from the home, so nothing lands in the build tree.
    QString programFolder() const { return program_.path(); }
    // A folder below the home, made on the way.
    QString makeFolder(const QString& relative) const;

    // Store shorthands for the program's own section.
    QString stored(const QString& key) const;
    bool isStored(const QString& key) const;
    void store(const QString& key, const QString& value);

    QTemporaryDir home_;
    QTemporaryDir program_;
    VirtualEventLoop loop;
    ScriptedDialogs dialogs{loop};
    platform::SettingsStore settings;
    RecordingShell shell;
    FixedSpecialFolders folders;
    FakeInstanceGuard instance;
    FixedScreen screen;
    FixedVolumes volumes;
};

}  // namespace testing_support
