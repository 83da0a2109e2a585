#include "addition/Feuille_addition.h"

#include "addition/Module3.h"
#include "common/colonnes.h"
#include "common/images.h"
#include "common/jugement.h"
#include "common/noms.h"
#include "common/options.h"
#include "dialogs/Feuille_score.h"
#include "ui/keys.h"

namespace {

void Feuille_addition_Form_Load()
{
    option_long1 = 1;
    option_long2 = 1;
}

void Feuille_addition_Command2_Click()
{
    nouvelle_addition();
}

void Feuille_addition_Command3_Click()
{
    verifier_addition();
}

void Feuille_addition_Command1_Click()
{
    // The quit sequence unloads the window, whose unload comes back here.
    if (Feuille_addition->sortie_en_cours) return;
    Feuille_addition->sortie_en_cours = true;
    quitter_vers_score(Feuille_addition);
}

void Feuille_addition_Form_Unload()
{
    Feuille_addition_Command1_Click();
}

void Feuille_addition_mnu_long1_Click(std::int16_t Index)
{
    option_long1 = Index;
    cocher_seul(Feuille_addition->mnu_long1, Index);
}

void Feuille_addition_mnu_long2_Click(std::int16_t Index)
{
    option_long2 = Index;
    cocher_seul(Feuille_addition->mnu_long2, Index);
}

void Feuille_addition_mnu_choix_termes_Click()
{
    poser_termes_choisis();
}

void Feuille_addition_txt_résultat_GotFocus(std::int16_t Index)
{
    Feuille_addition->txt_résultat(Index).setText("");
}

void Feuille_addition_txt_résultat_KeyPress(std::int16_t, std::int16_t& KeyAscii)
{
    ui::filtre_chiffre(KeyAscii);
}

void Feuille_addition_txt_résultat_KeyUp(std::int16_t Index, std::int16_t KeyCode, std::int16_t)
{
    // A checked box keeps the focus, so that a correction can be typed in it.
    if (ui::touche_pave_chiffre(KeyCode) && !deja_jugee(Feuille_addition->txt_résultat(Index)))
        passer_case_suivante(Index);
}

constexpr int colonne_unites = 4560;
constexpr int pas_colonne = 480;
constexpr int cote_case = 375;
const ui::Font police_chiffres{"MS Sans Serif", 13.5, false};

ui::Design case_chiffre(const char* nom, std::int16_t k, int top, const char* ligne)
{
    return {.name = nom_d_element(nom, k),
            .caption = "?",
            .left = colonne_unites - pas_colonne * k,
            .top = top,
            .width = cote_case,
            .height = cote_case,
            .align = ui::Align::center,
            .font = police_chiffres,
            .accessible_name = QString("Chiffre des %1 %2").arg(nom_de_colonne(k), ligne)};
}

ui::Design bouton(const char* nom, const char* legende, int left, bool visible = true)
{
    return {.name = nom, .caption = legende, .left = left, .top = 3480, .width = 1095, .height = 615,
            .visible = visible};
}

}  // namespace

FeuilleAddition::FeuilleAddition()
    : ui::Form({.name = "Feuille_addition", .caption = "Addition", .width = 6555, .height = 5715,
                .icon = image_addition}),
      terme1(*this, ui::indices(0, 5),
             [](std::int16_t k) { return case_chiffre("terme1", k, 960, "du premier terme"); }),
      terme2(*this, ui::indices(0, 5),
             [](std::int16_t k) { return case_chiffre("terme2", k, 1560, "du deuxième terme"); }),
      signe(*this, {.name = "signe", .caption = "+", .left = 1560, .top = 1560, .width = 495, .height = 375,
                    .align = ui::Align::center, .font = police_chiffres,
                    .accessible_name = "Signe de l'opération"}),
      Line1(*this, {.x1 = 1440, .y1 = 2040, .x2 = 4920, .y2 = 2040}, true, "Line1"),
      txt_résultat(*this, ui::indices(0, 6),
                   [](std::int16_t k) {
                       ui::Design d = case_chiffre("txt_résultat", k, 2160, "du résultat");
                       d.align = ui::Align::right;
                       return d;
                   }),
      Command2(*this, bouton("Command2", "Commencer", 2880)),
      Command3(*this, bouton("Command3", "Vérifier", 1560, false)),
      Command1(*this, bouton("Command1", "Quitter", 4200)),
      mnu_add_options(*this, {.name = "mnu_add_options", .caption = "Options"}),
      mnu_prem_term(mnu_add_options, {.name = "mnu_prem_term", .caption = "Nb de chiffres du 1° terme"}),
      mnu_long1(mnu_prem_term, ui::indices(1, 6),
                [](std::int16_t i) { return entree_nombre_de_chiffres("mnu_long1", i); }),
      mnu_deux_term(mnu_add_options, {.name = "mnu_deux_term", .caption = "Nb de chiffres du 2° terme"}),
      mnu_long2(mnu_deux_term, ui::indices(1, 6),
                [](std::int16_t i) { return entree_nombre_de_chiffres("mnu_long2", i); }),
      mnu_choix_termes(mnu_add_options, {.name = "mnu_choix_termes", .caption = "Choisir les deux termes"}),
      mnu_pave(mnu_add_options, {.name = "mnu_pave", .caption = "Pavé numérique à l'écran"}),
      pave(*this, &mnu_pave)
{
    onLoad = Feuille_addition_Form_Load;
    onUnload = Feuille_addition_Form_Unload;
    Command2.onClick = Feuille_addition_Command2_Click;
    Command3.onClick = Feuille_addition_Command3_Click;
    Command1.onClick = Feuille_addition_Command1_Click;
    mnu_long1.onClick(Feuille_addition_mnu_long1_Click);
    mnu_long2.onClick(Feuille_addition_mnu_long2_Click);
    mnu_choix_termes.onClick = Feuille_addition_mnu_choix_termes_Click;
    txt_résultat.onGotFocus(Feuille_addition_txt_résultat_GotFocus);
    txt_résultat.onKeyPress(Feuille_addition_txt_résultat_KeyPress);
    txt_résultat.onKeyUp(Feuille_addition_txt_résultat_KeyUp);
    setTabOrder(Command2, txt_résultat, Command1, Command3);
    setInitialFocus(Command2);
}
