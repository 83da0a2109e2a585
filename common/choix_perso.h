#pragma once

#include <cstdint>

// The two numbers last sent by the number choice dialog, for the whole run.
extern double choix_nombre1;
extern std::int32_t choix_nombre2;
