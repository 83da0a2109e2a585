#include "common/nb_chiffres.h"

std::int16_t nb_chiffres1 = 0;
std::int16_t nb_chiffres2 = 0;
