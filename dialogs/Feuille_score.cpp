#include "dialogs/Feuille_score.h"

#include "common/images.h"
#include "common/score.h"
#include "ui/numbers.h"

namespace {

void Feuille_score_Command1_Click()
{
    Feuille_score.hide();
    Feuille_score.unload();
}

const ui::Font nombre_geant{"Times New Roman", 48, false};

}  // namespace

FeuilleScore::FeuilleScore()
    : ui::Form({.name = "Feuille_score", .caption = "Score", .width = 4575, .height = 3600, .icon = image_tibalou,
                .dialog = true}),
      Label1(*this, {.name = "Label1",
                     .caption = "Ton score global de réussite au premier essai est de :",
                     .left = 720, .top = 480, .width = 3135, .height = 735,
                     .font = {"MS Sans Serif", 12, false},
                     .accessible_name = "Message du score"}),
      Label3(*this, {.name = "Label3", .left = 480, .top = 1440, .width = 2655, .height = 1215,
                     .align = ui::Align::right, .font = nombre_geant,
                     .accessible_name = "Score en pourcentage"}),
      Label2(*this, {.name = "Label2", .caption = "%", .left = 3240, .top = 1440, .width = 1095, .height = 1215,
                     .font = nombre_geant, .accessible_name = "Signe pour cent"}),
      Command1(*this, {.name = "Command1", .caption = "OK", .left = 1560, .top = 3000, .width = 1455, .height = 495,
                       .cancel = true})
{
    Command1.onClick = Feuille_score_Command1_Click;
    // The window opens on OK: the reader says the whole sentence with it.
    Command1.describedBy(Label1);
    Command1.describedBy(Label3);
    Command1.describedBy(Label2);
    setTabOrder(Command1);
}

void quitter_vers_score(ui::FormSlotBase& W)
{
    Feuille_score.load();
    Feuille_score->Label3.setCaption(ui::decimal_text(score_pourcent));
    // Shown while the exercise still has the keyboard, the score takes it
    // over; shown after, it would lose it to whatever window the window
    // manager falls back on.
    Feuille_score.show();
    W.hide();
    W.unload();
}
