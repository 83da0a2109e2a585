#pragma once

#include <cstdint>

#include "ui/form.h"

// The digit-count submenus of the addition and the multiplication: entry 1
// "quelconque", ticked at design, then "2 chiffres" and up.
ui::Design entree_nombre_de_chiffres(const char* tableau, std::int16_t i);

// Moves the list's single tick mark to entry Index.
void cocher_seul(ui::ControlArray<ui::MenuEntry>& liste, std::int16_t Index);
