#pragma once

#include <cstdint>
#include <vector>

// Options: 1 any length, 2 to 6 that many digits.
extern std::int16_t option_long1;
extern std::int16_t option_long2;

// The two terms; once posed, valeur_terme1 >= valeur_terme2 and stands on top.
extern std::int32_t valeur_terme1;
extern std::int32_t valeur_terme2;
extern std::int32_t resultat_attendu;
extern std::int16_t nb_chiffres_resultat;

// The digits of each number, index 0 the units.
extern std::vector<std::int16_t> chiffres_terme1;
extern std::vector<std::int16_t> chiffres_terme2;
extern std::vector<std::int16_t> chiffres_resultat;

// Hides and empties every cell; the sign and the rule stay.
void effacer_addition();
// Draws two terms by the options, or takes the chosen pair while
// mnu_choix_termes is ticked, and lays the problem out.
void poser_addition();
// The start command and the chosen pair: a new problem, focus on the units.
void nouvelle_addition();
// The pupil's two terms, from the number choice dialog: a new problem.
void poser_termes_choisis();
// Where a keypad digit typed in result box Index sends the focus.
void passer_case_suivante(std::int16_t Index);
// Colours each visible result box and adds them to the running totals.
void verifier_addition();
