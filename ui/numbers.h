#pragma once

#include <QString>
#include <cstdint>

namespace ui {

// The number formed by the leading digits of a text, leading spaces skipped;
// "05" gives 5, an empty text or one starting with no digit gives 0.
double numeric_value(const QString& text);

// Decimal text of a whole number: "42", "-7".
QString decimal_text(long long n);
// The same with one leading space for a number that is not negative: " 42".
QString decimal_text_spaced(long long n);

// The largest whole number not above the value.
double integer_part(double value);

// Nearest whole number, a half going to the even neighbour; a value outside
// the type's range is a run-time error, never a wrapped value.
std::int16_t to_int16(double value);
std::int32_t to_int32(double value);

}  // namespace ui
