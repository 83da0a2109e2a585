#pragma once

#include <cstdint>
#include <vector>

// The multiplication's logic: procedures working on Feuille_principale and on
// the variables below, which live for the whole run.

// Ticked entry of each digit-count submenu: 1 any count, 2 to 5 that many digits.
extern std::int16_t option_facteur1, option_facteur2;
extern std::int32_t facteur1, facteur2;
// Digit k of each number (k = 1 the units) is element k - 1.
extern std::vector<std::int16_t> chiffres_facteur1, chiffres_facteur2;
extern std::int32_t produit;
extern std::int16_t nb_chiffres_produit;
extern std::vector<std::int16_t> chiffres_produit;
// Partial product j (digit j of the second factor times the first) is element j - 1,
// and so is its number of boxes.
extern std::vector<std::int32_t> produits_partiels;
extern std::vector<std::int16_t> long_partiels;
extern bool reperage;  // colour marking of the factor digits

// Setting up an operation.
void tirer_facteurs();
void calculer_produits_partiels();
void initialiser_couleurs();
void poser_multiplication();
void nouvelle_multiplication();
void recommencer_multiplication();
void choisir_facteurs();
void changer_option_facteur1(std::int16_t Index);
void changer_option_facteur2(std::int16_t Index);

// Entry and check.
void case_suivante_sommes(std::int16_t Index);
void case_suivante_produit(std::int16_t Index);
void verifier_multiplication();

// Table panel and colour marking.
void remplir_table();
void basculer_reperage();
void marquer_facteurs(std::int16_t Index);
void effacer_marque_facteurs(std::int16_t Index);
void effacer_marque_case_active();
