#pragma once

#include <cstdint>

// The success rate of the whole run, shared by the three exercises.
extern std::int32_t justes_essai;   // right boxes of the check in progress
extern std::int16_t fausses_essai;  // wrong boxes of the check in progress
// Totals over the counted checks. Kept on 32 bits so that a long session can
// pass 32 767 right digits without the count wrapping or the rate lying.
extern std::int32_t total_justes;
extern std::int32_t total_chiffres;
extern std::int16_t score_pourcent;  // whole percent

// Adds the check in progress to the totals and recomputes the rate: the
// largest whole percent not above 100 × right ÷ examined. With nothing
// examined yet the rate keeps its value.
void mettre_a_jour_totaux();
