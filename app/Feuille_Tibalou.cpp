#include "app/Feuille_Tibalou.h"

#include "addition/Feuille_addition.h"
#include "common/images.h"
#include "dialogs/Feuille_A_Propos.h"
#include "division/Feuille_division.h"
#include "multiplication/Feuille_principale.h"

namespace {

void Feuille_Tibalou_Command3_Click()
{
    Feuille_Tibalou->fr_hello.setVisible(false);
}

void Feuille_Tibalou_Command1_Click()
{
    Feuille_division.openModal(Feuille_Tibalou);
}

void Feuille_Tibalou_Command2_Click()
{
    Feuille_principale.openModal(Feuille_Tibalou);
}

void Feuille_Tibalou_Command4_Click()
{
    Feuille_addition.openModal(Feuille_Tibalou);
}

// The sign is the only thing that makes the addition window a subtraction.
void Feuille_Tibalou_Command5_Click()
{
    Feuille_addition.load();
    Feuille_addition->signe.setCaption("-");
    Feuille_addition.openModal(Feuille_Tibalou);
}

void Feuille_Tibalou_Command6_Click()
{
    Feuille_A_Propos.openModal(Feuille_Tibalou);
}

void Feuille_Tibalou_cd_quitter_tout_Click()
{
    ui::end_program();
}

ui::Design bouton_image(const char* name, const char* caption, int left, int top, const char* picture)
{
    return {.name = name, .caption = caption, .left = left, .top = top, .width = 1335, .height = 1215,
            .picture = picture, .picture_style = true};
}

}  // namespace

FeuilleTibalou::FeuilleTibalou()
    : ui::Form({.name = "Feuille_Tibalou", .caption = "Tibalou", .width = 6555, .height = 5715,
                .icon = image_tibalou}),
      Command4(*this, bouton_image("Command4", "Addition", 1680, 1080, image_addition)),
      Command5(*this, bouton_image("Command5", "Soustraction", 3720, 1080, image_soustraction)),
      Command1(*this, bouton_image("Command1", "Division", 1680, 2400, image_division)),
      Command2(*this, bouton_image("Command2", "Multiplication", 3720, 2400, image_multiplication)),
      Command6(*this, bouton_image("Command6", "A propos...", 1680, 3720, nullptr)),
      cd_quitter_tout(*this, {.name = "cd_quitter_tout", .caption = "Quitter", .left = 3720, .top = 3720,
                              .width = 1335, .height = 1215}),
      fr_hello(*this, {.name = "fr_hello", .caption = "Bienvenue ! ", .left = 960, .top = 480, .width = 4815,
                       .height = 4695, .accessible_name = "Bienvenue"}),
      Label2(fr_hello, {.name = "Label2",
                        .caption = "Ceci est un petit logiciel qui vous permettra de vous entraîner à poser les "
                                   "quatres opérations de base.",
                        .left = 360, .top = 600, .width = 4095, .height = 1935, .align = ui::Align::center,
                        .font = {"MS Sans Serif", 13.5, true}, .accessible_name = "Message de bienvenue"}),
      Command3(fr_hello, {.name = "Command3", .caption = "Commencer !", .left = 1680, .top = 3000, .width = 1335,
                          .height = 735})
{
    Command3.onClick = Feuille_Tibalou_Command3_Click;
    Command1.onClick = Feuille_Tibalou_Command1_Click;
    Command2.onClick = Feuille_Tibalou_Command2_Click;
    Command4.onClick = Feuille_Tibalou_Command4_Click;
    Command5.onClick = Feuille_Tibalou_Command5_Click;
    Command6.onClick = Feuille_Tibalou_Command6_Click;
    cd_quitter_tout.onClick = Feuille_Tibalou_cd_quitter_tout_Click;
    // The welcome is heard with the button the window opens on.
    Command3.describedBy(Label2);
    setTabOrder(Command1, Command2, cd_quitter_tout, Command3, Command4, Command5, Command6);
    // The welcome panel covers the other buttons: start on its own button.
    setInitialFocus(Command3);
}
