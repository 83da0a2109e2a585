#include "ui/numbers.h"

#include <cfenv>
#include <cmath>

#include "ui/errors.h"

namespace ui {

double numeric_value(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    double value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = value * 10 + (text[i].unicode() - u'0');
    return value;
}

QString decimal_text(long long n)
{
    return QString::number(n);
}

QString decimal_text_spaced(long long n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

double integer_part(double value)
{
    return std::floor(value);
}

namespace {

double round_half_even_within(double value, double low, double high)
{
    if (std::isnan(value)) raise_error("dépassement de capacité : valeur non numérique");
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(mode);
    if (rounded < low || rounded > high)
        raise_error("dépassement de capacité : " + std::to_string(value));
    return rounded;
}

}  // namespace

std::int16_t to_int16(double value)
{
    return static_cast<std::int16_t>(round_half_even_within(value, INT16_MIN, INT16_MAX));
}

std::int32_t to_int32(double value)
{
    return static_cast<std::int32_t>(round_half_even_within(value, INT32_MIN, INT32_MAX));
}

}  // namespace ui
