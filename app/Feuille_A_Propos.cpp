#include "app/Feuille_A_Propos.h"

#include "app/images.h"

namespace {

void Feuille_A_Propos_Command1_Click()
{
    Feuille_A_Propos.hide();
    Feuille_A_Propos.unload();
}

const ui::Font texte{"", 9.75, false};

}  // namespace

FeuilleAPropos::FeuilleAPropos()
    : ui::Form({.name = "Feuille_A_Propos", .caption = "A propos...", .width = 3465, .height = 1680,
                .icon = image_tibalou}),
      Label1(*this, {.name = "Label1", .caption = "Écrit en C++ avec Qt 6.", .left = 120,
                     .top = 720, .width = 3135, .height = 375, .align = ui::Align::center, .font = texte,
                     .accessible_name = "Comment ce logiciel a été fait"}),
      Command1(*this, {.name = "Command1", .caption = "OK", .left = 720, .top = 1200, .width = 2055, .height = 375,
                       .font = texte})
{
    Command1.onClick = Feuille_A_Propos_Command1_Click;
    setTabOrder(Command1);
}
