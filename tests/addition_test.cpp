#include "addition/Feuille_addition.h"
#include "addition/Module3.h"
#include "app/Feuille_Tibalou.h"
#include "common/nb_chiffres.h"
#include "dialogs/Feuille_score.h"
#include "tests/exercice.h"

using namespace ui::testing;

namespace {

// Opens the exercise from the main menu and runs `parcours` inside it. The
// unload handler runs the quit sequence, which unloads the window: whichever
// way the window goes, it must be unloaded once.
void dans_la_fenetre(ui::Button& bouton, std::function<void()> parcours)
{
    int dechargements = 0;
    when_modal([&] {
        QVERIFY(wait_until_active(Feuille_addition));
        const auto decharger = Feuille_addition->onUnload;
        Feuille_addition->onUnload = [&dechargements, decharger] { ++dechargements; decharger(); };
        parcours();
        Feuille_addition.unload();  // the next opening starts afresh, as after a quit
    });
    click(bouton);
    QCOMPARE(dechargements, 1);
}

void choisir_termes(const QString& premier, const QString& second)
{
    poser_par(Feuille_addition, Feuille_addition->mnu_choix_termes, premier, second);
}

ui::TextBox& case_resultat(int k) { return Feuille_addition->txt_résultat(k); }

// The three rows and the sign's column, as the pupil reads them.
QString operation()
{
    FeuilleAddition& f = Feuille_addition();
    QString lu = chiffres_vus(f.terme1) + " " + chiffres_vus(f.terme2) + " ";
    for (int k = 6; k >= 0; --k)
        if (visible(case_resultat(k))) lu += case_resultat(k).Tag();
    return lu + QString(" col %1").arg((4560 - f.signe.Left()) / 480);
}

}  // namespace

class AdditionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Feuille_Tibalou.show();
        click(Feuille_Tibalou->Command3);
    }

    void init()
    {
        total_justes = total_chiffres = score_pourcent = 0;
        tirer_dans({0.5});
        ui::reset_runtime_error_count();
    }

    void cleanup()
    {
        QCOMPARE(ui::runtime_error_count(), 0);
        Feuille_addition.unload();
        Feuille_score.unload();
    }

    // Before the first start "Vérifier" is hidden and the leftmost box keeps
    // the focus. "Quitter" and the close box: one unload each (dans_la_fenetre
    // counts them), one score window, back to the main menu.
    void avant_le_premier_depart_puis_une_seule_sortie_quelle_que_soit_la_fermeture()
    {
        dans_la_fenetre(Feuille_Tibalou->Command4, [] {
            FeuilleAddition& f = Feuille_addition();
            QCOMPARE(f.signe.Caption(), QString("+"));
            QVERIFY(!visible(f.Command3));
            VERIFY_FOCUS(f.Command2);
            click(case_resultat(6));
            keypad_digit(case_resultat(6), 4);
            VERIFY_FOCUS(case_resultat(6));
            choose(f.mnu_long1(3));
            click(f.Command1);
            QVERIFY(!Feuille_addition.loaded());
            QVERIFY(Feuille_score.shown());
        });
        QCOMPARE(Feuille_score->Label3.Caption(), QString("0"));
        QVERIFY(wait_until_active(Feuille_score));
        VERIFY_FOCUS(Feuille_score->Command1);
        click(Feuille_score->Command1);
        QVERIFY(!Feuille_score.loaded());

        dans_la_fenetre(Feuille_Tibalou->Command5, [] {
            FeuilleAddition& f = Feuille_addition();
            QVERIFY(f.mnu_long1(1).Checked());
            QVERIFY(!f.mnu_long1(3).Checked());
            choisir_termes("47", "38");
            keypad_digit(case_resultat(0), 9);
            click(f.Command3);
            close_box(Feuille_addition);
            QVERIFY(!Feuille_addition.loaded());
            QVERIFY(Feuille_score.shown());
        });
        QCOMPARE(Feuille_score->Label3.Caption(), QString("100"));
        QCOMPARE(total_chiffres, 1);

        dans_la_fenetre(Feuille_Tibalou->Command4, [] { QCOMPARE(Feuille_addition->signe.Caption(), QString("+")); });
    }

    void problemes_poses_data()
    {
        QTest::addColumn<bool>("moins");
        QTest::addColumn<int>("long1");
        QTest::addColumn<int>("long2");
        QTest::addColumn<QList<double>>("suite");
        QTest::addColumn<int>("tirages");
        QTest::addColumn<QString>("termes");  // "a+b" chosen by the pupil, empty when drawn
        QTest::addColumn<QString>("vu");
        // Lengths 3 and 5 drawn, then 550 and 32 500.
        const QList<double> tirees{0.3, 0.9, 0.5, 0.25}, moitie{0.5};
        QTest::newRow("addition tirée") << false << 1 << 1 << tirees << 4 << "" << "32500 550 33050 col 5";
        QTest::newRow("soustraction tirée") << true << 1 << 1 << tirees << 4 << "" << "32500 550 31950 col 5";
        QTest::newRow("six chiffres au plus haut")
            << false << 6 << 6 << QList<double>{0.9999999} << 2 << "" << "999999 999999 1999998 col 6";
        QTest::newRow("le plus grand en haut") << false << 2 << 6 << moitie << 2 << "" << "550000 55 550055 col 6";
        QTest::newRow("7+5") << false << 6 << 1 << moitie << 0 << "7+5" << "7 5 12 col 1";
        QTest::newRow("3-45 posé 45-3") << true << 6 << 1 << moitie << 0 << "3+45" << "45 3 42 col 2";
        QTest::newRow("10000-9999") << true << 6 << 1 << moitie << 0 << "10000+9999" << "10000 9999 1 col 5";
        QTest::newRow("45-45") << true << 6 << 1 << moitie << 0 << "45+45" << "45 45 0 col 2";
        QTest::newRow("termes vides") << false << 6 << 1 << moitie << 0 << "+" << "0 0 0 col 1";
    }

    // Drawn by the length options or chosen by the pupil: the larger number
    // on top, the sign and the rule in their column, the keyboard in the
    // units, then box after box to "Vérifier"; a length chosen now waits for
    // the next problem.
    void problemes_poses()
    {
        QFETCH(bool, moins);
        QFETCH(int, long1);
        QFETCH(int, long2);
        QFETCH(QList<double>, suite);
        QFETCH(int, tirages);
        QFETCH(QString, termes);
        QFETCH(QString, vu);
        dans_la_fenetre(moins ? Feuille_Tibalou->Command5 : Feuille_Tibalou->Command4, [&] {
            FeuilleAddition& f = Feuille_addition();
            choose(f.mnu_long1(static_cast<std::int16_t>(long1)));
            choose(f.mnu_long2(static_cast<std::int16_t>(long2)));
            const ui::FixedSequence& tirees = tirer_dans({suite.begin(), suite.end()});
            const int semences = termes.isEmpty() ? 1 : 0;  // each draw re-seeds first
            if (termes.isEmpty())
                click(f.Command2);
            else
                choisir_termes(termes.section('+', 0, 0), termes.section('+', 1));
            QCOMPARE(operation(), vu);
            QCOMPARE(tirees.reseed_count(), semences);
            QCOMPARE(tirees.draw_count(), tirages);
            QCOMPARE(f.Line1.ends().x1, f.signe.Left());
            QVERIFY(visible(f.Command3));
            QVERIFY(f.mnu_long1(static_cast<std::int16_t>(long1)).Checked());
            QVERIFY(!f.mnu_choix_termes.Checked());
            for (int k = 0; k <= 6 && visible(case_resultat(k)); ++k) {
                VERIFY_FOCUS(case_resultat(k));
                keypad_digit(case_resultat(k), 9);
            }
            VERIFY_FOCUS(f.Command3);
            choose(f.mnu_long1(4));
            choose(f.mnu_long1(5));
            for (std::int16_t i = 1; i <= 6; ++i) QCOMPARE(f.mnu_long1(i).Checked(), i == 5);
            QCOMPARE(operation(), vu);
            click(f.Command2);
            QCOMPARE(tirees.reseed_count(), semences + 1);
            QVERIFY2(nb_chiffres1 == 5 || nb_chiffres2 == 5,
                     qPrintable(QString("longueurs %1 et %2").arg(nb_chiffres1).arg(nb_chiffres2)));
        });
    }

    void saisie_au_pave_puis_verifications_comptees()
    {
        dans_la_fenetre(Feuille_Tibalou->Command4, [] {
            FeuilleAddition& f = Feuille_addition();
            choisir_termes("47", "38");
            // The main row and other keys leave the focus where it is.
            main_row_digit(case_resultat(0), 5);
            key_click(case_resultat(0), Qt::Key_Backspace);
            type(case_resultat(0), "a-+ 3");
            VERIFY_FOCUS(case_resultat(0));
            QCOMPARE(case_resultat(0).Text(), QString("53"));
            // Coming back to a box empties it; the keypad moves on.
            tab_from(case_resultat(0));
            click(case_resultat(0));
            keypad_digit(case_resultat(0), 5);
            VERIFY_FOCUS(case_resultat(1));
            QCOMPARE(case_resultat(1).Text(), QString());

            click(f.Command3);  // the tens left empty
            QCOMPARE(painted_color(case_resultat(0)), ui::green);
            QCOMPARE(painted_color(case_resultat(1)), ui::red);
            QCOMPARE(compteurs(), (QList<int>{1, 1, 1, 2, 50}));
            VERIFY_FOCUS(f.Command2);
            // A checked box, red or green, keeps the focus for its correction, and every check counts.
            click(case_resultat(0));
            keypad_digit(case_resultat(0), 5);
            VERIFY_FOCUS(case_resultat(0));
            click(case_resultat(1));
            keypad_digit(case_resultat(1), 8);
            VERIFY_FOCUS(case_resultat(1));
            QCOMPARE(case_resultat(0).Text(), QString("5"));
            click(f.Command3);
            QCOMPARE(painted_color(case_resultat(1)), ui::green);
            QCOMPARE(compteurs(), (QList<int>{2, 0, 3, 4, 75}));

            // 5500 + 5500 left empty: five red boxes, the hidden ones not counted.
            key_click(f.Command2, Qt::Key_Return);
            QCOMPARE(back_color(case_resultat(0)), ui::white);
            click(f.Command3);
            for (int k = 0; k < 5; ++k) QCOMPARE(painted_color(case_resultat(k)), ui::red);
            QCOMPARE(compteurs(), (QList<int>{0, 5, 3, 9, 33}));
            click(f.Command1);
        });
        QCOMPARE(Feuille_score->Label3.Caption(), QString("33"));
    }

    // The addition reads a box as typed, where the division reads its
    // number: "05" in the units of 3 + 2 is wrong.
    void une_case_se_lit_telle_qu_ecrite()
    {
        dans_la_fenetre(Feuille_Tibalou->Command4, [] {
            choisir_termes("3", "2");
            type(case_resultat(0), "05");
            click(Feuille_addition->Command3);
            QCOMPARE(painted_color(case_resultat(0)), ui::red);
            QCOMPARE(compteurs().mid(0, 2), (QList<int>{0, 1}));
        });
    }
};

TIBALOU_TEST_MAIN(AdditionTest)
#include "addition_test.moc"
