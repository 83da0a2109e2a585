#include "common/colonnes.h"

#include <array>

QString nom_de_colonne(int c)
{
    static const std::array<const char*, 11> noms = {
        "unités", "dizaines", "centaines",
        "milliers", "dizaines de milliers", "centaines de milliers",
        "millions", "dizaines de millions", "centaines de millions",
        "milliards", "dizaines de milliards"};
    return QString::fromUtf8(noms.at(static_cast<std::size_t>(c)));
}
