#pragma once

#include <cstdint>

// Digit counts of the two operands; the addition and the multiplication share them.
extern std::int16_t nb_chiffres1, nb_chiffres2;
