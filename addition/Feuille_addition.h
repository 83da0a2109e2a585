#pragma once

#include "ui/digit_pad.h"
#include "ui/form.h"

// The addition and subtraction exercise: the caption of `signe` ("+" or "-")
// decides which of the two the window sets.
class FeuilleAddition : public ui::Form {
public:
    FeuilleAddition();

    ui::ControlArray<ui::Label> terme1;  // top term, index 0 the units
    ui::ControlArray<ui::Label> terme2;
    ui::Label signe;
    ui::Line Line1;
    ui::ControlArray<ui::TextBox> txt_résultat;  // Tag: the expected digit
    ui::Button Command2;  // Commencer / Autre calcul
    ui::Button Command3;  // Vérifier
    ui::Button Command1;  // Quitter

    ui::Menu mnu_add_options;
    ui::Menu mnu_prem_term;
    ui::ControlArray<ui::MenuEntry> mnu_long1;
    ui::Menu mnu_deux_term;
    ui::ControlArray<ui::MenuEntry> mnu_long2;
    ui::MenuEntry mnu_choix_termes;
    ui::MenuEntry mnu_pave;
    ui::DigitPad pave;  // after the boxes: read after them

    // Set once the quit sequence has started, so that the unload it causes
    // does not start it again.
    bool sortie_en_cours = false;
};

inline ui::FormSlot<FeuilleAddition> Feuille_addition;
