#include "common/tirage.h"

#include <cmath>

#include "ui/numbers.h"
#include "ui/random.h"

std::int16_t nombre_de_chiffres_tire(std::int16_t option)
{
    // 4·r is exact, whereas 4·r + 2 rounds up to 6 for the largest r below 1.
    return option != 1 ? option : ui::to_int16(2 + ui::integer_part(4 * ui::rnd()));
}

std::int32_t nombre_tire(std::int16_t n)
{
    const double min = std::pow(10.0, n - 1);
    const double max = std::pow(10.0, n) - 1;
    return ui::to_int32(ui::integer_part((max - min + 1) * ui::rnd() + min));
}
