#include "division/Feuille_division.h"

#include "common/colonnes.h"
#include "common/images.h"
#include "common/jugement.h"
#include "common/noms.h"
#include "common/saisie.h"
#include "common/score.h"
#include "dialogs/Feuille_A_Propos.h"
#include "dialogs/Feuille_score.h"
#include "division/Module1.h"
#include "ui/keys.h"

namespace {

// Key codes that type nothing: the release of Tab that brought the focus, or
// of a modifier alone, is no try in the help panel.
constexpr std::int16_t key_tab = 9;
constexpr std::int16_t key_shift = 16;
constexpr std::int16_t key_alt = 18;

void Feuille_division_Form_Load()
{
    nb_chiffres_dividende = 4;
    nb_chiffres_diviseur = 1;
    // The totals start again at each opening, so that the rate shown on
    // leaving is the division's alone; the rate itself stays as it was until
    // a division check counts.
    total_chiffres = 0;
    total_justes = 0;
    nouvelle_division();
}

void Feuille_division_Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift)
{
    Feuille_division->raccourci_a_propos.enfonce(KeyCode, Shift);
}

void Feuille_division_Form_KeyUp(std::int16_t KeyCode, std::int16_t Shift)
{
    Feuille_division->raccourci_a_propos.relache(KeyCode, Shift, Feuille_division);
}

void Feuille_division_cde_GO_Click()
{
    effacer_division(&Feuille_division->Txt_quotient(0));
    afficher_division();
    commencer_dans(Feuille_division->Txt_quotient(0));
}

void Feuille_division_Command1_Click()
{
    nouvelle_division();
    Feuille_division->cde_GO.setFocus();
}

void Feuille_division_cde_verifier_Click()
{
    verifier_division();
}

void Feuille_division_Command2_Click()
{
    quitter_vers_score(Feuille_division);
}

void Feuille_division_mnu_quitter_Click()
{
    quitter_vers_score(Feuille_division);
}

void Feuille_division_Txt_quotient_GotFocus(std::int16_t Index)
{
    Feuille_division->Txt_quotient(Index).setText("");
}

void Feuille_division_Txt_reste_GotFocus(std::int16_t Index)
{
    Feuille_division->Txt_reste(Index).setText("");
}

void Feuille_division_Txt_KeyPress(std::int16_t, std::int16_t& KeyAscii)
{
    ui::filtre_chiffre(KeyAscii);
}

// A keypad digit moves on, unless the box has been judged already.
void Feuille_division_Txt_quotient_KeyUp(std::int16_t Index, std::int16_t KeyCode, std::int16_t)
{
    if (ui::touche_pave_chiffre(KeyCode) && !deja_jugee(Feuille_division->Txt_quotient(Index)))
        avancer_apres_quotient(Index);
}

void Feuille_division_Txt_reste_KeyUp(std::int16_t Index, std::int16_t KeyCode, std::int16_t)
{
    if (ui::touche_pave_chiffre(KeyCode) && !deja_jugee(Feuille_division->Txt_reste(Index)))
        avancer_apres_reste(Index);
}

void Feuille_division_mnu_options_Click()
{
    cocher_options();
}

void Feuille_division_mnu_dvdende_Click(std::int16_t nombre)
{
    nb_chiffres_dividende = nombre;
    nouvelle_division();
}

void Feuille_division_mnu_dvseur_Click(std::int16_t nombre)
{
    nb_chiffres_diviseur = nombre;
    nouvelle_division();
}

void Feuille_division_mnu_choix_perso_Click()
{
    prendre_nombres_choisis();
}

void Feuille_division_mnu_affich_aide_Click()
{
    basculer_aide();
}

void Feuille_division_Fr_aide_txt_chiffre_GotFocus()
{
    Feuille_division->Fr_aide_txt_chiffre.setText("");
    Feuille_division->Fr_aide_résultat.setCaption("");
}

// One digit is tried at a time, the last typed: the product then always
// fits, and the first release shows it and moves on.
void Feuille_division_Fr_aide_txt_chiffre_KeyPress(std::int16_t& KeyAscii)
{
    garder_dernier_chiffre(Feuille_division->Fr_aide_txt_chiffre, KeyAscii);
}

void Feuille_division_Fr_aide_txt_chiffre_KeyUp(std::int16_t KeyCode, std::int16_t)
{
    if (KeyCode == key_tab || (KeyCode >= key_shift && KeyCode <= key_alt)) return;
    essayer_chiffre_aide();
}

// Design

const ui::Font chiffres{"MS Sans Serif", 13.5, false};
const ui::Color vert_clair = 0x00C0FFC0;

int colonne(int c)
{
    return 3120 - 600 * c;
}

int place(int p)
{
    return 3960 + 600 * p;
}

QString ordinal(int p)
{
    return p == 0 ? QStringLiteral("1er") : QStringLiteral("%1e").arg(p + 1);
}

