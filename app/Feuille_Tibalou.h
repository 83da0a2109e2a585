#pragma once

#include "ui/form.h"

// The main menu, open for the whole run.
class FeuilleTibalou : public ui::Form {
public:
    FeuilleTibalou();

    ui::Button Command4;  // Addition
    ui::Button Command5;  // Soustraction
    ui::Button Command1;  // Division
    ui::Button Command2;  // Multiplication
    ui::Button Command6;  // A propos...
    ui::Button cd_quitter_tout;
    // Declared after the buttons so that it lies over them.
    ui::Frame fr_hello;
    ui::Label Label2;
    ui::Button Command3;  // Commencer !
};

inline ui::FormSlot<FeuilleTibalou> Feuille_Tibalou;
