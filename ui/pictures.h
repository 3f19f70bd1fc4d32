#pragma once
// The program's own pictures, compiled in as resources under ":/pictures/" (drawn by
// tools/draw_pictures). Each button picture holds a 16 × 16 image and its 32 × 32 copy for
// screens of device pixel ratio 2; the window icon holds 16 to 256 pixels.
// Needs a QGuiApplication.

#include <QIcon>

namespace velkaron {

QIcon magnifierPicture(); // the Search button
QIcon helpPicture();      // the help button
QIcon quitPicture();      // the Quit button
QIcon windowIcon();       // every window's icon

} // namespace velkaron
