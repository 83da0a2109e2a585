#include "app/images.h"

#include "app/images/addition.xpm"
#include "app/images/division.xpm"
#include "app/images/multiplication.xpm"
#include "app/images/soustraction.xpm"
#include "app/images/tibalou.xpm"

const char* const* const image_tibalou = tibalou_xpm;
const char* const* const image_addition = addition_xpm;
const char* const* const image_soustraction = soustraction_xpm;
const char* const* const image_multiplication = multiplication_xpm;
const char* const* const image_division = division_xpm;
