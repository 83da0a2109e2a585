#include "division/Module1.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "common/annonces.h"
#include "common/chiffres.h"
#include "common/jugement.h"
#include "common/tirage.h"
#include "dialogs/feuille_choix_perso.h"
#include "division/Feuille_division.h"
#include "ui/numbers.h"
#include "ui/random.h"

std::int16_t nb_chiffres_dividende = 4;
std::int16_t nb_chiffres_diviseur = 1;
std::int32_t dividende = 0;
std::int32_t diviseur = 1;
std::int32_t quotient = 0;
std::int32_t restes[5] = {};
std::int16_t chiffres_restes[5][5] = {};

namespace {

constexpr int nb_rangs = 5;  // columns of the dividend, places of the quotient, remainder rows

double puissance_de_dix(int n)
{
    return std::pow(10.0, n);
}

// Digit p from the left of n, p = 0 the leading digit.
std::int16_t chiffre_de_gauche(std::int32_t n, int p)
{
    return extraire_chiffre(n, static_cast<std::int16_t>(nombre_de_chiffres(n) - p));
}

ui::TextBox& case_reste(int ligne, int colonne)
{
    return Feuille_division->Txt_reste(10 * ligne + colonne);
}

std::int16_t nb_chiffres_quotient()
{
    return nombre_de_chiffres(quotient);
}

}  // namespace

// Lay-out

// Worked out in full before the boxes are touched: a run-time error on the
// way leaves the division on screen, and the numbers behind it, as they were.
void nouvelle_division()
{
    calculer_division();
    effacer_division();
    afficher_division();
}

void calculer_division()
{
    std::int32_t a = dividende, b = diviseur;
    if (!Feuille_division->mnu_choix_perso.Checked()) {
        ui::randomize();
        a = nombre_tire(nb_chiffres_dividende);
        b = nombre_tire(nb_chiffres_diviseur);
    }
    const std::int32_t q = a / b;

    const int nq = nombre_de_chiffres(q);
    std::int32_t r[nb_rangs];
    std::int16_t chiffres[nb_rangs][nb_rangs];
    double reste = a;
    for (int i = 0; i < nb_rangs; ++i) {
        if (i < nq) reste -= chiffre_de_gauche(q, i) * static_cast<double>(b) * puissance_de_dix(nq - 1 - i);
        r[i] = i < nq ? ui::to_int32(reste) : 0;
        for (int k = 0; k < nb_rangs; ++k) chiffres[i][k] = extraire_chiffre(r[i], static_cast<std::int16_t>(k + 1));
    }
    dividende = a;
    diviseur = b;
    quotient = q;
    std::copy(std::begin(r), std::end(r), std::begin(restes));
    std::copy(&chiffres[0][0], &chiffres[0][0] + nb_rangs * nb_rangs, &chiffres_restes[0][0]);
}

void afficher_division()
{
    afficher_dividende(dividende);
    afficher_diviseur(diviseur);
    afficher_quotient(quotient);
    poser_restes();
    Feuille_division->announce(operation_lue(dividende, "divisé par", diviseur));
}

void afficher_dividende(std::int32_t n)
{
    auto& F = Feuille_division();
    const int m = nombre_de_chiffres(n);
    for (int c = 0; c < nb_rangs; ++c) {
        if (c < m) {
            F.Et_dividende(c).setCaption(ui::decimal_text(extraire_chiffre(n, static_cast<std::int16_t>(c + 1))));
            continue;
        }
        F.Et_dividende(c).setCaption("");
        for (int ligne = 0; ligne < nb_rangs; ++ligne) case_reste(ligne, c).setVisible(false);
    }
}

void afficher_diviseur(std::int32_t n)
{
    auto& F = Feuille_division();
    const int m = nombre_de_chiffres(n);
    for (int p = 0; p < nb_rangs; ++p)
        F.Et_diviseur(p).setCaption(p < m ? ui::decimal_text(chiffre_de_gauche(n, p)) : QString());
    F.Fr_aide_diviseur.setCaption(ui::decimal_text(n));
}

void afficher_quotient(std::int32_t n)
{
    auto& F = Feuille_division();
    const int m = nombre_de_chiffres(n);
    for (int p = 0; p < nb_rangs; ++p) {
        if (p < m) {
            F.Et_quotient(p).setCaption(ui::decimal_text(chiffre_de_gauche(n, p)));
        } else {
            F.Et_quotient(p).setCaption("0");
            F.Txt_quotient(p).setVisible(false);
        }
    }
}

void poser_restes()
{
    auto& F = Feuille_division();
    const int nq = nb_chiffres_quotient();
    for (int ligne = 0; ligne < nb_rangs; ++ligne) {
        for (int c = 0; c < nb_rangs; ++c) {
            F.Et_reste(10 * ligne + c).setCaption(ui::decimal_text(chiffres_restes[ligne][c]));
            if (ligne >= nq) case_reste(ligne, c).setVisible(false);
        }
        // No leading zeros: a remainder starts at its first digit that is not 0.
        for (int c = nb_rangs - 1; c >= 0 && ui::numeric_value(F.Et_reste(10 * ligne + c).Caption()) == 0; --c)
            case_reste(ligne, c).setVisible(false);
    }

    // Column of the units of the first partial dividend: the dividend holds
    // the divisor times 10^t exactly while the quotient has more than t digits.
    const int c0 = quotient == 0 ? -1 : nq - 1;
    for (int ligne = 0; ligne < c0; ++ligne) {
        for (int c = 0; c <= c0 - ligne - 2; ++c) case_reste(ligne, c).setVisible(false);
        ui::TextBox& abaisse = case_reste(ligne, c0 - 1 - ligne);
        abaisse.setVisible(true);
        abaisse.setBackColor(fond_abaisse);
        ui::TextBox& unites = case_reste(ligne, c0 - ligne);
        unites.setBackColor(fond_neutre);
        unites.setVisible(true);  // even when the remainder is 0
    }
    case_reste(nq - 1, 0).setVisible(true);
}

