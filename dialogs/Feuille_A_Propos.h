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
// also counts when the M went down in this window with exactly Ctrl and Alt
// held, no key went down since, and no other modifier is held at its release.
// Each exercise window keeps one, which goes with the window: an M let go in
// a later window knows nothing of a press in an earlier one.
class RaccourciAPropos {
public:
    // Every key that goes down in the window, then every key that comes up.
    void enfonce(std::int16_t KeyCode, std::int16_t Shift);
    void relache(std::int16_t KeyCode, std::int16_t Shift, ui::FormSlotBase& fenetre);

private:
    bool m_enfonce_avec_ctrl_alt_ = false;
};
