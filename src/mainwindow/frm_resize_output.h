// SPDX-License-Identifier: MIT
#pragma once

#include "engine/naming.h"

#include <QString>

class FrmResize;

// The naming and output stages of a run, on the main window's name preview row: the
// preparation that fills the row for each picture, the composition of picName inside
// `thumbnail`, and the writing of the file with its overwrite prompt. The naming rules
// themselves are the engine's (engine/naming.h); this class only moves them in and out of
// the window's boxes.
class FrmResizeOutput {
  public:
    explicit FrmResizeOutput(FrmResize& window) : w(window) {}

    // The naming rule the option controls show.
    engine::NameChoice nameChoice() const;

    // The running number K into the letters box (Number mode only).
    void showRunningNumber();
    // Fills the source boxes and the preview row for `path`. False, after the "Path Length
    // Error" message, when the path is too deep to be named.
    bool prepareName(const QString& path);

    // The tail of `thumbnail` during a run: compose picName, then write the canvas to it.
    void subNameAndSaveThumbnail();

  private:
    void subStripName(const engine::NamePreparation& prepared);
    void subStripName2(const engine::NamePreparation& prepared);
    void composeName();
    void confirmOverwrite();
    void countPrompt();
    bool save(qint32 pauseMs);

    FrmResize& w;
};
