#pragma once

#include "ui/form.h"

// The score window: the success rate of the run, in whole percent.
class FeuilleScore : public ui::Form {
public:
    FeuilleScore();

    ui::Label Label1;
    ui::Label Label3;  // the number
    ui::Label Label2;  // "%"
    ui::Button Command1;
};

inline ui::FormSlot<FeuilleScore> Feuille_score;

// The quit path of every exercise window: the score window shows the rate,
// the exercise window is hidden and unloaded, the score window is shown.
void quitter_vers_score(ui::FormSlotBase& W);
