// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

// The program's own pictures, drawn in code: each is drawn at any size asked for (its natural
// size when none is given), antialiased, lit from the upper left. Buttons (toolbar images,
// size arrows, the picker's image buttons) have a pressed twin: sunken, its symbol shifted by
// a pixel.
enum class Art {
    Background,  // 695 x 314: grey window with the two dark screens "Source Images" and
                 // "Thumbnail Images"; the status lights sit in the right screen's lower bezel
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
    Progress1,  // the run's progress animation, one picture per step, 32 x 32 like the logo
    Progress2,
    Progress3,
    Logo,           // 32 x 32; also the program's icon
    Sample,         // 82 x 71: previewed when no source picture has been loaded
    Error,          // 73 x 81: shown where a source picture cannot be loaded
    OpenFolder,     // picker: open the current folder in the file manager, 24 x 24
    MyPictures,     // picker: go to the user's pictures, 32 x 32 (480 twips)
    Placeholder,    // picker: the preview before anything was picked, 73 x 81
    PickerHelp,     // picker: help, 32 x 32 (480 twips); the same symbol as Help
    SplashPicture,  // splash: the picture on its button, 143 x 84
    SplashStrip,    // splash: the film strip under the button, 195 x 21
    SplashMark,     // splash: the mark above the logo bar, 21 x 23
    SplashIcon,     // splash: its window icon, 32 x 32
    MakerLogo,      // about window: the maker's logo, 137 x 151 (2055 x 2265 twips)
    BubbleBar,      // helper tip bubble: the dark bar with its arrow, 221 x 61 (3315 x 915)
    BubbleMask,     // helper tip bubble: its outline, black on the magenta of the top-left
                    // pixel, 234 x 65
};

// Where toolbar images come from. DesktopTheme takes the symbol of the desktop's icon theme
// (by its freedesktop name) when the theme has one, and our own drawing otherwise.
enum class IconSource { Own, DesktopTheme };

// The source the short form of artwork() uses. Own until main() chooses once, so windows built
// in tests always show our own, deterministic pictures.
void setDefaultIconSource(IconSource source);
IconSource defaultIconSource();

QSize artSize(Art art);

// Whether the picture is a button with a pressed twin.
bool hasPressedTwin(Art art);

// The freedesktop icon names a toolbar image may take from the theme, best first; empty for
// the pictures only we draw.
QStringList artThemeNames(Art art);

// The picture at `size` device-independent pixels (its natural size when empty), drawn for a
// screen of the given device pixel ratio so it stays sharp there.
QPixmap artwork(Art art, bool pressed = false, QSize size = {}, qreal devicePixelRatio = 1.0);
QPixmap artwork(Art art, bool pressed, QSize size, qreal devicePixelRatio, IconSource source);

// Our own drawing, never the theme's: for pixel work (the sample and error pictures) and for
// files (the program icon).
QImage artworkImage(Art art, QSize size = {});
QImage artworkImage(Art art, bool pressed, QSize size);

// The program's icon for its windows: the logo, drawn at the sizes title bars, task bars and
// window switchers ask for.
QIcon programIcon();

}  // namespace ui
