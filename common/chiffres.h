#pragma once

#include <cstdint>

// The k-th decimal digit of n counting from the right, k = 1 the units;
// 0 when k goes past the digits of n.
std::int16_t extraire_chiffre(std::int32_t n, std::int16_t k);

// Number of decimal digits of a whole number that is not negative (1 for 0).
std::int16_t nombre_de_chiffres(std::int32_t n);
