#include "tests/tour.h"

#include "addition/Feuille_addition.h"
#include "app/Feuille_Tibalou.h"
#include "dialogs/Feuille_score.h"
#include "dialogs/feuille_choix_perso.h"
#include "division/Feuille_division.h"
#include "multiplication/Feuille_principale.h"
#include "tests/dialogue.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

void keypad(const QString& digits, ui::Focusable& anywhere)
{
    for (QChar digit : digits) keypad_digit(anywhere, digit.digitValue());
}

void look_when_active(const Look& look, ui::FormSlotBase& window, const char* name)
{
    wait_until_active(window);
    look(window, name);
}

// 47 + 38 answered 75: the units right, the tens wrong; then the score.
void addition(const Look& look)
{
    when_modal([&look] {
        auto& w = Feuille_addition();
        when_modal([&look] {
            type(feuille_choix_perso->txt_nb1, "47");
            click(feuille_choix_perso->txt_nb2);
            type(feuille_choix_perso->txt_nb2, "38");
            look_when_active(look, feuille_choix_perso, "choix-perso");
            click(feuille_choix_perso->cde_envoi);
        });
        choose(w.mnu_choix_termes);
        keypad("57", w.Command1);
        click(w.Command3);
        look_when_active(look, Feuille_addition, "addition");
        click(w.Command1);
    });
    click(Feuille_Tibalou->Command4);
    look_when_active(look, Feuille_score, "score");
    click(Feuille_score->Command1);
}

// 345 × 26 with one wrong digit in each partial product, then the table.
void multiplication(const Look& look)
{
    when_modal([&look] {
        auto& w = Feuille_principale();
        repondre_au_dialogue("345", "26");
        choose(w.mnu_choisir_facteurs);
        keypad("0720" "0096" "0798", w.cde_quitter);
        click(w.cde_verifier);
        look_when_active(look, Feuille_principale, "multiplication");
        choose(w.mnu_aide);
        look_when_active(look, Feuille_principale, "multiplication-table");
        click(w.Command1);
        click(w.cde_quitter);
    });
    click(Feuille_Tibalou->Command2);
    click(Feuille_score->Command1);
}

// 1234 ÷ 5 with a wrong last remainder, then the help panel trying 2 × 5.
void division(const Look& look)
{
    when_modal([&look] {
        auto& w = Feuille_division();
        repondre_au_dialogue("1234", "5");
        choose(w.mnu_choix_perso);
        click(w.Txt_quotient(0));
        keypad("22343465", w.Command2);
        click(w.cde_verifier);
        look_when_active(look, Feuille_division, "division");
        choose(w.mnu_affich_aide);
        click(w.Fr_aide_txt_chiffre);
        keypad("2", w.Command2);
        look_when_active(look, Feuille_division, "division-aide");
        click(w.Command2);
    });
    click(Feuille_Tibalou->Command1);
    click(Feuille_score->Command1);
}

}  // namespace

void tour(const Look& look)
{
    Feuille_Tibalou.show();
    look_when_active(look, Feuille_Tibalou, "menu-principal");
    click(Feuille_Tibalou->Command3);
    look_when_active(look, Feuille_Tibalou, "menu");
    addition(look);
    multiplication(look);
    division(look);
}
