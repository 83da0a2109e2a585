#include "common/chiffres.h"

#include <cmath>

#include "ui/form.h"
#include "ui/numbers.h"

std::int16_t extraire_chiffre(std::int32_t n, std::int16_t k)
{
    const double p = std::pow(10.0, k - 1);
    const std::int32_t q = ui::to_int32(ui::integer_part(n / p));
    return ui::to_int16(q - 10 * ui::integer_part(q / 10.0));
}

std::int16_t nombre_de_chiffres(std::int32_t n)
{
    return static_cast<std::int16_t>(ui::decimal_text_spaced(n).size() - 1);
}

std::vector<std::int16_t> chiffres_de(std::int32_t n, std::int16_t combien)
{
    std::vector<std::int16_t> chiffres(combien);
    for (std::int16_t k = 1; k <= combien; ++k) chiffres[k - 1] = extraire_chiffre(n, k);
    return chiffres;
}

void montrer_chiffres(ui::ControlArray<ui::Label>& ligne, const std::vector<std::int16_t>& chiffres)
{
    for (auto i : ligne.indices()) {
        const bool utile = i < static_cast<int>(chiffres.size());
        if (utile) ligne(i).setCaption(ui::decimal_text(chiffres[i]));
        ligne(i).setVisible(utile);
    }
}
