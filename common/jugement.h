#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>

#include "ui/form.h"

// The check of the digit boxes, one path for the three exercises: each box
// judged, painted green or red, counted when the pupil sees it; the check
// added to the totals when it counts; the verdict said where the focus goes.

// A box's back colour is its state; each has one meaning in every exercise.
inline constexpr ui::Color fond_neutre = ui::system_window_background;  // not judged since the set-up
inline constexpr ui::Color fond_neutre_addition = ui::white;            // the same, in the addition
inline constexpr ui::Color fond_juste = ui::green;
inline constexpr ui::Color fond_faux = ui::red;
inline constexpr ui::Color fond_abaisse = ui::yellow;          // division: the dividend digit brought down
inline constexpr ui::Color fond_decalage = ui::light_yellow;  // multiplication: a shift place

// Green or red: judged by a check since the set-up.
bool deja_jugee(const ui::TextBox& box);
// Still in fond_neutre: no check has painted it since the set-up.
bool encore_neutre(const ui::TextBox& box);
// The division's box for the dividend digit brought down, not judged yet.
bool recoit_chiffre_abaisse(const ui::TextBox& box);

// Paints the box in its colour before any check; a screen reader no longer
// hears a verdict on it either.
void remettre_a_neuf(ui::TextBox& box, ui::Color couleur);

// How a box's text is held against its expected digit.
enum class Lecture {
    texte,           // the very text: "05" is wrong where 5 is expected
    chiffre,         // as a number, "05" reading 5; an empty box is wrong
    vide_pour_zero,  // as a number, an empty box reading 0
};

// A box's expected digit, from wherever its exercise keeps it.
struct Attendu {
    QString chiffre;
    Lecture lecture;
};

// A row of boxes and the expected digit of each, asked only of the boxes judged.
struct Rangee {
    ui::ControlArray<ui::TextBox>& cases;
    std::function<Attendu(std::int16_t Index)> attendu;
};

// Which boxes a check paints. Only those the pupil sees are counted.
enum class Peintes { visibles, toutes };

// Which checks go into the totals: every one, or only the first after a
// set-up, which finds `temoin`, a box every check paints, still neutral.
struct Comptage {
    const ui::TextBox* temoin;
};
inline Comptage chaque_verification() { return {nullptr}; }
inline Comptage premiere_apres_pose(const ui::TextBox& temoin) { return {&temoin}; }

// The check: the check in progress starts from nothing; the boxes of the
// rows, in order, are judged and painted; the totals take the check if it
// counts; the window says the verdict and `ensuite` takes the focus.
void verifier(ui::Form& fenetre, std::initializer_list<Rangee> rangees, Peintes peintes, Comptage comptage,
              ui::Focusable& ensuite);
