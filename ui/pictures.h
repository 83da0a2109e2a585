#pragma once

// The program's pictures, drawn from their vector sources at whatever size
// and pixel density they are shown. Private to ui/.

#include <QIcon>

namespace ui {

// The picture of a source, made once for the whole run: an SVG (a resource
// path such as ":/images/addition.svg"), drawn at any size, offering a window
// manager 16 to 128 pixels; or a resource folder of raw or PNG pictures
// drawn in advance, one per size, taken as they are. The browser has no SVG
// renderer: there, every source is a folder.
QIcon picture(const char* source);
// A raw picture resource, as the build makes them (scripts/raw_picture.cpp):
// painted from where it lies, nothing decoded or converted. Null if it is
// not one.
QPixmap read_raw(const QString& path);
// Lets the pictures go while the toolkit is still there, on the way out.
void forget_pictures();

}  // namespace ui
