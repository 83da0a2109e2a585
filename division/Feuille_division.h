#pragma once

#include "dialogs/Feuille_A_Propos.h"
#include "ui/digit_pad.h"
#include "ui/form.h"

// The long division exercise, laid out the French way: dividend left of the
// bar, divisor right of it, quotient under the divisor, remainder rows under
// the dividend.
class FeuilleDivision : public ui::Form {
public:
    FeuilleDivision();

    ui::ControlArray<ui::Label> Et_dividende;  // index = column, 0 the units
    ui::ControlArray<ui::Label> Et_diviseur;   // index = place, 0 the leftmost digit
    ui::ControlArray<ui::Label> Et_quotient;   // invisible: expected quotient digits
    ui::ControlArray<ui::Label> Et_reste;      // invisible: expected remainder digits
    ui::ControlArray<ui::TextBox> Txt_quotient;
    ui::ControlArray<ui::TextBox> Txt_reste;   // index = 10 × row + column
    ui::Line Line1;
    ui::Line Line2;
    ui::Button cde_GO;        // (Re-) Commencer
    ui::Button Command1;      // Autre opération
    ui::Button cde_verifier;  // Vérifier les calculs
    ui::Button Command2;      // Quitter

    ui::Frame Fr_aide;
    ui::TextBox Fr_aide_txt_chiffre;
    ui::Label Fr_aide_signe_plus;
    ui::Label Fr_aide_diviseur;
    ui::Label Fr_aide_signe_égal;
    ui::Label Fr_aide_résultat;

    ui::Menu mnu_fich;
    ui::MenuEntry mnu_quitter;
    ui::Menu mnu_options;
    ui::Menu mnu_dividende;
    ui::MenuEntry mnu_dvdende_2;
    ui::MenuEntry mnu_dvdende_3;
    ui::MenuEntry mnu_dvdende_4;
    ui::MenuEntry mnu_dvdende_5;
    ui::Menu mnu_diviseur;
    ui::MenuEntry mnu_dvseur_1;
    ui::MenuEntry mnu_dvseur_2;
    ui::MenuEntry mnu_dvseur_3;
    ui::MenuEntry mnu_dvseur_4;
    ui::MenuEntry mnu_dvseur_5;
    ui::MenuEntry mnu_choix_perso;
    ui::MenuEntry mnu_pave;
    ui::Menu mnu_aide;
    ui::MenuEntry mnu_affich_aide;

    ui::DigitPad pave;  // after the boxes: read after them

    RaccourciAPropos raccourci_a_propos;  // Ctrl+Alt+M
};

inline ui::FormSlot<FeuilleDivision> Feuille_division;
