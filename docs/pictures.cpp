// Renders the program's windows to PNG, driving them as a pupil does, so that
// the pictures of the README always show the program as it is.
//
//   pictures OUTPUT_FOLDER    (run by scripts/pictures.sh under a virtual X server)
#include <QCoreApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

#include "addition/Feuille_addition.h"
#include "app/Feuille_Tibalou.h"
#include "division/Feuille_division.h"
#include "dialogs/Feuille_score.h"
#include "dialogs/feuille_choix_perso.h"
#include "multiplication/Feuille_principale.h"
#include "tests/dialogue.h"
#include "ui/application.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

QDir output;
int failures = 0;

void picture(ui::FormSlotBase& window, const char* name)
{
    wait_until_active(window);
    const QString path = output.filePath(QString(name) + ".png");
    if (save_picture(window, path)) {
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "pictures: could not write %s\n", qPrintable(path));
        ++failures;
    }
}

// The same window as a pupil makes it on a large screen: twice its design.
void enlarged_picture(ui::FormSlotBase& slot, const char* name)
{
    QWidget& top = *window(slot);
    const QSize design = top.size();
    top.resize(design + client(slot)->size());
    QCoreApplication::processEvents();
    picture(slot, name);
    top.resize(design);
    QCoreApplication::processEvents();
}

void keypad(const QString& digits, ui::Focusable& anywhere)
{
    for (QChar digit : digits) keypad_digit(anywhere, digit.digitValue());
}

// 47 + 38 answered 75: the units right, the tens wrong; then the score.
void addition()
{
    when_modal([] {
        auto& w = Feuille_addition();
        when_modal([] {
            type(feuille_choix_perso->txt_nb1, "47");
            click(feuille_choix_perso->txt_nb2);
            type(feuille_choix_perso->txt_nb2, "38");
            picture(feuille_choix_perso, "choix-perso");
            click(feuille_choix_perso->cde_envoi);
        });
        choose(w.mnu_choix_termes);
        keypad("57", w.Command1);
        click(w.Command3);
        picture(Feuille_addition, "addition");
        click(w.Command1);
    });
    click(Feuille_Tibalou->Command4);
    picture(Feuille_score, "score");
    click(Feuille_score->Command1);
}

// 345 × 26 with one wrong digit in each partial product, then the table.
void multiplication()
{
    when_modal([] {
        auto& w = Feuille_principale();
        repondre_au_dialogue("345", "26");
        choose(w.mnu_choisir_facteurs);
        keypad("0720" "0096" "0798", w.cde_quitter);
        click(w.cde_verifier);
        picture(Feuille_principale, "multiplication");
        choose(w.mnu_aide);
        picture(Feuille_principale, "multiplication-table");
        click(w.Command1);
        click(w.cde_quitter);
    });
    click(Feuille_Tibalou->Command2);
    click(Feuille_score->Command1);
}

// 1234 ÷ 5 with a wrong last remainder, then the help panel trying 2 × 5.
void division()
{
    when_modal([] {
        auto& w = Feuille_division();
        repondre_au_dialogue("1234", "5");
        choose(w.mnu_choix_perso);
        click(w.Txt_quotient(0));
        keypad("22343465", w.Command2);
        click(w.cde_verifier);
        picture(Feuille_division, "division");
        enlarged_picture(Feuille_division, "division-agrandie");
        choose(w.mnu_affich_aide);
        click(w.Fr_aide_txt_chiffre);
        keypad("2", w.Command2);
        picture(Feuille_division, "division-aide");
        click(w.Command2);
    });
    click(Feuille_Tibalou->Command1);
    click(Feuille_score->Command1);
}

}  // namespace

int main(int argc, char** argv)
{
    ui::Application application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pictures OUTPUT_FOLDER\n");
        return 2;
    }
    output = QDir(QString::fromLocal8Bit(argv[1]));
    output.mkpath(".");

    Feuille_Tibalou.show();
    picture(Feuille_Tibalou, "menu-principal");
    click(Feuille_Tibalou->Command3);
    picture(Feuille_Tibalou, "menu");
    enlarged_picture(Feuille_Tibalou, "menu-agrandi");
    addition();
    multiplication();
    division();
    return failures == 0 ? 0 : 1;
}
