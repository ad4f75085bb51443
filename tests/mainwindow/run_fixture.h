// SPDX-License-Identifier: MIT
#pragma once

#include "frm_resize_fixture.h"
#include "support/frm_resize_test_view.h"

#include <QFile>
#include <QImage>
#include <QStringList>

// The caption a finished run leaves, before its count.
inline const QString kFinished = QStringLiteral("Corvel XP  --  Finished!  Images Processed: ");

// A main window with pictures to process and a save-to folder that does not exist yet.
// Every tick of the run timer is counted and the window caption it left is kept.
class RunTest : public ReturningUserTest {
  protected:
    void SetUp() override {
        ReturningUserTest::SetUp();
        destination = platform.home() + "/thumbs";
        platform.store("Destination", destination);
        platform.store("Name", "Suffix");
        platform.store("Suffix", "_th");
    }

    // Saved in the Pictures folder, or in `folder`; the format follows the extension.
    QString picture(const QString& name, int width = 400, int height = 300,
                    const QString& folder = {}) const {
        const QString path = (folder.isEmpty() ? platform.pictures() : folder) + "/" + name;
        EXPECT_TRUE(pattern(width, height).save(path)) << path.toStdString();
        return path;
    }

    QString unreadable(const QString& name) const {
        const QString path = platform.pictures() + "/" + name;
        testing_support::writeFile(path, "this is no picture");
        return path;
    }

    FrmResize& loadWithQueue(const QStringList& sources) {
        FrmResize& w = load();
        queue(w, sources);
        return w;
    }

    // What the picker leaves behind: the entries, added through the window's picker side.
    static void queue(FrmResize& w, const QStringList& sources) { view(w).queue(sources); }

    void watchTicks(FrmResize& w) {
        view(w).timerProcess.onTick([this, &w] {
            ++ticks;
            w.timerProcess_Timer();
            captions << w.windowTitle();
        });
    }

    // Lets the run go on until it is no longer active (or `limitMs` have passed).
    void runToEnd(FrmResize& w, quint32 limitMs = 60000) {
        for (quint32 passed = 0; view(w).run.isActive() && passed < limitMs; passed += 100) {
            platform.loop.advance(100);
        }
    }

    QString thumb(const QString& name) const { return destination + "/" + name; }

    static QByteArray head(const QString& path, int bytes = 3) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static bool isJpeg(const QString& path) { return head(path) == QByteArray("\xFF\xD8\xFF"); }
    static bool isBitmap(const QString& path) { return head(path, 2) == QByteArray("BM"); }

    QString destination;
    int ticks = 0;
    QStringList captions;
};
