#pragma once

// The program's pictures, drawn from their vector sources at whatever size
// and pixel density they are shown. Private to ui/.

#include <QIcon>

namespace ui {

// The picture of a source, made once for the whole run: an SVG (a resource
// path such as ":/images/addition.svg"), drawn at any size, offering a window
// manager 16 to 128 pixels; or a resource folder of PNG files drawn in
// advance, one per size, taken as they are.
QIcon picture(const char* source);
// A PNG read as one, without asking Qt's image plugins what it is.
QPixmap read_png(const QString& path);
// Lets the pictures go while the toolkit is still there, on the way out.
void forget_pictures();

}  // namespace ui
