#pragma once

// How the designs' units and colours show on the screen. Private to ui/.

#include <QColor>

#include "ui/colors.h"

class QPalette;

namespace ui {

// Twips to device-independent pixels (15 twips a pixel at 96 dpi).
int pixels(int twips);

// An explicit colour as it is, a system colour from the palette.
QColor screen_color(Color color, const QPalette& palette);

}  // namespace ui
