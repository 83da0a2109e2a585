#pragma once

#include <cstdint>
#include <vector>

namespace ui {
template <class C>
class ControlArray;
class Label;
}  // namespace ui

// The k-th decimal digit of n counting from the right, k = 1 the units;
// 0 when k goes past the digits of n.
std::int16_t extraire_chiffre(std::int32_t n, std::int16_t k);

// Number of decimal digits of a whole number that is not negative (1 for 0).
std::int16_t nombre_de_chiffres(std::int32_t n);

// Digits 1 to combien of n, units first: element k − 1 is extraire_chiffre(n, k).
std::vector<std::int16_t> chiffres_de(std::int32_t n, std::int16_t combien);

// Shows the digits, units first, in the labels of a row indexed from the
// units; the labels past the number's leading digit are hidden.
void montrer_chiffres(ui::ControlArray<ui::Label>& ligne, const std::vector<std::int16_t>& chiffres);
