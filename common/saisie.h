#pragma once

#include <cstdint>

#include "ui/form.h"

// The keypad's walk along a row of boxes indexed from the units: on to box
// Index + 1 when the row has one and it is visible, else to `ensuite`.
void case_suivante_ou(ui::ControlArray<ui::TextBox>& ligne, std::int16_t Index, ui::Focusable& ensuite);
