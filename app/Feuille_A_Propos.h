#pragma once

#include "ui/form.h"

// The About window.
class FeuilleAPropos : public ui::Form {
public:
    FeuilleAPropos();

    ui::Label Label1;
    ui::Button Command1;
};

inline ui::FormSlot<FeuilleAPropos> Feuille_A_Propos;
