#include "dialogs/feuille_choix_perso.h"

#include "common/choix_perso.h"
#include "common/images.h"
#include "ui/numbers.h"

namespace {

// No leading zero, digits only, at most `limite` of them. An accepted digit
// goes at the end of the number whatever the cursor or a selection says:
// typed in front of the others, a 0 would lead.
void filtrer_chiffre_saisi(ui::TextBox& boite, std::int16_t& KeyAscii, std::int16_t& nb_saisis, std::int16_t limite)
{
    if (KeyAscii == '0' && nb_saisis == 0) KeyAscii = 0;
    if (KeyAscii >= '0' && KeyAscii <= '9' && nb_saisis < limite) {
        ++nb_saisis;
        boite.setText(boite.Text() + QChar(KeyAscii));
    }
    KeyAscii = 0;
}

void feuille_choix_perso_txt_nb1_GotFocus()
{
    feuille_choix_perso->txt_nb1.setText("");
    feuille_choix_perso->nb_saisis1 = 0;
}

void feuille_choix_perso_txt_nb2_GotFocus()
{
    feuille_choix_perso->txt_nb2.setText("");
    feuille_choix_perso->nb_saisis2 = 0;
}

void feuille_choix_perso_txt_nb1_KeyPress(std::int16_t& KeyAscii)
{
    filtrer_chiffre_saisi(feuille_choix_perso->txt_nb1, KeyAscii, feuille_choix_perso->nb_saisis1, 5);
}

void feuille_choix_perso_txt_nb2_KeyPress(std::int16_t& KeyAscii)
{
    // The multiplication's second factor has at most four digits.
    const std::int16_t limite = feuille_choix_perso->nombre2.Caption() == "Deuxième facteur =" ? 4 : 5;
    filtrer_chiffre_saisi(feuille_choix_perso->txt_nb2, KeyAscii, feuille_choix_perso->nb_saisis2, limite);
}

void feuille_choix_perso_cde_envoi_Click()
{
    choix_nombre1 = ui::numeric_value(feuille_choix_perso->txt_nb1.Text());
    choix_nombre2 = ui::to_int32(ui::numeric_value(feuille_choix_perso->txt_nb2.Text()));
    feuille_choix_perso.hide();
    feuille_choix_perso.unload();
}

const ui::Font legende{"MS Sans Serif", 12, false};

}  // namespace

FeuilleChoixPerso::FeuilleChoixPerso()
    : ui::Form({.name = "feuille_choix_perso", .caption = "Choix personnel", .width = 6360, .height = 2595,
                .icon = image_tibalou, .dialog = true}),
      nombre1(*this, {.name = "nombre1", .caption = "texte à compléter", .left = 240, .top = 480, .width = 2895,
                      .height = 375, .align = ui::Align::right, .font = legende}),
      txt_nb1(*this, {.name = "txt_nb1", .left = 3480, .top = 480, .width = 1695, .height = 375}),
      nombre2(*this, {.name = "nombre2", .caption = "texte à compléter", .left = 240, .top = 1080, .width = 2895,
                      .height = 495, .align = ui::Align::right, .font = legende}),
      txt_nb2(*this, {.name = "txt_nb2", .left = 3480, .top = 1080, .width = 1695, .height = 375}),
      cde_envoi(*this, {.name = "cde_envoi", .caption = "Envoi", .left = 2160, .top = 1800, .width = 1935,
                        .height = 495}),
      pave(*this)
{
    txt_nb1.onGotFocus = feuille_choix_perso_txt_nb1_GotFocus;
    txt_nb2.onGotFocus = feuille_choix_perso_txt_nb2_GotFocus;
    txt_nb1.onKeyPress = feuille_choix_perso_txt_nb1_KeyPress;
    txt_nb2.onKeyPress = feuille_choix_perso_txt_nb2_KeyPress;
    cde_envoi.onClick = feuille_choix_perso_cde_envoi_Click;
    // Each box is called by the caption beside it, "Premier facteur =".
    nombre1.labels(txt_nb1);
    nombre2.labels(txt_nb2);
    setTabOrder(txt_nb1, txt_nb2, cde_envoi);
}

void ouvrir_choix_perso(const QString& legende1, const QString& legende2, ui::FormSlotBase& appelant)
{
    feuille_choix_perso.load();
    feuille_choix_perso->nombre1.setCaption(legende1);
    feuille_choix_perso->nombre2.setCaption(legende2);
    feuille_choix_perso.showModal(appelant);
}

void poser_paire_choisie(ui::MenuEntry& entree, const QString& legende1, const QString& legende2,
                         ui::FormSlotBase& exercice, const std::function<void(std::int32_t, std::int32_t)>& poser)
{
    entree.setChecked(true);
    ouvrir_choix_perso(legende1, legende2, exercice);
    poser(ui::to_int32(choix_nombre1), choix_nombre2);
    entree.setChecked(false);
}
