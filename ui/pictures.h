#pragma once

// The program's pictures, drawn from their vector sources at whatever size
// and pixel density they are shown. Private to ui/.

#include <QIcon>

namespace ui {

// The picture of an SVG source (a resource path such as ":/images/addition.svg"),
// made once for the whole run. It offers the sizes a window manager takes for
// an icon, 16 to 128 pixels.
QIcon picture(const char* source);
// Lets the pictures go while the toolkit is still there, on the way out.
void forget_pictures();

}  // namespace ui
