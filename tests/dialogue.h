#pragma once

#include <QString>

#include "dialogs/feuille_choix_perso.h"
#include "ui/testing.h"

// Once the number dialog is up, the pupil types the two numbers and sends them.
inline void repondre_au_dialogue(const QString& premier, const QString& second)
{
    ui::testing::when_modal([=] {
        ui::testing::type(feuille_choix_perso->txt_nb1, premier);
        ui::testing::click(feuille_choix_perso->txt_nb2);
        ui::testing::type(feuille_choix_perso->txt_nb2, second);
        ui::testing::click(feuille_choix_perso->cde_envoi);
    });
}
