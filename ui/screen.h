#pragma once

// How the designs' units and colours show on the screen. Private to ui/.

#include <QColor>
#include <QPalette>

#include "ui/colors.h"

namespace ui {

// Twips to device-independent pixels (15 twips a pixel at 96 dpi).
int pixels(int twips);

// A colour the design fixes, rather than one of the system's.
bool fixed(Color color);

// An explicit colour as it is, a system colour from the palette. The button
// face is the usual background of the control's kind (`role`): the window's
// own under a label or a panel, as it is in the designs.
QColor screen_color(Color color, const QPalette& palette, QPalette::ColorRole role);

// The text on a background the design fixes: its dark, whatever the palette.
inline const QColor design_text{0, 0, 0};

// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b);

}  // namespace ui
