#include "addition/Module3.h"

#include <cmath>
#include <utility>

#include "addition/Feuille_addition.h"
#include "common/chiffres.h"
#include "common/nb_chiffres.h"
#include "common/score.h"
#include "dialogs/feuille_choix_perso.h"
#include "ui/numbers.h"
#include "ui/random.h"

std::int16_t option_long1 = 1;
std::int16_t option_long2 = 1;
std::int32_t valeur_terme1 = 0;
std::int32_t valeur_terme2 = 0;
std::int32_t resultat_attendu = 0;
std::int16_t nb_chiffres_resultat = 0;
std::vector<std::int16_t> chiffres_terme1;
std::vector<std::int16_t> chiffres_terme2;
std::vector<std::int16_t> chiffres_resultat;

namespace {

constexpr std::int16_t derniere_case = 6;  // the leftmost result box

// "quelconque" gives 2 to 5 digits; a length option gives exactly that.
std::int16_t longueur_tiree(std::int16_t option)
{
    if (option != 1) return option;
    return ui::to_int16(ui::integer_part(4 * ui::rnd() + 2));
}

std::int32_t terme_tire(std::int16_t nb_chiffres)
{
    const double min = std::pow(10.0, nb_chiffres - 1);
    const double max = std::pow(10.0, nb_chiffres) - 1;
    return ui::to_int32(ui::integer_part((max - min + 1) * ui::rnd() + min));
}

std::vector<std::int16_t> chiffres_de(std::int32_t nombre, std::int16_t nb_chiffres)
{
    std::vector<std::int16_t> chiffres;
    for (std::int16_t k = 1; k <= nb_chiffres; ++k) chiffres.push_back(extraire_chiffre(nombre, k));
    return chiffres;
}

void afficher_terme(ui::ControlArray<ui::Label>& ligne, const std::vector<std::int16_t>& chiffres)
{
    for (std::size_t k = 0; k < chiffres.size(); ++k) {
        ligne(static_cast<int>(k)).setCaption(ui::decimal_text(chiffres[k]));
        ligne(static_cast<int>(k)).setVisible(true);
    }
}

}  // namespace

void effacer_addition()
{
    FeuilleAddition& f = Feuille_addition();
    for (int k = 0; k <= 5; ++k) {
        f.terme1(k).setCaption("");
        f.terme1(k).setVisible(false);
        f.terme2(k).setCaption("");
        f.terme2(k).setVisible(false);
    }
    for (int k = 0; k <= derniere_case; ++k) {
        f.txt_résultat(k).setText("");
        f.txt_résultat(k).setVisible(false);
        f.txt_résultat(k).setBackColor(ui::white);
    }
}

void poser_addition()
{
    FeuilleAddition& f = Feuille_addition();
    if (f.mnu_choix_termes.Checked()) {
        nb_chiffres1 = nombre_de_chiffres(valeur_terme1);
        nb_chiffres2 = nombre_de_chiffres(valeur_terme2);
    } else {
        ui::randomize();
        nb_chiffres1 = longueur_tiree(option_long1);
        nb_chiffres2 = longueur_tiree(option_long2);
        valeur_terme1 = terme_tire(nb_chiffres1);
        valeur_terme2 = terme_tire(nb_chiffres2);
    }
    // The larger term goes on top, so that a difference is never negative.
    if (valeur_terme1 < valeur_terme2) {
        std::swap(valeur_terme1, valeur_terme2);
        std::swap(nb_chiffres1, nb_chiffres2);
    }
    if (f.signe.Caption() == "+")
        resultat_attendu = valeur_terme1 + valeur_terme2;
    else
        resultat_attendu = valeur_terme1 - valeur_terme2;
    nb_chiffres_resultat = nombre_de_chiffres(resultat_attendu);

    chiffres_terme1 = chiffres_de(valeur_terme1, nb_chiffres1);
    chiffres_terme2 = chiffres_de(valeur_terme2, nb_chiffres2);
    chiffres_resultat = chiffres_de(resultat_attendu, nb_chiffres_resultat);

    afficher_terme(f.terme1, chiffres_terme1);
    // One column left of the top term's leading digit, on the second term's row.
    f.signe.setLeft(f.terme1(nb_chiffres1 - 1).Left() - 480);
    afficher_terme(f.terme2, chiffres_terme2);
    for (int k = 0; k < nb_chiffres_resultat; ++k) {
        f.txt_résultat(k).setTag(ui::decimal_text(chiffres_resultat[k]));
        f.txt_résultat(k).setVisible(true);
    }
    f.Line1.setX1(f.signe.Left());
}

void nouvelle_addition()
{
    FeuilleAddition& f = Feuille_addition();
    if (f.Command2.Caption() == "Commencer") {
        f.Command2.setCaption("Autre calcul");
        f.Command3.setVisible(true);
    }
    effacer_addition();
    poser_addition();
    f.txt_résultat(0).setFocus();
}

void ouvrir_choix_termes()
{
    ouvrir_choix_perso("Premier terme =", "Deuxième terme =", Feuille_addition);
}

void passer_case_suivante(std::int16_t Index)
{
    FeuilleAddition& f = Feuille_addition();
    // Before the first start "Vérifier" is hidden: the focus then stays put.
    if (Index < derniere_case && f.txt_résultat(Index + 1).Visible())
        f.txt_résultat(Index + 1).setFocus();
    else
        f.Command3.setFocus();
}

void verifier_addition()
{
    FeuilleAddition& f = Feuille_addition();
    justes_essai = 0;
    fausses_essai = 0;
    for (int k = 0; k <= derniere_case; ++k) {
        ui::TextBox& case_resultat = f.txt_résultat(k);
        if (!case_resultat.Visible()) continue;
        if (case_resultat.Text() == case_resultat.Tag()) {
            case_resultat.setBackColor(ui::green);
            ++justes_essai;
        } else {
            case_resultat.setBackColor(ui::red);
            ++fausses_essai;
        }
    }
    mettre_a_jour_totaux();
    f.Command2.setFocus();
}