QString ligne_et_rang(int index)
{
    return QStringLiteral("ligne %1, chiffre des %2").arg(index / 10 + 1).arg(nom_de_colonne(index % 10));
}

ui::Design case_chiffre(const QString& name, int left, int top, const QString& accessible_name, bool visible = true)
{
    return {.name = name, .left = left, .top = top, .width = 375, .height = 495, .visible = visible,
            .align = ui::Align::center, .font = chiffres, .accessible_name = accessible_name};
}

ui::Design chiffre_attendu(const QString& name, int left, int top, const QString& accessible_name)
{
    return {.name = name, .left = left, .top = top, .width = 255, .height = 375, .visible = false,
            .accessible_name = accessible_name};
}

ui::Design aide(const char* name, const char* caption, int left, int width, int height, const char* accessible_name)
{
    return {.name = name, .caption = caption, .left = left, .top = 360, .width = width, .height = height,
            .back_color = vert_clair, .align = ui::Align::center, .font = chiffres,
            .accessible_name = accessible_name};
}

ui::Design bouton(const char* name, const char* caption, int left, int top)
{
    // Small enough for the longest caption to fit its button.
    return {.name = name, .caption = caption, .left = left, .top = top, .width = 1575, .height = 375,
            .font = {"MS Sans Serif", 8, false}};
}

ui::Design entree(const char* name, const char* caption)
{
    return {.name = name, .caption = caption};
}

std::vector<int> indices_restes()
{
    std::vector<int> all;
    for (int ligne = 0; ligne < 5; ++ligne)
        for (int c = 0; c < 5; ++c) all.push_back(10 * ligne + c);
    return all;
}

}  // namespace

