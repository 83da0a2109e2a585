// The main menu, the About window, the number choice dialog, the score, and
// what the exercises share.
#include <QIcon>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <algorithm>
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

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (ui::FormSlotBase* slot : std::initializer_list<ui::FormSlotBase*>{
                 &feuille_choix_perso, &Feuille_A_Propos, &Feuille_score, &Feuille_Tibalou, &Feuille_addition,
                 &Feuille_principale, &Feuille_division})
            slot->unload();
        ui::set_random_source(nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        forget_program_end();
    }

    // The welcome panel, About, and "Quitter", which ends the run at once, the
    // score window still open.
    void the_main_menu()
    {
        Feuille_Tibalou.show();
        QVERIFY(wait_until_active(Feuille_Tibalou));
        auto& menu = Feuille_Tibalou();
        QVERIFY(visible(menu.fr_hello));
        VERIFY_FOCUS(menu.Command3);
        tab_from(menu.Command3);  // the buttons the panel covers are out of reach
        VERIFY_FOCUS(menu.Command3);
        key_click(menu.Command3, Qt::Key_Space);  // the keyboard goes on to what it uncovers
        QVERIFY(!visible(menu.fr_hello));
        VERIFY_FOCUS(menu.Command4);
        QVERIFY(a_propos_pendant([&menu] { click(menu.Command6); }));
        QVERIFY(!Feuille_A_Propos.loaded());
        Feuille_score.show();
        int unloads = 0;
        menu.onUnload = [&unloads] { ++unloads; };
        click(menu.cd_quitter_tout);
        QVERIFY(ui::program_ended());
        QVERIFY(!Feuille_Tibalou.loaded());
        QVERIFY(!Feuille_score.loaded());
        QCOMPARE(unloads, 0);

        // Ended before its main loop starts (Quitter clicked as the program
        // opens), the run does not then wait in one.
        QTimer waited;
        QObject::connect(&waited, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        waited.start(3000);
        QCOMPARE(ui::run_main_loop(), 0);
    }

    // Escape closes the windows that only tell something, as their "OK" does.
    void escape_closes_about_and_the_score()
    {
        Feuille_Tibalou.show();
        auto& menu = Feuille_Tibalou();
        click(menu.Command3);
        bool closed_by_escape = false;
        when_modal([&closed_by_escape] {
            key_click(Feuille_A_Propos->Command1, Qt::Key_Escape);
            closed_by_escape = !Feuille_A_Propos.loaded();
            if (!closed_by_escape) click(Feuille_A_Propos->Command1);
        });
        click(menu.Command6);
        QVERIFY(closed_by_escape);
        Feuille_score.show();
        QVERIFY(wait_until_active(Feuille_score));
        key_click(Feuille_score->Command1, Qt::Key_Escape);
        QVERIFY(!Feuille_score.loaded());
        QVERIFY(Feuille_Tibalou.shown());
    }

    // Digits only, no leading zero, five at most, a box emptied on coming back
    // to it; "Envoi" hands both numbers over.
    void the_number_dialog()
    {
        Feuille_Tibalou.show();
        when_modal([] {
            auto& dialog = feuille_choix_perso();
            QVERIFY(wait_until_active(feuille_choix_perso));
            VERIFY_FOCUS(dialog.txt_nb1);
            QCOMPARE(dialog.nombre1.Caption(), QString("Premier terme ="));
            type(dialog.txt_nb1, "0a-12.3456");
            key_click(dialog.txt_nb1, Qt::Key_Backspace);
            QCOMPARE(dialog.txt_nb1.Text(), QString("12345"));
            click(dialog.txt_nb2);
            type(dialog.txt_nb2, "100000");
            QCOMPARE(dialog.txt_nb2.Text(), QString("10000"));
            click(dialog.txt_nb1);
            QCOMPARE(dialog.txt_nb1.Text(), QString());
            type(dialog.txt_nb1, "7");
            click(dialog.txt_nb2);
            type(dialog.txt_nb2, "2");
            click(dialog.cde_envoi);
        });
        ouvrir_choix_perso("Premier terme =", "Deuxième terme =", Feuille_Tibalou);
        QVERIFY(!feuille_choix_perso.loaded());
        QCOMPARE((QList<double>{choix_nombre1, double(choix_nombre2)}), (QList<double>{7, 2}));
    }

    // A window opened again and again shows the one icon built for the run:
    // the program's own, as drawn for the desktop, at every size a window
    // manager takes and none larger.
    void each_picture_is_built_once()
    {
        const QIcon icone = window(Feuille_Tibalou)->windowIcon();
        QSet<qint64> icones{icone.cacheKey()};
        for (int fois = 0; fois < 2; ++fois) {
            icones << window(Feuille_A_Propos)->windowIcon().cacheKey();
            Feuille_A_Propos.unload();
        }
        QCOMPARE(icones.size(), 1);
        QList<QSize> tailles = icone.availableSizes();
        std::sort(tailles.begin(), tailles.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(tailles, (QList<QSize>{{16, 16}, {22, 22}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
        // Built in as raw pixels, each is the very picture of the desktop's
        // icon, in the form X11 takes.
        for (QSize taille : tailles) {
            const QImage dessin(QStringLiteral(TIBALOU_SOURCE_DIR "/data/icons/%1x%1/tibalou.png").arg(taille.width()));
            QCOMPARE(icone.pixmap(taille, 1.0).toImage(), dessin.convertToFormat(QImage::Format_ARGB32));
        }
    }

    // Wherever the cursor stands and whatever is selected, a digit goes at
    // the end: 5, Home, 0, Home, 0 shows "500".
    void the_number_dialog_never_shows_a_leading_zero()
    {
        Feuille_Tibalou.show();
        when_modal([] {
            auto& boite = feuille_choix_perso->txt_nb1;
            type(boite, "5");
            for (int fois = 0; fois < 2; ++fois) {
                key_click(boite, Qt::Key_Home);
                type(boite, "0");
            }
            key_click(boite, Qt::Key_End, Qt::ShiftModifier);
            type(boite, "7");
            QCOMPARE(boite.Text(), QString("5007"));
            click(feuille_choix_perso->cde_envoi);
        });
        ouvrir_choix_perso("Premier terme =", "Deuxième terme =", Feuille_Tibalou);
        QCOMPARE(choix_nombre1, 5007.0);
    }

    void the_rate_is_the_whole_percent_of_the_totals_data()
    {
        // Totals before, right and wrong in this try, the rate.
        QTest::addColumn<int>("justes_avant");
        QTest::addColumn<int>("chiffres_avant");
        QTest::addColumn<int>("justes");
        QTest::addColumn<int>("fausses");
        QTest::addColumn<int>("taux");
        QTest::newRow("29 of 50") << 0 << 0 << 29 << 21 << 58;
        QTest::newRow("2 of 3, rounded down") << 0 << 0 << 2 << 1 << 66;
        QTest::newRow("none right") << 0 << 0 << 0 << 7 << 0;
        QTest::newRow("nothing examined") << 0 << 0 << 0 << 0 << 42;
        QTest::newRow("past 16 bits") << 32760 << 32760 << 10 << 10 << 99;
    }

    // The largest whole percent not above right ÷ examined, on totals that
    // pass 16 bits without wrapping; with nothing examined the rate stays.
    void the_rate_is_the_whole_percent_of_the_totals()
    {
        QFETCH(int, justes_avant);
        QFETCH(int, chiffres_avant);
        QFETCH(int, justes);
        QFETCH(int, fausses);
        QFETCH(int, taux);
        total_justes = justes_avant;
        total_chiffres = chiffres_avant;
        score_pourcent = 42;
        justes_essai = justes;
        fausses_essai = static_cast<std::int16_t>(fausses);
        mettre_a_jour_totaux();
        QCOMPARE(int{score_pourcent}, taux);
        QCOMPARE(total_justes, justes_avant + justes);
        QCOMPARE(total_chiffres, chiffres_avant + justes + fausses);
    }

    void digits_and_drawn_numbers()
    {
        QCOMPARE((QList<int>{extraire_chiffre(1234, 1), extraire_chiffre(1234, 5), extraire_chiffre(2147483647, 10),
                             extraire_chiffre(999890001, 9), nombre_de_chiffres(0), nombre_de_chiffres(10000)}),
                 (QList<int>{4, 0, 2, 9, 1, 5}));
        QCOMPARE(chiffres_de(305, 4), (std::vector<std::int16_t>{5, 0, 3, 0}));

        // The lowest and the highest uniform values give the smallest and the
        // largest number of each length, and "quelconque" 2 to 5 digits.
        const double presque_un = std::nextafter(1.0, 0.0);
        const ui::FixedSequence& tirages = tirer_dans({0.0, presque_un});
        QStringList bornes;
        for (std::int16_t n = 1; n <= 6; ++n) bornes << QString("%1-%2").arg(nombre_tire(n)).arg(nombre_tire(n));
        QCOMPARE(bornes.join(' '), "1-9 10-99 100-999 1000-9999 10000-99999 100000-999999");
        QCOMPARE((QList<int>{nombre_de_chiffres_tire(1), nombre_de_chiffres_tire(1), nombre_de_chiffres_tire(6)}),
                 (QList<int>{2, 5, 6}));
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
