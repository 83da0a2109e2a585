#include "common/chiffres.h"

#include <cmath>

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