void effacer_division(const ui::TextBox* premiere)
{
    auto& F = Feuille_division();
    auto vider = [premiere](ui::TextBox& box) {
        remettre_a_neuf(box, fond_neutre);
        if (&box != premiere) box.setText("");
        box.setVisible(true);
    };
    for (auto p : F.Txt_quotient.indices()) vider(F.Txt_quotient(p));
    for (auto i : F.Txt_reste.indices()) vider(F.Txt_reste(i));
    F.Fr_aide_diviseur.setCaption("");
    F.Fr_aide_résultat.setCaption("");
    F.Fr_aide_txt_chiffre.setText("");
}

void prendre_nombres_choisis()
{
    auto poser = [](std::int32_t premier, std::int32_t second) {
        // A division by 0 has nothing to write: the one on screen stays as it
        // is, the pupil's entries included.
        if (second == 0) return;
        dividende = premier;
        diviseur = second;
        nouvelle_division();
        Feuille_division->cde_GO.setFocus();
    };
    poser_paire_choisie(Feuille_division->mnu_choix_perso, "dividende =", "diviseur =", Feuille_division, poser);
}

void cocher_options()
{
    auto& F = Feuille_division();
    const std::pair<ui::MenuEntry*, int> dividendes[] = {
        {&F.mnu_dvdende_2, 2}, {&F.mnu_dvdende_3, 3}, {&F.mnu_dvdende_4, 4}, {&F.mnu_dvdende_5, 5}};
    const std::pair<ui::MenuEntry*, int> diviseurs[] = {
        {&F.mnu_dvseur_1, 1}, {&F.mnu_dvseur_2, 2}, {&F.mnu_dvseur_3, 3}, {&F.mnu_dvseur_4, 4}, {&F.mnu_dvseur_5, 5}};
    for (auto [entree, n] : dividendes) entree->setChecked(n == nb_chiffres_dividende);
    for (auto [entree, n] : diviseurs) entree->setChecked(n == nb_chiffres_diviseur);
}

// Entry and check

void avancer_apres_quotient(std::int16_t i)
{
    // The units of the remainder of that digit: left of the yellow box, or
    // column 0 on the last row.
    int k = 0;
    while (!case_reste(i, k).Visible() || recoit_chiffre_abaisse(case_reste(i, k))) ++k;
    case_reste(i, k).setFocus();
}

void avancer_apres_reste(std::int32_t idx)
{
    auto& F = Feuille_division();
    const int c = extraire_chiffre(idx, 1);
    const int r = extraire_chiffre(idx, 2);
    const int nq = nb_chiffres_quotient();
    if (recoit_chiffre_abaisse(case_reste(r, c))) {
        // The digit brought down is written: on to the next quotient digit.
        if (r + 1 < nq)
            F.Txt_quotient(r + 1).setFocus();
        else
            F.cde_verifier.setFocus();
    } else if (c < nb_rangs - 1 && case_reste(r, c + 1).Visible()) {
        case_reste(r, c + 1).setFocus();
    } else if (r == nq - 1) {
        F.cde_verifier.setFocus();
    } else {
        // The remainder is written: the yellow box to its right, in this row only.
        for (int k = c - 1; k >= 0; --k)
            if (recoit_chiffre_abaisse(case_reste(r, k))) {
                case_reste(r, k).setFocus();
                return;
            }
    }
}

void verifier_division()
{
    auto& F = Feuille_division();
    // The expected digits stand in the hidden labels of the same index. An
    // empty quotient box reads as 0, an empty remainder box is wrong.
    auto attendu_reste = [&F](std::int16_t i) { return Attendu{F.Et_reste(i).Caption(), Lecture::chiffre}; };
    auto attendu_quotient = [&F](std::int16_t p) {
        return Attendu{F.Et_quotient(p).Caption(), Lecture::vide_pour_zero};
    };
    // Hidden boxes are painted too, never counted: a lay-out repaints every
    // box before it shows one. Only the first check after a lay-out counts,
    // the score being "au premier essai"; the first quotient box is in every
    // division.
    verifier(F, {{F.Txt_reste, attendu_reste}, {F.Txt_quotient, attendu_quotient}}, Peintes::toutes,
             premiere_apres_pose(F.Txt_quotient(0)), F.Command1);
}

// Help panel

void basculer_aide()
{
    auto& F = Feuille_division();
    const bool montrer = !F.mnu_affich_aide.Checked();
    F.Fr_aide.setVisible(montrer);
    F.mnu_affich_aide.setChecked(montrer);
}

void essayer_chiffre_aide()
{
    auto& F = Feuille_division();
    const double produit = ui::numeric_value(F.Fr_aide_txt_chiffre.Text()) * diviseur;
    F.Fr_aide_résultat.setCaption(ui::decimal_text(ui::to_int32(produit)));
    F.cde_verifier.setFocus();
}