FeuilleDivision::FeuilleDivision()
    : ui::Form({.name = "Feuille_division", .caption = "La division", .width = 7020, .height = 6330,
                .icon = image_division, .key_preview = true}),
      Et_dividende(*this, ui::indices(0, 4),
                   [](std::int16_t c) {
                       return case_chiffre(nom_d_element("Et_dividende", c), colonne(c), 1320,
                                           QStringLiteral("Dividende, chiffre des %1").arg(nom_de_colonne(c)));
                   }),
      Et_diviseur(*this, ui::indices(0, 4),
                  [](std::int16_t p) {
                      return case_chiffre(nom_d_element("Et_diviseur", p), place(p), 1320,
                                          QStringLiteral("Diviseur, %1 chiffre").arg(ordinal(p)));
                  }),
      Et_quotient(*this, ui::indices(0, 4),
                  [](std::int16_t p) {
                      return chiffre_attendu(nom_d_element("Et_quotient", p), place(p), 2040,
                                             QStringLiteral("Quotient attendu, %1 chiffre").arg(ordinal(p)));
                  }),
      Et_reste(*this, indices_restes(),
               [](std::int16_t i) {
                   return chiffre_attendu(nom_d_element("Et_reste", i), colonne(i % 10), 2040 + 600 * (i / 10),
                                          QStringLiteral("Reste attendu, ") + ligne_et_rang(i));
               }),
      Txt_quotient(*this, ui::indices(0, 4),
                   [](std::int16_t p) {
                       return case_chiffre(nom_d_element("Txt_quotient", p), place(p), 2040,
                                           QStringLiteral("Quotient, %1 chiffre").arg(ordinal(p)));
                   }),
      Txt_reste(*this, indices_restes(),
                [](std::int16_t i) {
                    return case_chiffre(nom_d_element("Txt_reste", i), colonne(i % 10), 2040 + 600 * (i / 10),
                                        QStringLiteral("Reste, ") + ligne_et_rang(i));
                }),
      Line1(*this, {3720, 1200, 3720, 4920}, true, "Line1"),
      Line2(*this, {3720, 1920, 6720, 1920}, true, "Line2"),
      cde_GO(*this, bouton("cde_GO", "(Re-) Commencer", 5280, 4800)),
      Command1(*this, bouton("Command1", "Autre opération", 5280, 5280)),
      cde_verifier(*this, bouton("cde_verifier", "Vérifier les calculs", 5280, 5760)),
      Command2(*this, bouton("Command2", "Quitter", 240, 5760)),
      Fr_aide(*this, {.name = "Fr_aide", .caption = "Aide", .left = 3840, .top = 2640, .width = 3015, .height = 975,
                      .visible = false, .back_color = vert_clair, .accessible_name = "Aide"}),
      Fr_aide_txt_chiffre(Fr_aide, {.name = "Fr_aide_txt_chiffre", .left = 240, .top = 360, .width = 375,
                                    .height = 375, .align = ui::Align::center, .font = chiffres,
                                    .accessible_name = "Chiffre à essayer"}),
      Fr_aide_signe_plus(Fr_aide, aide("Fr_aide_signe_plus", "x", 720, 375, 375, "Signe fois")),
      Fr_aide_diviseur(Fr_aide, aide("Fr_aide_diviseur", "", 960, 615, 375, "Diviseur de l'aide")),
      Fr_aide_signe_égal(Fr_aide, aide("Fr_aide_signe_égal", "=", 1560, 255, 255, "Signe égal")),
      Fr_aide_résultat(Fr_aide, aide("Fr_aide_résultat", "", 1920, 735, 375, "Produit de l'aide")),
      mnu_fich(*this, entree("mnu_fich", "Fichier")),
      mnu_quitter(mnu_fich, entree("mnu_quitter", "Quitter")),
      mnu_options(*this, entree("mnu_options", "Options")),
      mnu_dividende(mnu_options, entree("mnu_dividende", "Dividende")),
      mnu_dvdende_2(mnu_dividende, entree("mnu_dvdende_2", "à 2 chiffres")),
      mnu_dvdende_3(mnu_dividende, entree("mnu_dvdende_3", "à 3 chiffres")),
      mnu_dvdende_4(mnu_dividende, entree("mnu_dvdende_4", "à 4 chiffres")),
      mnu_dvdende_5(mnu_dividende, entree("mnu_dvdende_5", "à 5 chiffres")),
      mnu_diviseur(mnu_options, entree("mnu_diviseur", "Diviseur")),
      mnu_dvseur_1(mnu_diviseur, entree("mnu_dvseur_1", "à 1 chiffre")),
      mnu_dvseur_2(mnu_diviseur, entree("mnu_dvseur_2", "à 2 chiffres")),
      mnu_dvseur_3(mnu_diviseur, entree("mnu_dvseur_3", "à 3 chiffres")),
      mnu_dvseur_4(mnu_diviseur, entree("mnu_dvseur_4", "à 4 chiffres")),
      mnu_dvseur_5(mnu_diviseur, entree("mnu_dvseur_5", "à 5 chiffres")),
      mnu_choix_perso(mnu_options, entree("mnu_choix_perso", "Choisir les nombres")),
      mnu_pave(mnu_options, entree("mnu_pave", "Pavé numérique à l'écran")),
      mnu_aide(*this, entree("mnu_aide", "Aide")),
      mnu_affich_aide(mnu_aide, entree("mnu_affich_aide", "Aide simple")),
      pave(*this, &mnu_pave)
{
    onLoad = Feuille_division_Form_Load;
    onKeyDown = Feuille_division_Form_KeyDown;
    onKeyUp = Feuille_division_Form_KeyUp;
    cde_GO.onClick = Feuille_division_cde_GO_Click;
    Command1.onClick = Feuille_division_Command1_Click;
    cde_verifier.onClick = Feuille_division_cde_verifier_Click;
    Command2.onClick = Feuille_division_Command2_Click;
    mnu_quitter.onClick = Feuille_division_mnu_quitter_Click;

    Txt_quotient.onGotFocus(Feuille_division_Txt_quotient_GotFocus);
    Txt_quotient.onKeyPress(Feuille_division_Txt_KeyPress);
    Txt_quotient.onKeyUp(Feuille_division_Txt_quotient_KeyUp);
    Txt_reste.onGotFocus(Feuille_division_Txt_reste_GotFocus);
    Txt_reste.onKeyPress(Feuille_division_Txt_KeyPress);
    Txt_reste.onKeyUp(Feuille_division_Txt_reste_KeyUp);

    mnu_options.onClick = Feuille_division_mnu_options_Click;
    mnu_dvdende_2.onClick = [] { Feuille_division_mnu_dvdende_Click(2); };
    mnu_dvdende_3.onClick = [] { Feuille_division_mnu_dvdende_Click(3); };
    mnu_dvdende_4.onClick = [] { Feuille_division_mnu_dvdende_Click(4); };
    mnu_dvdende_5.onClick = [] { Feuille_division_mnu_dvdende_Click(5); };
    mnu_dvseur_1.onClick = [] { Feuille_division_mnu_dvseur_Click(1); };
    mnu_dvseur_2.onClick = [] { Feuille_division_mnu_dvseur_Click(2); };
    mnu_dvseur_3.onClick = [] { Feuille_division_mnu_dvseur_Click(3); };
    mnu_dvseur_4.onClick = [] { Feuille_division_mnu_dvseur_Click(4); };
    mnu_dvseur_5.onClick = [] { Feuille_division_mnu_dvseur_Click(5); };
    mnu_choix_perso.onClick = Feuille_division_mnu_choix_perso_Click;
    mnu_affich_aide.onClick = Feuille_division_mnu_affich_aide_Click;

    Fr_aide_txt_chiffre.onGotFocus = Feuille_division_Fr_aide_txt_chiffre_GotFocus;
    Fr_aide_txt_chiffre.onKeyPress = Feuille_division_Fr_aide_txt_chiffre_KeyPress;
    Fr_aide_txt_chiffre.onKeyUp = Feuille_division_Fr_aide_txt_chiffre_KeyUp;

    setTabOrder(Command1, Command2, Txt_quotient, Txt_reste, cde_verifier, cde_GO, Fr_aide_txt_chiffre);
    setInitialFocus(Command1);
}
