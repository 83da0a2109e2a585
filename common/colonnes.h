#pragma once

#include <QString>

// The name of column c counted leftwards from the units (c = 0), as a pupil
// says it: "unités", "dizaines", "centaines", "milliers", … up to
// "dizaines de milliards" (c = 10). Every window names its digits by it, so
// that a screen reader calls a column the same everywhere.
QString nom_de_colonne(int c);
