// SPDX-License-Identifier: MIT
#pragma once

#include "engine/naming.h"
#include "engine/thumbnail_plan.h"

#include <QImage>

#include <QString>

class FrmResize;

// The naming and output stages of a run, on the main window's name preview row: the
// preparation that fills the row for each picture, the composition of picName once the tick has
// drawn the thumbnail, and the writing of that thumbnail with its overwrite prompt. The naming
// rules themselves are the engine's (engine/naming.h); this class only moves them in and out of
// the window's boxes.
//
// The name's parts live in the row's boxes between the preparation and the composition, rather
// than in a value like the thumbnail's size: the row shows the user each part as the run takes
// the picture (the folder, the name, the letters or running number), and what it shows is what
// the name is made of.
class FrmResizeOutput {
  public:
    explicit FrmResizeOutput(FrmResize& window) : w(window) {}

    // The naming rule the option controls show.
    engine::NameChoice nameChoice() const;

    // The running number the run starts from, from the letters box (Number mode only).
    void startRunningNumber();
    // The running number K into the letters box (Number mode only).
    void showRunningNumber();
    // Fills the source boxes and the preview row for `path`. False, after the "Path Length
    // Error" message, when the path is too deep to be named.
    bool prepareName(const QString& path);

    // After the tick drew `rendered` for `request`: compose picName, then write it there.
    void subNameAndSaveThumbnail(const QImage& rendered, const engine::ThumbnailRequest& request);

  private:
    // What the name preview row shows.
    engine::NameRow shownRow() const;
    void subStripName(const engine::NamePreparation& prepared);
    void subStripName2(const engine::NamePreparation& prepared);
    void composeName();
    void confirmOverwrite(const QImage& rendered, const engine::ThumbnailRequest& request);
    void countPrompt();
    bool save(const QImage& rendered, const engine::ThumbnailRequest& request, qint32 pauseMs);

    friend struct FrmResizeTestView;

    FrmResize& w;
    // The thumbnail's path, composed from the row.
    QString picName;
    // The running number of Number mode.
    qint32 varIncNumber = 0;
    // Overwrite prompts in a row; the third brings the advice to turn the prompt off.
    qint16 varPromptCount = 0;
    // 1 while a thumbnail is being written.
    qint16 indSaving = 0;
};
