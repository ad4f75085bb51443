// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// What the web, help and mail actions need from the window that owns them (the main window
// implements it): the window itself, which places and owns the search window and is enabled
// again when a search ends; the pressed look of its help image; and whether the program has
// said it ends, after which a search stops and nothing more is started.
class LauncherHost {
  public:
    virtual ~LauncherHost() = default;
    virtual QWidget* launcherWindow() = 0;
    // Shows the toolbar help image's pressed twin for its moment, while events run.
    virtual void showHelpPressed() = 0;
    virtual bool hostEnded() const = 0;
};
