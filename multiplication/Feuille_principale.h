#pragma once

#include "dialogs/Feuille_A_Propos.h"
#include "ui/digit_pad.h"
#include "ui/form.h"

// The multiplication exercise: the operation laid out as on paper, with one
// shifted row per digit of the second factor and the product under them.
class FeuillePrincipale : public ui::Form {
public:
    FeuillePrincipale();

    ui::Menu mnu_fich;
    ui::MenuEntry mnu_commencer;
    ui::MenuEntry mnu_verifier;
    ui::MenuEntry mnu_quitter;
    ui::Menu mnu_options;
    ui::MenuEntry mnu_reperage;
    ui::Menu mnu_fact_1;
    ui::ControlArray<ui::MenuEntry> mnu_fact1_chiffre;  // 1..5
    ui::Menu mnu_fact_2;
    ui::ControlArray<ui::MenuEntry> mnu_fact2_chiffre;  // 1..5
    ui::MenuEntry mnu_choisir_facteurs;
    ui::MenuEntry mnu_pave;
    ui::Menu mnu_a_propos;
    ui::MenuEntry mnu_aide;  // Tables

    ui::Button cde_commencer;
    ui::Button Cde_recommencer;
    ui::Button cde_verifier;
    ui::Button cde_quitter;

    ui::ControlArray<ui::Label> Et_facteur1;  // 0..4, from the units
    ui::ControlArray<ui::Label> Et_facteur2;
    ui::Label lbl_signe_X;
    ui::Line Ligne1;
    ui::ControlArray<ui::TextBox> Et_sommes;  // 0..49: 10 × row + column
    ui::Line Ligne2;
    ui::ControlArray<ui::TextBox> Et_produit;  // 0..10, from the units

    // Declared last so that the panel lies over the boxes.
    ui::Frame fr_table;
    ui::Button Command1;  // OK
    ui::ControlArray<ui::Label> lbl_table;  // 0..99: 10 × row + column

    ui::DigitPad pave;  // after the boxes: read after them

    RaccourciAPropos raccourci_a_propos;  // Ctrl+Alt+M
};

inline ui::FormSlot<FeuillePrincipale> Feuille_principale;
