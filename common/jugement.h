#pragma once

#include "ui/colors.h"

namespace ui {
class TextBox;
}

// Judging the digit boxes of a check.

// Right when the box is not empty and reads as the expected number ("05" reads 5).
bool chiffre_juste(const ui::TextBox& box, double attendu);

// Paints the box green when right, red when wrong, and adds it to the check
// in progress (justes_essai or fausses_essai) when the pupil can see it.
void juger(ui::TextBox& box, bool juste);

// Judged by a check: the back colour is exactly the green or the red.
bool case_jugee(const ui::TextBox& box);

// Paints the box in its colour before any check; a screen reader no longer
// hears a verdict on it either.
void remettre_a_neuf(ui::TextBox& box, ui::Color couleur);
