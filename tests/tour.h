#pragma once

// The pupil's tour of every window, as the README's pictures show them: the
// main menu, an addition and a multiplication checked with some digits
// wrong, the number dialog, the table, a division checked and its help
// panel, the score. At each stop `look` is given the window and a name.

#include <functional>

#include "ui/form.h"

using Look = std::function<void(ui::FormSlotBase& window, const char* name)>;

void tour(const Look& look);
