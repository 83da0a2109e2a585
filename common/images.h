#pragma once

// The program's pictures, built into the program as resources: its icon, a
// folder of PNG files drawn in advance, and the SVG sources of the others
// (in the browser, folders of PNG files the build draws from them).
extern const char* const image_tibalou;
extern const char* const image_addition;
extern const char* const image_soustraction;
extern const char* const image_multiplication;
extern const char* const image_division;
