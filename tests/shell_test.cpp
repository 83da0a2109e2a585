// The main menu, the About window, the number choice dialog, the score, and
// what the exercises share.
#include <cmath>

#include "addition/Feuille_addition.h"
#include "app/Feuille_Tibalou.h"
#include "common/chiffres.h"
#include "common/choix_perso.h"
#include "common/tirage.h"
#include "dialogs/Feuille_score.h"
#include "division/Feuille_division.h"
#include "multiplication/Feuille_principale.h"
#include "tests/exercice.h"

using namespace ui::testing;

namespace {

// An exercise window stand-in, to open the dialog from and to quit.
class FenetreExercice : public ui::Form {
public:
    FenetreExercice()
        : ui::Form({.name = "Fenetre_exercice", .caption = "Exercice", .width = 3000, .height = 1500}),
          quitter(*this, {.name = "quitter", .caption = "Quitter", .left = 120, .top = 120, .width = 1000,
                          .height = 375})
    {
    }
    ui::Button quitter;
};

ui::FormSlot<FenetreExercice> Fenetre_exercice;

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (ui::FormSlotBase* slot : std::initializer_list<ui::FormSlotBase*>{
                 &feuille_choix_perso, &Feuille_A_Propos, &Feuille_score, &Fenetre_exercice, &Feuille_Tibalou,
                 &Feuille_addition, &Feuille_principale, &Feuille_division})
            slot->unload();
        ui::set_random_source(nullptr);
        settle();
        forget_program_end();
    }

    void the_main_menu_opens_on_its_welcome_panel()
    {
        Feuille_Tibalou.show();
        QVERIFY(wait_until_active(Feuille_Tibalou));
        auto& menu = Feuille_Tibalou();
        QVERIFY(visible(menu.fr_hello));
        QVERIFY(has_keyboard_focus(menu.Command3));
        click(menu.Command3);
        QVERIFY(!visible(menu.fr_hello));
        for (ui::Button* button : {&menu.Command1, &menu.Command2, &menu.Command4, &menu.Command5, &menu.Command6,
                                   &menu.cd_quitter_tout})
            QVERIFY(visible(*button));
        QCOMPARE(accessible_name(menu.Command5), QString("Soustraction"));
        QCOMPARE(accessible_text(menu.Label2).left(11), QString("Ceci est un"));
    }

    void about_opens_modally_and_fresh_each_time()
    {
        Feuille_Tibalou.show();
        auto& menu = Feuille_Tibalou();
        click(menu.Command3);
        for (int time = 0; time < 2; ++time) {
            bool seen = false;
            when_modal([&seen] {
                seen = Feuille_A_Propos.shown() && Feuille_A_Propos.modal();
                QVERIFY(!Feuille_A_Propos->Label1.Caption().isEmpty());
                click(Feuille_A_Propos->Command1);
            });
            click(menu.Command6);
            QVERIFY(seen);
            QVERIFY(!Feuille_A_Propos.loaded());
        }
    }

    void quitter_ends_the_run_at_once_with_the_score_window_open()
    {
        Feuille_Tibalou.show();
        Feuille_score.show();
        int unloads = 0;
        Feuille_Tibalou->onUnload = [&unloads] { ++unloads; };
        click(Feuille_Tibalou->Command3);
        click(Feuille_Tibalou->cd_quitter_tout);
        QVERIFY(ui::program_ended());
        QVERIFY(!Feuille_Tibalou.loaded());
        QVERIFY(!Feuille_score.loaded());
        QCOMPARE(unloads, 0);
    }

    void the_number_dialog_takes_digits_only_without_leading_zero_and_within_limits()
    {
        Fenetre_exercice.show();
        when_modal([] {
            auto& dialog = feuille_choix_perso();
            QCOMPARE(dialog.nombre1.Caption(), QString("Premier terme ="));
            QVERIFY(wait_until_active(feuille_choix_perso));
            QVERIFY(has_keyboard_focus(dialog.txt_nb1));
            type(dialog.txt_nb1, "0a-12.3456");
            key_click(dialog.txt_nb1, Qt::Key_Backspace);
            QCOMPARE(dialog.txt_nb1.Text(), QString("12345"));
            // Coming back into the box empties it and allows five digits again.
            click(dialog.txt_nb2);
            type(dialog.txt_nb2, "100000");
            QCOMPARE(dialog.txt_nb2.Text(), QString("10000"));
            click(dialog.txt_nb1);
            QCOMPARE(dialog.txt_nb1.Text(), QString());
            type(dialog.txt_nb1, "7");
            click(dialog.cde_envoi);
        });
        ouvrir_choix_perso("Premier terme =", "Deuxième terme =", Fenetre_exercice);
        QVERIFY(!feuille_choix_perso.loaded());
        QCOMPARE(choix_nombre1, 7.0);
        QCOMPARE(choix_nombre2, 10000);
    }

    void closing_the_dialog_by_its_close_box_hands_nothing_over()
    {
        choix_nombre1 = 12;
        choix_nombre2 = 34;
        Fenetre_exercice.show();
        when_modal([] {
            type(feuille_choix_perso->txt_nb1, "99");
            close_box(feuille_choix_perso);
        });
        ouvrir_choix_perso("dividende =", "diviseur =", Fenetre_exercice);
        QVERIFY(!feuille_choix_perso.loaded());
        QCOMPARE(choix_nombre1, 12.0);
        QCOMPARE(choix_nombre2, 34);
    }

    // The largest whole percent not above right ÷ examined, on totals that
    // pass 16 bits without wrapping; with nothing examined the rate stays.
    void the_rate_is_the_whole_percent_of_the_totals()
    {
        const struct {
            std::int32_t justes_avant, chiffres_avant;
            std::int16_t justes, fausses, rate;
        } cases[] = {{0, 0, 29, 21, 58}, {0, 0, 2, 1, 66}, {0, 0, 0, 7, 0}, {0, 0, 0, 0, 42},
                     {32760, 32760, 10, 10, 99}};
        for (const auto& c : cases) {
            total_justes = c.justes_avant;
            total_chiffres = c.chiffres_avant;
            score_pourcent = 42;
            justes_essai = c.justes;
            fausses_essai = c.fausses;
            mettre_a_jour_totaux();
            QCOMPARE(score_pourcent, c.rate);
        }
        QCOMPARE(total_justes, 32770);
    }

    void quitting_an_exercise_shows_one_score_window_with_the_rate()
    {
        Feuille_Tibalou.show();
        score_pourcent = 66;
        Fenetre_exercice->quitter.onClick = [] { quitter_vers_score(Fenetre_exercice); };
        when_modal([] { click(Fenetre_exercice->quitter); });
        Fenetre_exercice.showModal(Feuille_Tibalou);
        QVERIFY(!Fenetre_exercice.loaded());
        QVERIFY(Feuille_score.shown());
        QCOMPARE(Feuille_score->Label3.Caption(), QString("66"));
        QCOMPARE(Feuille_score->Label2.Caption(), QString("%"));
        click(Feuille_score->Command1);
        QVERIFY(!Feuille_score.loaded());
    }

    void digits_of_a_number()
    {
        QCOMPARE(extraire_chiffre(1234, 1), std::int16_t(4));
        QCOMPARE(extraire_chiffre(1234, 5), std::int16_t(0));
        QCOMPARE(extraire_chiffre(2147483647, 10), std::int16_t(2));
        QCOMPARE(extraire_chiffre(999890001, 9), std::int16_t(9));
        QCOMPARE(nombre_de_chiffres(0), std::int16_t(1));
        QCOMPARE(nombre_de_chiffres(10000), std::int16_t(5));
        QCOMPARE(chiffres_de(305, 4), (std::vector<std::int16_t>{5, 0, 3, 0}));
    }

    // The lowest and the highest uniform values give the smallest and the
    // largest number of each length, and "quelconque" 2 to 5 digits.
    void drawn_numbers_span_their_whole_range()
    {
        const double presque_un = std::nextafter(1.0, 0.0);
        const ui::FixedSequence& tirages = tirer_dans({0.0, presque_un});
        QStringList bornes;
        for (std::int16_t n = 1; n <= 6; ++n) bornes << QString("%1-%2").arg(nombre_tire(n)).arg(nombre_tire(n));
        QCOMPARE(bornes.join(' '), "1-9 10-99 100-999 1000-9999 10000-99999 100000-999999");
        QCOMPARE(nombre_de_chiffres_tire(1), std::int16_t(2));
        QCOMPARE(nombre_de_chiffres_tire(1), std::int16_t(5));
        QCOMPARE(nombre_de_chiffres_tire(6), std::int16_t(6));
        QCOMPARE(tirages.draw_count(), 14);  // a count fixed by its option draws nothing
    }

    // A screen reader calls a column the same in every exercise.
    void every_window_names_a_column_alike()
    {
        Feuille_addition.load();
        Feuille_principale.load();
        Feuille_division.load();
        QCOMPARE((QStringList{accessible_name(Feuille_addition->terme2(3)),
                              accessible_name(Feuille_principale->Et_produit(6)),
                              accessible_name(Feuille_division->Txt_reste(14))}),
                 (QStringList{"Chiffre des milliers du deuxième terme, ?", "Chiffre des millions du produit",
                              "Reste, ligne 2, chiffre des dizaines de milliers"}));
    }
};

TIBALOU_TEST_MAIN(ShellTest)
#include "shell_test.moc"
