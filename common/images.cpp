#include "common/images.h"

const char* const image_tibalou = ":/images/tibalou";
#ifndef __EMSCRIPTEN__
const char* const image_addition = ":/images/addition.svg";
const char* const image_soustraction = ":/images/soustraction.svg";
const char* const image_multiplication = ":/images/multiplication.svg";
const char* const image_division = ":/images/division.svg";
#else
const char* const image_addition = ":/images/addition";
const char* const image_soustraction = ":/images/soustraction";
const char* const image_multiplication = ":/images/multiplication";
const char* const image_division = ":/images/division";
#endif
