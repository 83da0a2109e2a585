#include "multiplication/Feuille_principale.h"

#include "common/colonnes.h"
#include "common/images.h"
#include "common/jugement.h"
#include "common/noms.h"
#include "common/options.h"
#include "common/saisie.h"
#include "dialogs/Feuille_A_Propos.h"
#include "dialogs/Feuille_score.h"
#include "multiplication/Module2.h"
#include "ui/keys.h"

namespace {

void Feuille_principale_Form_Load()
{
    remplir_table();
    reperage = false;
    option_facteur1 = 1;
    option_facteur2 = 1;
}

void Feuille_principale_cde_commencer_Click()
{
    nouvelle_multiplication();
}

void Feuille_principale_mnu_commencer_Click()
{
    nouvelle_multiplication();
}

void Feuille_principale_Cde_recommencer_Click()
{
    recommencer_multiplication();
}

void Feuille_principale_mnu_fact1_chiffre_Click(std::int16_t Index)
{
    changer_option_facteur1(Index);
}

void Feuille_principale_mnu_fact2_chiffre_Click(std::int16_t Index)
{
    changer_option_facteur2(Index);
}

void Feuille_principale_mnu_choisir_facteurs_Click()
{
    choisir_facteurs();
}

void Feuille_principale_Et_sommes_KeyPress(std::int16_t Index, std::int16_t& KeyAscii)
{
    garder_dernier_chiffre(Feuille_principale->Et_sommes(Index), KeyAscii);
}

void Feuille_principale_Et_produit_KeyPress(std::int16_t Index, std::int16_t& KeyAscii)
{
    garder_dernier_chiffre(Feuille_principale->Et_produit(Index), KeyAscii);
}

void Feuille_principale_Et_sommes_KeyUp(std::int16_t Index, std::int16_t KeyCode, std::int16_t)
{
    if (ui::touche_pave_chiffre(KeyCode)) case_suivante_sommes(Index);
}

void Feuille_principale_Et_produit_KeyUp(std::int16_t Index, std::int16_t KeyCode, std::int16_t)
{
    if (ui::touche_pave_chiffre(KeyCode)) case_suivante_produit(Index);
}

void Feuille_principale_Et_sommes_GotFocus(std::int16_t Index)
{
    if (reperage) marquer_facteurs(Index);
}

void Feuille_principale_Et_sommes_LostFocus(std::int16_t Index)
{
    effacer_marque_facteurs(Index);
}

void Feuille_principale_cde_verifier_Click()
{
    verifier_multiplication();
}

void Feuille_principale_mnu_verifier_Click()
{
    verifier_multiplication();
}

void Feuille_principale_Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift)
{
    Feuille_principale->raccourci_a_propos.enfonce(KeyCode, Shift);
}

void Feuille_principale_Form_KeyUp(std::int16_t KeyCode, std::int16_t Shift)
{
    Feuille_principale->raccourci_a_propos.relache(KeyCode, Shift, Feuille_principale);
}

void Feuille_principale_cde_quitter_Click()
{
    quitter_vers_score(Feuille_principale);
}

void Feuille_principale_mnu_quitter_Click()
{
    quitter_vers_score(Feuille_principale);
}

void Feuille_principale_mnu_aide_Click()
{
    Feuille_principale->fr_table.setVisible(true);
}

void Feuille_principale_Command1_Click()
{
    Feuille_principale->fr_table.setVisible(false);
}

void Feuille_principale_mnu_reperage_Click()
{
    basculer_reperage();
}

const ui::Font chiffre{"MS Sans Serif", 12, true};

// Left edge of column c, counting leftwards from the units.
int colonne(int c)
{
    return 5760 - 480 * c;
}

ui::Design chiffre_facteur(const char* tableau, std::int16_t i, int top, const char* caption, const char* quel)
{
    return {.name = nom_d_element(tableau, i), .caption = caption, .left = colonne(i), .top = top, .width = 255,
            .height = 375, .visible = false, .align = ui::Align::center, .font = chiffre,
            .accessible_name = QStringLiteral("Chiffre des %1 du %2 facteur").arg(nom_de_colonne(i), quel)};
}

