#include "multiplication/Module2.h"

#include <algorithm>
#include <limits>

#include "common/annonces.h"
#include "common/chiffres.h"
#include "common/jugement.h"
#include "common/nb_chiffres.h"
#include "common/options.h"
#include "common/saisie.h"
#include "common/tirage.h"
#include "dialogs/feuille_choix_perso.h"
#include "multiplication/Feuille_principale.h"
#include "ui/numbers.h"
#include "ui/random.h"

std::int16_t option_facteur1 = 1, option_facteur2 = 1;
std::int32_t facteur1 = 0, facteur2 = 0;
std::vector<std::int16_t> chiffres_facteur1, chiffres_facteur2;
std::int32_t produit = 0;
std::int16_t nb_chiffres_produit = 0;
std::vector<std::int16_t> chiffres_produit;
std::vector<std::int32_t> produits_partiels;
std::vector<std::int16_t> long_partiels;
bool reperage = false;

namespace {

void choisir_option(std::int16_t& option, ui::ControlArray<ui::MenuEntry>& entrees,
                    ui::MenuEntry& cinq_chiffres_de_l_autre, std::int16_t Index)
{
    option = Index;
    // Never five digits on both sides.
    cinq_chiffres_de_l_autre.setEnabled(Index != 5);
    cocher_seul(entrees, Index);
    nouvelle_multiplication();
}

}  // namespace

void tirer_facteurs()
{
    if (Feuille_principale->mnu_choisir_facteurs.Checked()) {
        nb_chiffres1 = nombre_de_chiffres(facteur1);
        nb_chiffres2 = nombre_de_chiffres(facteur2);
    } else {
        ui::randomize();
        do {
            nb_chiffres1 = nombre_de_chiffres_tire(option_facteur1);
            nb_chiffres2 = nombre_de_chiffres_tire(option_facteur2);
        } while (nb_chiffres1 == 5 && nb_chiffres2 == 5);
        facteur1 = nombre_tire(nb_chiffres1);
        facteur2 = nombre_tire(nb_chiffres2);
    }
    chiffres_facteur1 = chiffres_de(facteur1, nb_chiffres1);
    chiffres_facteur2 = chiffres_de(facteur2, nb_chiffres2);
    produit = ui::to_int32(static_cast<double>(facteur1) * facteur2);
    nb_chiffres_produit = nombre_de_chiffres(produit);
    chiffres_produit = chiffres_de(produit, nb_chiffres_produit);
}

void calculer_produits_partiels()
{
    produits_partiels.assign(nb_chiffres2, 0);
    long_partiels.assign(nb_chiffres2, 0);
    for (int j = 1; j <= nb_chiffres2; ++j)
        produits_partiels[j - 1] = ui::to_int32(static_cast<double>(chiffres_facteur2[j - 1]) * facteur1);
    // A partial product of 0 is written with one 0 per digit of the first factor.
    for (int j = 1; j <= nb_chiffres2; ++j)
        long_partiels[j - 1] =
            produits_partiels[j - 1] == 0 ? nb_chiffres1 : nombre_de_chiffres(produits_partiels[j - 1]);
}

void initialiser_couleurs()
{
    auto& f = Feuille_principale();
    for (auto i : f.Et_produit.indices()) remettre_a_neuf(f.Et_produit(i), fond_neutre);
    for (auto i : f.Et_sommes.indices()) {
        const auto c = extraire_chiffre(i, 1), r = extraire_chiffre(i, 2);
        remettre_a_neuf(f.Et_sommes(i), c >= r ? fond_neutre : fond_decalage);
    }
}

