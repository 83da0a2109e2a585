#include "common/saisie.h"

void case_suivante_ou(ui::ControlArray<ui::TextBox>& ligne, std::int16_t Index, ui::Focusable& ensuite)
{
    if (Index < ligne.indices().back() && ligne(Index + 1).Visible())
        ligne(Index + 1).setFocus();
    else
        ensuite.setFocus();
}
