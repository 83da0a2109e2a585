#pragma once

#include <cstdint>

// Random problems. A drawn problem re-seeds the generator from the clock
// (ui::randomize) once, just before its first draw; each function below then
// takes the next uniform value r in [0, 1).

// The digit count that an option asks for: the option itself from 2 digits
// up, or, for option 1 ("quelconque"), 2 to 5 digits drawn.
std::int16_t nombre_de_chiffres_tire(std::int16_t option);

// A number of exactly n digits, r scaled onto 10^(n−1) to 10^n − 1.
std::int32_t nombre_tire(std::int16_t n);
