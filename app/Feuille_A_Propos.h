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

// Ctrl+Alt+M in an exercise window with key preview opens the About window
// over it. Ctrl and Alt are often let go a moment before the M, so the chord
// also counts when the M went down with exactly Ctrl and Alt held.
void raccourci_a_propos_enfonce(std::int16_t KeyCode, std::int16_t Shift);
void raccourci_a_propos_relache(std::int16_t KeyCode, std::int16_t Shift, ui::FormSlotBase& fenetre);
