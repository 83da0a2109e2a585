#include "common/chiffres.h"
#include "common/jugement.h"
#include "common/nb_chiffres.h"
#include "multiplication/Feuille_principale.h"
#include "multiplication/Module2.h"
#include "ui/numbers.h"

namespace {

// The two factor digits whose product goes into the box, when the box holds
// one (not a shift place, not the last carry) and no check has coloured it.
bool case_a_reperer(std::int16_t Index)
{
    const auto c = extraire_chiffre(Index, 1), r = extraire_chiffre(Index, 2);
    return c >= r && c - r + 1 <= nb_chiffres1 && encore_neutre(Feuille_principale->Et_sommes(Index));
}

void colorer_facteurs(std::int16_t Index, ui::Color couleur)
{
    auto& f = Feuille_principale();
    const auto c = extraire_chiffre(Index, 1), r = extraire_chiffre(Index, 2);
    f.Et_facteur1(c - r).setBackColor(couleur);
    f.Et_facteur2(r).setBackColor(couleur);
}

}  // namespace

void remplir_table()
{
    auto& f = Feuille_principale();
    for (int i = 1; i <= 99; ++i) {
        const auto u = extraire_chiffre(i, 1), t = extraire_chiffre(i, 2);
        const int valeur = u == 0 ? t : t != 0 ? u * t : u;
        f.lbl_table(i).setCaption(ui::decimal_text(valeur));
    }
}

void basculer_reperage()
{
    auto& entree = Feuille_principale->mnu_reperage;
    reperage = !reperage;
    entree.setChecked(!entree.Checked());
}

void marquer_facteurs(std::int16_t Index)
{
    if (case_a_reperer(Index)) colorer_facteurs(Index, ui::green);
}

void effacer_marque_facteurs(std::int16_t Index)
{
    if (case_a_reperer(Index)) colorer_facteurs(Index, ui::system_button_face);
}

void effacer_marque_case_active()
{
    auto& f = Feuille_principale();
    for (auto i : f.Et_sommes.indices())
        if (f.focused() == &f.Et_sommes(i)) effacer_marque_facteurs(i);
}