void poser_multiplication()
{
    auto& f = Feuille_principale();
    montrer_chiffres(f.Et_facteur1, chiffres_facteur1);
    montrer_chiffres(f.Et_facteur2, chiffres_facteur2);
    // The first box is emptied as the multiplication starts in it.
    for (auto i : f.Et_sommes.indices())
        if (i != 0) f.Et_sommes(i).setText("");
    for (auto i : f.Et_produit.indices()) f.Et_produit(i).setText("");

    for (int r = 0; r < 5; ++r) {
        const int colonnes = r < nb_chiffres2 ? r + long_partiels[r] : 0;
        for (int c = 0; c < 10; ++c) f.Et_sommes(10 * r + c).setVisible(c < colonnes);
    }
    for (auto i : f.Et_produit.indices()) f.Et_produit(i).setVisible(i < nb_chiffres_produit);

    const auto& plus_long = f.Et_facteur2(std::max(nb_chiffres1, nb_chiffres2) - 1);
    f.lbl_signe_X.setLeft(plus_long.Left() - 480);
    f.Ligne1.setX1(plus_long.Left());
    f.Ligne2.setX1(f.Et_produit(nb_chiffres_produit - 1).Left());

    const auto y = ui::to_int16(f.Et_sommes(10 * (nb_chiffres2 - 1)).Top() + 600.0);
    for (auto i : f.Et_produit.indices()) f.Et_produit(i).setTop(y);
    f.Ligne2.setY1(y - 120);
    f.Ligne2.setY2(y - 120);

    // A menu command leaves the focus where it was; already in the first box,
    // it gets no GotFocus, so its marking is made here.
    const bool deja_dans_la_premiere = f.focused() == &f.Et_sommes(0);
    commencer_dans(f.Et_sommes(0));
    if (deja_dans_la_premiere && reperage) marquer_facteurs(0);
}

void recommencer_multiplication()
{
    auto& f = Feuille_principale();
    initialiser_couleurs();
    f.Ligne2.setVisible(true);
    f.lbl_signe_X.setVisible(true);
    f.Ligne1.setVisible(true);
    f.announce(operation_lue(facteur1, "fois", facteur2));
    poser_multiplication();
}

void nouvelle_multiplication()
{
    auto& f = Feuille_principale();
    // The factors are about to change: the marking goes while its digits are known.
    effacer_marque_case_active();
    f.Cde_recommencer.setVisible(true);
    f.cde_commencer.setCaption("Autre calcul");
    tirer_facteurs();
    calculer_produits_partiels();
    recommencer_multiplication();
}

void choisir_facteurs()
{
    auto poser = [](std::int32_t premier, std::int32_t second) {
        // The last pair sent, to another exercise perhaps, may have five
        // digits on both sides: their product may not fit.
        if (static_cast<double>(premier) * second > std::numeric_limits<std::int32_t>::max()) return;
        facteur1 = premier;
        facteur2 = second;
        nouvelle_multiplication();
    };
    poser_paire_choisie(Feuille_principale->mnu_choisir_facteurs, "Premier facteur =", "Deuxième facteur =",
                        Feuille_principale, poser);
}

void changer_option_facteur1(std::int16_t Index)
{
    auto& f = Feuille_principale();
    choisir_option(option_facteur1, f.mnu_fact1_chiffre, f.mnu_fact2_chiffre(5), Index);
}

void changer_option_facteur2(std::int16_t Index)
{
    auto& f = Feuille_principale();
    choisir_option(option_facteur2, f.mnu_fact2_chiffre, f.mnu_fact1_chiffre(5), Index);
}

void case_suivante_sommes(std::int16_t Index)
{
    auto& f = Feuille_principale();
    for (int i = Index + 1; i <= 49; ++i)
        if (f.Et_sommes(i).Visible()) {
            f.Et_sommes(i).setFocus();
            return;
        }
    f.Et_produit(0).setFocus();
}

void case_suivante_produit(std::int16_t Index)
{
    case_suivante_ou(Feuille_principale->Et_produit, Index, Feuille_principale->cde_verifier);
}

void verifier_multiplication()
{
    auto& f = Feuille_principale();
    // A check started from the menu keeps the focus in its box until the end;
    // the marking goes first so that no factor digit stays green.
    effacer_marque_case_active();
    // The expected digits are worked out from the module's partial products
    // and product; a shift place may stay empty.
    auto attendu_somme = [](std::int16_t i) {
        const auto c = extraire_chiffre(i, 1), r = extraire_chiffre(i, 2);
        if (c < r) return Attendu{QStringLiteral("0"), Lecture::vide_pour_zero};
        return Attendu{ui::decimal_text(extraire_chiffre(produits_partiels[r], c - r + 1)), Lecture::chiffre};
    };
    auto attendu_produit = [](std::int16_t i) {
        return Attendu{ui::decimal_text(chiffres_produit[i]), Lecture::chiffre};
    };
    // Only the first check after a set-up counts, the score being "au premier
    // essai"; the units box of the first row is in every operation.
    verifier(f, {{f.Et_sommes, attendu_somme}, {f.Et_produit, attendu_produit}}, Peintes::visibles,
             premiere_apres_pose(f.Et_sommes(0)), f.cde_commencer);
}
