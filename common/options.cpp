#include "common/options.h"

#include "common/noms.h"

ui::Design entree_nombre_de_chiffres(const char* tableau, std::int16_t i)
{
    return {.name = nom_d_element(tableau, i),
            .caption = i == 1 ? QStringLiteral("quelconque") : QStringLiteral("%1 chiffres").arg(i),
            .checked = i == 1};
}

void cocher_seul(ui::ControlArray<ui::MenuEntry>& liste, std::int16_t Index)
{
    for (auto i : liste.indices()) liste(i).setChecked(false);
    liste(Index).setChecked(true);
}