ui::Design case_produit_partiel(std::int16_t i)
{
    const int c = i % 10, r = i / 10;
    const bool decalage = c < r;
    return {.name = nom_d_element("Et_sommes", i), .left = colonne(c), .top = 2160 + 480 * r, .width = 375,
            .height = 375, .visible = false,
            .back_color = decalage ? fond_decalage : fond_neutre,
            .align = ui::Align::center, .font = chiffre,
            .accessible_name = QStringLiteral("Produit partiel %1, %2 des %3")
                                   .arg(r + 1)
                                   .arg(decalage ? QStringLiteral("décalage") : QStringLiteral("chiffre"),
                                        nom_de_colonne(c))};
}

ui::Design case_produit(std::int16_t i)
{
    return {.name = nom_d_element("Et_produit", i), .left = colonne(i), .top = 4680, .width = 375, .height = 375,
            .visible = false, .align = ui::Align::center, .font = chiffre,
            .accessible_name = QStringLiteral("Chiffre des %1 du produit").arg(nom_de_colonne(i))};
}

ui::Design case_table(std::int16_t i)
{
    const int u = i % 10, t = i / 10;
    ui::Design design{.name = nom_d_element("lbl_table", i), .left = 480 + 360 * u, .top = 480 + 360 * t,
                      .width = 375, .height = 375, .align = ui::Align::center,
                      .font = {"MS Sans Serif", 9.75, false}, .border = true};
    if (i == 0) {
        design.caption = "X";
        design.font.bold = true;
        design.back_color = 0x00FF8080;
        design.accessible_name = "Signe fois de la table";
    } else if (t == 0 || u == 0) {
        design.back_color = 0x00FFC0C0;
        design.accessible_name = t == 0 ? QStringLiteral("Colonne %1").arg(u) : QStringLiteral("Ligne %1").arg(t);
    } else {
        design.accessible_name = QStringLiteral("%1 fois %2").arg(t).arg(u);
    }
    return design;
}

ui::Design bouton(const char* name, const char* caption, int top, bool visible = true)
{
    return {.name = name, .caption = caption, .left = 120, .top = top, .width = 1095, .height = 375,
            .visible = visible};
}

}  // namespace

