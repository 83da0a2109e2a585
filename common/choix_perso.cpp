#include "common/choix_perso.h"

double choix_nombre1 = 0;
std::int32_t choix_nombre2 = 0;
