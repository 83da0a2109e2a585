#pragma once

#include <QString>

// The name of element `index` of a control array, as its design gives it:
// "txt_résultat(3)". Run-time errors and tests call a control by it.
QString nom_d_element(const char* tableau, int index);
