#include "addition/Module3.h"

#include <utility>

#include "addition/Feuille_addition.h"
#include "common/annonces.h"
#include "common/chiffres.h"
#include "common/jugement.h"
#include "common/nb_chiffres.h"
#include "common/saisie.h"
#include "common/tirage.h"
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
        remettre_a_neuf(f.txt_résultat(k), fond_neutre_addition);
        // The units box stays: every result has units, and the next addition
        // starts there (commencer_dans empties it). Hidden with the focus in
        // it, it would send the focus along the row and back.
        if (k == 0) continue;
        f.txt_résultat(k).setText("");
        f.txt_résultat(k).setVisible(false);
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
        nb_chiffres1 = nombre_de_chiffres_tire(option_long1);
        nb_chiffres2 = nombre_de_chiffres_tire(option_long2);
        valeur_terme1 = nombre_tire(nb_chiffres1);
        valeur_terme2 = nombre_tire(nb_chiffres2);
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

    montrer_chiffres(f.terme1, chiffres_terme1);
    // One column left of the top term's leading digit, on the second term's row.
    f.signe.setLeft(f.terme1(nb_chiffres1 - 1).Left() - 480);
    montrer_chiffres(f.terme2, chiffres_terme2);
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
    f.announce(operation_lue(valeur_terme1, f.signe.Caption() == "+" ? "plus" : "moins", valeur_terme2));
    commencer_dans(f.txt_résultat(0));
}

void poser_termes_choisis()
{
    auto poser = [](std::int32_t premier, std::int32_t second) {
        valeur_terme1 = premier;
        valeur_terme2 = second;
        nouvelle_addition();
    };
    poser_paire_choisie(Feuille_addition->mnu_choix_termes, "Premier terme =", "Deuxième terme =", Feuille_addition,
                        poser);
}

void passer_case_suivante(std::int16_t Index)
{
    // Before the first start "Vérifier" is hidden: the focus then stays put.
    case_suivante_ou(Feuille_addition->txt_résultat, Index, Feuille_addition->Command3);
}

void verifier_addition()
{
    FeuilleAddition& f = Feuille_addition();
    // Each box keeps its expected digit in its Tag, held as text: "05" is wrong.
    auto attendu = [&f](std::int16_t k) { return Attendu{f.txt_résultat(k).Tag(), Lecture::texte}; };
    // Every check counts, a problem's corrections included, though the score
    // says "au premier essai": the addition has always scored so, and pupils'
    // rates would change with it.
    verifier(f, {{f.txt_résultat, attendu}}, Peintes::visibles, chaque_verification(), f.Command2);
}
