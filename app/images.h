#pragma once

// The program's pictures: 32 × 32, 16 colours, as XPM.
extern const char* const* const image_tibalou;
extern const char* const* const image_addition;
extern const char* const* const image_soustraction;
extern const char* const* const image_multiplication;
extern const char* const* const image_division;
