#pragma once

// The program's pictures: SVG sources, built into the program as resources.
extern const char* const image_tibalou;
extern const char* const image_addition;
extern const char* const image_soustraction;
extern const char* const image_multiplication;
extern const char* const image_division;
