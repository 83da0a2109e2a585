#pragma once

#include <cstdint>

namespace ui {
class TextBox;
}

// The long division: drawing, the expected digits, the lay-out of the boxes,
// the focus path and the check. Works on the controls of Feuille_division.

extern std::int16_t nb_chiffres_dividende;  // digits of a drawn dividend, 2 to 5
extern std::int16_t nb_chiffres_diviseur;   // digits of a drawn divisor, 1 to 5
extern std::int32_t dividende;
extern std::int32_t diviseur;
extern std::int32_t quotient;
// What is left of the dividend once the first i + 1 quotient digits are taken
// off, the digits not yet brought down still in place; 0 past the quotient.
extern std::int32_t restes[5];
extern std::int16_t chiffres_restes[5][5];  // (row, column from the units)

// Lay-out
void nouvelle_division();
void calculer_division();
void afficher_division();  // the current numbers, on boxes just emptied
void afficher_dividende(std::int32_t n);
void afficher_diviseur(std::int32_t n);
void afficher_quotient(std::int32_t n);
void poser_restes();
// Every box emptied and in its first colours, the help panel too; but the text
// of `premiere`, where the pupil starts, is left for commencer_dans.
void effacer_division(const ui::TextBox* premiere = nullptr);
void prendre_nombres_choisis();
void cocher_options();

// Entry and check
void avancer_apres_quotient(std::int16_t i);
void avancer_apres_reste(std::int32_t idx);
void verifier_division();

// Help panel
void basculer_aide();
void essayer_chiffre_aide();
