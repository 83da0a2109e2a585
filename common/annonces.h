#pragma once

#include <QString>
#include <cstdint>

// What a screen reader says for what the pupil sees appear, in the words a
// pupil reads it.

// An operation as it is posed: "47 plus 38", "4728 divisé par 3".
QString operation_lue(std::int32_t premier, const char* signe, std::int32_t second);

// The check just made, from justes_essai and fausses_essai: "3 chiffres justes sur 4".
QString bilan_lu();
