// SPDX-License-Identifier: MIT
#pragma once

#include "platform/services.h"

#include <QElapsedTimer>
#include <QObject>

#include <map>
#include <memory>

class QTimer;

namespace platform {

// The Qt event loop. Waits run a nested QEventLoop that a single-shot timer ends, so a pause
// costs no CPU and every window event keeps being handled.
class QtEventLoop : public EventLoop {
  public:
    QtEventLoop();
    quint32 tickCount() const override;
    void doEvents() override;
    void runUntil(quint32 deadline) override;
    TimerId startTimer(int intervalMs, Callback fire) override;
    void stopTimer(TimerId id) override;

  private:
    QElapsedTimer clock_;
    TimerId lastId_ = 0;
    // The parent of every timer: the timers go with the loop.
    QObject timerOwner_;
    std::map<TimerId, QTimer*> timers_;  // the running ones, owned by timerOwner_
};

class QtDialogs : public Dialogs {
  public:
    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    void beep() override;
};

class DesktopShell : public Shell {
  public:
    bool startCommand(const QString& commandLine, WindowStyle style) override;
    bool openDocument(const QString& documentOrAddress) override;
    bool showFolder(const QString& folder) override;
};

class XdgSpecialFolders : public SpecialFolders {
  public:
    QString path(SpecialFolder folder) const override;
};

class QtScreen : public Screen {
  public:
    int twipsPerPixelX() const override;
    int twipsPerPixelY() const override;
    int widthPx() const override;
    int heightPx() const override;
};

class MountedVolumes : public Volumes {
  public:
    QList<Volume> list() const override;
};

// The real services of one program, owned together. Made after the application object: the
// program folder is the executable's.
class RealPlatform {
  public:
    explicit RealPlatform(const QString& program);
    Services services();

  private:
    QtEventLoop loop_;
    QtDialogs dialogs_;
    SettingsStore store_;
    DesktopShell shell_;
    XdgSpecialFolders folders_;
    LockFileInstanceGuard instance_;
    QtScreen screen_;
    MountedVolumes volumes_;
    QString programFolder_;
};

}  // namespace platform
