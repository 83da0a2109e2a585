#include "common/score.h"

#include "ui/numbers.h"

std::int32_t justes_essai = 0;
std::int16_t fausses_essai = 0;
std::int32_t total_justes = 0;
std::int32_t total_chiffres = 0;
std::int16_t score_pourcent = 0;

void mettre_a_jour_totaux()
{
    total_chiffres = ui::to_int32(static_cast<double>(total_chiffres) + fausses_essai + justes_essai);
    total_justes = ui::to_int32(static_cast<double>(total_justes) + justes_essai);
    // In whole numbers: dividing first in floating point shows 29 of 50 as 57.
    if (total_chiffres > 0)
        score_pourcent = ui::to_int16(static_cast<double>(100LL * total_justes / total_chiffres));
}
