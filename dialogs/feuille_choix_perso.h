#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "ui/digit_pad.h"
#include "ui/form.h"

// The number choice dialog: two whole numbers typed by the pupil, handed over
// in choix_nombre1 and choix_nombre2 by "Envoi".
class FeuilleChoixPerso : public ui::Form {
public:
    FeuilleChoixPerso();

    ui::Label nombre1;
    ui::TextBox txt_nb1;
    ui::Label nombre2;
    ui::TextBox txt_nb2;
    ui::Button cde_envoi;
    ui::DigitPad pave;

    std::int16_t nb_saisis1 = 0;  // digits accepted since txt_nb1 got the focus
    std::int16_t nb_saisis2 = 0;
};

inline ui::FormSlot<FeuilleChoixPerso> feuille_choix_perso;

// Loads the dialog, captions its two numbers and shows it modally over the
// calling exercise window; returns once it has gone.
void ouvrir_choix_perso(const QString& legende1, const QString& legende2, ui::FormSlotBase& appelant);

// An exercise's menu entry for the pupil's own numbers: the entry ticked
// (the tick tells the exercise's set-up to take the pair rather than draw),
// the dialog shown, `poser` given the pair as it stands once the dialog has
// gone (closed by its close box, the last pair sent, perhaps to another
// exercise), the tick cleared.
void poser_paire_choisie(ui::MenuEntry& entree, const QString& legende1, const QString& legende2,
                         ui::FormSlotBase& exercice, const std::function<void(std::int32_t, std::int32_t)>& poser);
