#pragma once

#include <cstdint>

#include "ui/form.h"

// The keypad's walk along a row of boxes indexed from the units: on to box
// Index + 1 when the row has one and it is visible, else to `ensuite`.
void case_suivante_ou(ui::ControlArray<ui::TextBox>& ligne, std::int16_t Index, ui::Focusable& ensuite);

// A new operation starts in `premiere`: it takes the focus, and only then is
// emptied. A screen reader that sees a box change just before the focus
// reaches it takes the change for the focus arriving, and says nothing of the
// box nor of the operation announced there; the set-up leaves it alone.
void commencer_dans(ui::TextBox& premiere);

// KeyPress rule of a box that holds one digit, the last typed: only "0" to
// "9" pass, and one that passes first empties the box, so that keys held
// down together or repeating cannot pile up a number.
void garder_dernier_chiffre(ui::TextBox& boite, std::int16_t& KeyAscii);
