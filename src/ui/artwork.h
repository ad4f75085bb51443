#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

namespace ui {

// The program's own pictures. Each is drawn at any size asked for (its natural size when
// none is given); toolbar images have a pressed twin.
enum class Art {
    Background,  // 695 x 314: the two dark screens "Source Images" / "Thumbnail Images"
    Browse,      // toolbar images, 24 x 24 (360 twips)
    Information,
    TipsOn,
    TipsOff,
    Help,
    Exit,
    StartProcessing,
    PromptOverwrite,  // the three option toggles
    SameFolder,
    Landscape,
    ArrowUp,  // size arrows, 11 x 10
    ArrowDown,
    LightRed,  // status lights, 12 x 12
    LightGreen,
    Progress1,  // the run's progress animation, one picture per animation step
    Progress2,
    Progress3,
    Logo,
    Sample,       // 82 x 71: previewed when no source picture has been loaded
    Error,        // shown where a source picture cannot be loaded
    OpenFolder,   // picker: open the current folder in the file manager
    MyPictures,   // picker: go to the user's pictures
    Placeholder,  // picker: the preview before anything was picked
};

QSize artSize(Art art);
QPixmap artwork(Art art, bool pressed = false, QSize size = {});
QImage artworkImage(Art art, QSize size = {});

}  // namespace ui
