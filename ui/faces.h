#pragma once

// The designs' faces as this machine shows them. Private to ui/.

#include <QFont>

#include "ui/design.h"

namespace ui {

// The font a design names, at its size in points at scale 1, whatever the
// desktop's own font. Where the face the design was drawn with is missing,
// the face standing in for it is made smaller until it is no wider, so that
// every caption keeps its room.
QFont design_font(const Font& font);

}  // namespace ui