FeuillePrincipale::FeuillePrincipale()
    : ui::Form({.name = "Feuille_principale", .caption = "Poser une multiplication", .width = 6390,
                .height = 5355, .icon = image_multiplication, .key_preview = true}),
      mnu_fich(*this, {.name = "mnu_fich", .caption = "Fichier"}),
      mnu_commencer(mnu_fich, {.name = "mnu_commencer", .caption = "Commencer"}),
      mnu_verifier(mnu_fich, {.name = "mnu_verifier", .caption = "Vérifier"}),
      mnu_quitter(mnu_fich, {.name = "mnu_quitter", .caption = "Quitter"}),
      mnu_options(*this, {.name = "mnu_options", .caption = "Options"}),
      mnu_reperage(mnu_options, {.name = "mnu_reperage", .caption = "Repérage coloré"}),
      mnu_fact_1(mnu_options, {.name = "mnu_fact_1", .caption = "1er Facteur"}),
      mnu_fact1_chiffre(mnu_fact_1, ui::indices(1, 5),
                        [](std::int16_t i) { return entree_nombre_de_chiffres("mnu_fact1_chiffre", i); }),
      mnu_fact_2(mnu_options, {.name = "mnu_fact_2", .caption = "2eme Facteur"}),
      mnu_fact2_chiffre(mnu_fact_2, ui::indices(1, 5),
                        [](std::int16_t i) { return entree_nombre_de_chiffres("mnu_fact2_chiffre", i); }),
      mnu_choisir_facteurs(mnu_options, {.name = "mnu_choisir_facteurs", .caption = "Choisir les facteurs"}),
      mnu_pave(mnu_options, {.name = "mnu_pave", .caption = "Pavé numérique à l'écran"}),
      mnu_a_propos(*this, {.name = "mnu_a_propos", .caption = "Aide"}),
      mnu_aide(mnu_a_propos, {.name = "mnu_aide", .caption = "Tables"}),
      cde_commencer(*this, bouton("cde_commencer", "Commencer", 840)),
      Cde_recommencer(*this, bouton("Cde_recommencer", "Au début", 1320, false)),
      cde_verifier(*this, bouton("cde_verifier", "Vérifier", 1800)),
      cde_quitter(*this, bouton("cde_quitter", "Quitter", 2280)),
      Et_facteur1(*this, ui::indices(0, 4),
                  [](std::int16_t i) { return chiffre_facteur("Et_facteur1", i, 960, "1", "premier"); }),
      Et_facteur2(*this, ui::indices(0, 4),
                  [](std::int16_t i) { return chiffre_facteur("Et_facteur2", i, 1560, "2", "deuxième"); }),
      lbl_signe_X(*this, {.name = "lbl_signe_X", .caption = "X", .left = 3360, .top = 1560, .width = 255,
                          .height = 375, .visible = false, .align = ui::Align::center, .font = chiffre,
                          .accessible_name = "Signe de la multiplication"}),
      Ligne1(*this, {3720, 2040, 6120, 2040}, false, "Ligne1"),
      Et_sommes(*this, ui::indices(0, 49), case_produit_partiel),
      Ligne2(*this, {1320, 4560, 6120, 4560}, false, "Ligne2"),
      Et_produit(*this, ui::indices(0, 10), case_produit),
      fr_table(*this, {.name = "fr_table", .caption = "Table de multiplication ", .left = 1440, .top = 240,
                       .width = 4695, .height = 4935, .visible = false}),
      Command1(fr_table, {.name = "Command1", .caption = "OK", .left = 1920, .top = 4320, .width = 975,
                          .height = 375, .accessible_name = "OK, fermer la table"}),
      lbl_table(fr_table, ui::indices(0, 99), case_table),
      pave(*this, &mnu_pave)
{
    onLoad = Feuille_principale_Form_Load;
    onKeyDown = Feuille_principale_Form_KeyDown;
    onKeyUp = Feuille_principale_Form_KeyUp;
    mnu_commencer.onClick = Feuille_principale_mnu_commencer_Click;
    mnu_verifier.onClick = Feuille_principale_mnu_verifier_Click;
    mnu_quitter.onClick = Feuille_principale_mnu_quitter_Click;
    mnu_reperage.onClick = Feuille_principale_mnu_reperage_Click;
    mnu_fact1_chiffre.onClick(Feuille_principale_mnu_fact1_chiffre_Click);
    mnu_fact2_chiffre.onClick(Feuille_principale_mnu_fact2_chiffre_Click);
    mnu_choisir_facteurs.onClick = Feuille_principale_mnu_choisir_facteurs_Click;
    mnu_aide.onClick = Feuille_principale_mnu_aide_Click;
    cde_commencer.onClick = Feuille_principale_cde_commencer_Click;
    Cde_recommencer.onClick = Feuille_principale_Cde_recommencer_Click;
    cde_verifier.onClick = Feuille_principale_cde_verifier_Click;
    cde_quitter.onClick = Feuille_principale_cde_quitter_Click;
    Command1.onClick = Feuille_principale_Command1_Click;
    Et_sommes.onKeyPress(Feuille_principale_Et_sommes_KeyPress);
    Et_produit.onKeyPress(Feuille_principale_Et_produit_KeyPress);
    Et_sommes.onKeyUp(Feuille_principale_Et_sommes_KeyUp);
    Et_produit.onKeyUp(Feuille_principale_Et_produit_KeyUp);
    Et_sommes.onGotFocus(Feuille_principale_Et_sommes_GotFocus);
    Et_sommes.onLostFocus(Feuille_principale_Et_sommes_LostFocus);
    fr_table.readAsTable(lbl_table, 10);
    setTabOrder(cde_commencer, Cde_recommencer, Et_sommes, Et_produit, cde_verifier, cde_quitter, Command1);
    setInitialFocus(cde_commencer);
}
