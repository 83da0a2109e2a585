#include "common/saisie.h"

#include "ui/keys.h"

void case_suivante_ou(ui::ControlArray<ui::TextBox>& ligne, std::int16_t Index, ui::Focusable& ensuite)
{
    if (Index < ligne.indices().back() && ligne(Index + 1).Visible())
        ligne(Index + 1).setFocus();
    else
        ensuite.setFocus();
}

void commencer_dans(ui::TextBox& premiere)
{
    premiere.setFocus();
    premiere.setText("");
}

void garder_dernier_chiffre(ui::TextBox& boite, std::int16_t& KeyAscii)
{
    ui::filtre_chiffre(KeyAscii);
    if (KeyAscii != 0) boite.setText("");
}
