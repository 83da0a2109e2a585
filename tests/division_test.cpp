#include "app/Feuille_A_Propos.h"
#include "app/Feuille_Tibalou.h"
#include "common/choix_perso.h"
#include "common/score.h"
#include "dialogs/Feuille_score.h"
#include "dialogs/feuille_choix_perso.h"
#include "division/Feuille_division.h"
#include "division/Module1.h"
#include "tests/test_main.h"
#include "ui/random.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

FeuilleDivision& F()
{
    return Feuille_division();
}

// A fresh window on screen, drawing from the given values.
void ouvrir(std::vector<double> tirages = {0.5, 0.5})
{
    if (Feuille_division.loaded()) Feuille_division.unload();
    ui::set_random_source(std::make_unique<ui::FixedSequence>(std::move(tirages)));
    Feuille_division.show();
}

void envoyer(const QString& nombre1, const QString& nombre2)
{
    auto& d = feuille_choix_perso();
    click(d.txt_nb1);
    type(d.txt_nb1, nombre1);
    click(d.txt_nb2);
    type(d.txt_nb2, nombre2);
    click(d.cde_envoi);
}

// "Choisir les nombres", as the pupil fills the dialog.
void poser(int dividende_choisi, int diviseur_choisi)
{
    when_modal([=] { envoyer(QString::number(dividende_choisi), QString::number(diviseur_choisi)); });
    choose(F().mnu_choix_perso);
}

QString attendu(const ui::TextBox& box)
{
    for (auto i : F().Txt_reste.indices())
        if (&F().Txt_reste(i) == &box) return F().Et_reste(i).Caption();
    for (auto p : F().Txt_quotient.indices())
        if (&F().Txt_quotient(p) == &box) return F().Et_quotient(p).Caption();
    return {};
}

// A box as the pupil sees it: "." hidden, else its expected digit, "j" when yellow.
QString vue(const ui::TextBox& box)
{
    if (!visible(box)) return ".";
    return attendu(box) + (back_color(box) == ui::yellow ? "j" : "");
}

// The quotient row, then the remainder rows from column 4 down to the units.
QStringList disposition()
{
    QStringList rangees, quotient_vu;
    for (int p = 0; p < 5; ++p) quotient_vu << vue(F().Txt_quotient(p));
    rangees << quotient_vu.join(' ');
    for (int ligne = 0; ligne < 5; ++ligne) {
        QStringList cases;
        for (int c = 4; c >= 0; --c) cases << vue(F().Txt_reste(10 * ligne + c));
        rangees << cases.join(' ');
    }
    return rangees;
}

// Types on the keypad the expected digit of every box the focus reaches,
// from the first quotient digit; returns the boxes in the order visited.
QStringList remplir_au_pave()
{
    click(F().Txt_quotient(0));
    QStringList chemin{F().focused()->name()};
    while (auto* box = dynamic_cast<ui::TextBox*>(F().focused())) {
        if (chemin.size() > 30) break;
        keypad_digit(*box, attendu(*box).toInt());
        chemin << F().focused()->name();
    }
    return chemin;
}

void saisir(ui::TextBox& box, const QString& texte)
{
    click(box);
    type(box, texte);
}

QStringList chiffres(const ui::ControlArray<ui::Label>& etiquettes)
{
    QStringList vus;
    for (auto i : etiquettes.indices()) vus << etiquettes(i).Caption();
    return vus;
}

}  // namespace

class DivisionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The main menu stays loaded, as in a run.
        Feuille_Tibalou.show();
    }

    void cleanup()
    {
        if (Feuille_division.loaded()) Feuille_division.unload();
        if (Feuille_score.loaded()) Feuille_score.unload();
        QCOMPARE(ui::runtime_error_count(), 0);
    }

    void disposition_des_divisions_data()
    {
        QTest::addColumn<int>("dividende");
        QTest::addColumn<int>("diviseur");
        QTest::addColumn<QStringList>("vue");
        const QString vide = ". . . . .";
        QTest::newRow("1234 ÷ 5") << 1234 << 5
                                  << QStringList{"2 4 6 . .", ". . 2 3j .", ". . . 3 4j", ". . . . 4", vide, vide};
        QTest::newRow("diviseur plus grand") << 12 << 345
                                             << QStringList{"0 . . . .", ". . . 1 2", vide, vide, vide, vide};
        QTest::newRow("un chiffre, reste nul") << 45 << 9
                                               << QStringList{"5 . . . .", ". . . . 0", vide, vide, vide, vide};
        QTest::newRow("zéros abaissés") << 1005 << 5
                                        << QStringList{"2 0 1 . .", ". . 0 0j .", ". . . 0 5j", ". . . . 0", vide, vide};
        QTest::newRow("reste à deux chiffres") << 5000 << 51
                                               << QStringList{"9 8 . . .", ". . 4 1 0j", ". . . . 2", vide, vide, vide};
        QTest::newRow("quotient à cinq chiffres")
            << 98765 << 4 << QStringList{"2 4 6 9 1", "1 8j . . .", ". 2 7j . .", ". . 3 6j .", ". . . 0 5j", ". . . . 1"};
    }

    void disposition_des_divisions()
    {
        QFETCH(int, dividende);
        QFETCH(int, diviseur);
        QFETCH(QStringList, vue);
        ouvrir();
        poser(dividende, diviseur);
        QCOMPARE(disposition(), vue);
        QCOMPARE(F().mnu_choix_perso.Checked(), false);
        QVERIFY(wait_until_active(Feuille_division));
        QVERIFY(has_keyboard_focus(F().cde_GO));
        // The yellow is on screen, not only in the program's books.
        for (auto i : F().Txt_reste.indices())
            if (visible(F().Txt_reste(i)) && back_color(F().Txt_reste(i)) == ui::yellow)
                QCOMPARE(painted_color(F().Txt_reste(i)), ui::yellow);
    }

    void chemin_du_pave_data()
    {
        QTest::addColumn<int>("dividende");
        QTest::addColumn<int>("diviseur");
        QTest::addColumn<QString>("chemin");
        QTest::newRow("1234 ÷ 5") << 1234 << 5
                                  << "Txt_quotient(0) Txt_reste(2) Txt_reste(1) Txt_quotient(1) Txt_reste(11) "
                                     "Txt_reste(10) Txt_quotient(2) Txt_reste(20) cde_verifier";
        QTest::newRow("une ligne") << 45 << 9 << "Txt_quotient(0) Txt_reste(0) cde_verifier";
        QTest::newRow("quotient nul") << 12 << 345 << "Txt_quotient(0) Txt_reste(0) Txt_reste(1) cde_verifier";
        QTest::newRow("reste à deux chiffres")
            << 5000 << 51 << "Txt_quotient(0) Txt_reste(1) Txt_reste(2) Txt_reste(0) Txt_quotient(1) Txt_reste(10) cde_verifier";
    }

    void chemin_du_pave()
    {
        QFETCH(int, dividende);
        QFETCH(int, diviseur);
        QFETCH(QString, chemin);
        ouvrir();
        poser(dividende, diviseur);
        QCOMPARE(remplir_au_pave().join(' '), chemin);
        QVERIFY(has_keyboard_focus(F().cde_verifier));

        // All right at the first check, and the rate says so.
        click(F().cde_verifier);
        const int cases = chemin.count("Txt_");
        QCOMPARE(justes_essai, cases);
        QCOMPARE(fausses_essai, 0);
        QCOMPARE(total_chiffres, cases);
        QCOMPARE(score_pourcent, 100);
        QCOMPARE(painted_color(F().Txt_quotient(0)), ui::green);
        QVERIFY(has_keyboard_focus(F().Command1));
    }

    void verification_juste_faux_et_vide()
    {
        ouvrir();
        poser(1005, 5);  // 201, rows 00 / 05 / 0
        saisir(F().Txt_quotient(0), "2");
        saisir(F().Txt_quotient(2), "1");  // the middle digit left empty reads as 0
        saisir(F().Txt_reste(1), "0");     // its left neighbour, expecting 0, left empty
        saisir(F().Txt_reste(11), "7");
        saisir(F().Txt_reste(10), "05");   // main keyboard, two characters, worth 5
        saisir(F().Txt_reste(20), "0");
        QVERIFY(has_keyboard_focus(F().Txt_reste(20)));  // main-row digits do not move on
        F().Txt_reste(44).setText("3");    // hidden: painted, never counted

        click(F().cde_verifier);
        QCOMPARE(painted_color(F().Txt_quotient(1)), ui::green);
        QCOMPARE(painted_color(F().Txt_reste(2)), ui::red);
        QCOMPARE(painted_color(F().Txt_reste(1)), ui::green);
        QCOMPARE(painted_color(F().Txt_reste(11)), ui::red);
        QCOMPARE(painted_color(F().Txt_reste(10)), ui::green);
        QCOMPARE(back_color(F().Txt_quotient(4)), ui::green);
        QCOMPARE(back_color(F().Txt_reste(44)), ui::red);
        QCOMPARE(back_color(F().Txt_reste(0)), ui::red);
        QCOMPARE(justes_essai, 6);
        QCOMPARE(fausses_essai, 2);
        QCOMPARE(total_chiffres, 8);
        QCOMPARE(total_justes, 6);
        QCOMPARE(score_pourcent, 75);
        QVERIFY(has_keyboard_focus(F().Command1));

        // Corrected and checked again: repainted, not counted.
        saisir(F().Txt_reste(11), "0");
        saisir(F().Txt_reste(2), "0");
        click(F().cde_verifier);
        QCOMPARE(painted_color(F().Txt_reste(11)), ui::green);
        QCOMPARE(justes_essai, 8);
        QCOMPARE(total_chiffres, 8);
        QCOMPARE(total_justes, 6);
        QCOMPARE(score_pourcent, 75);

        // A judged box takes a keypad digit but keeps the focus.
        click(F().Txt_quotient(0));
        keypad_digit(F().Txt_quotient(0), 2);
        QVERIFY(has_keyboard_focus(F().Txt_quotient(0)));
        QCOMPARE(F().Txt_quotient(0).Text(), QString("2"));

        // The same division laid out again counts again.
        click(F().cde_GO);
        QVERIFY(has_keyboard_focus(F().Txt_quotient(0)));
        QCOMPARE(F().Txt_reste(11).Text(), QString());
        QCOMPARE(painted_color(F().Txt_reste(1)), ui::yellow);
        QCOMPARE(back_color(F().Txt_reste(2)), ui::system_window_background);
        QCOMPARE(chiffres(F().Et_dividende), (QStringList{"5", "0", "0", "1", ""}));
        remplir_au_pave();
        click(F().cde_verifier);
        QCOMPARE(total_chiffres, 16);
        QCOMPARE(total_justes, 14);
        QCOMPARE(score_pourcent, 87);
    }

    void ouverture_depuis_le_menu_et_score()
    {
        click(Feuille_Tibalou->Command3);
        total_justes = 3;
        total_chiffres = 4;
        score_pourcent = 75;
        ui::set_random_source(std::make_unique<ui::FixedSequence>(std::vector<double>{0.5, 0.5}));
        bool vu = false;
        QStringList au_chargement;
        when_modal([&] {
            vu = wait_until_active(Feuille_division);
            au_chargement << QString::number(total_justes) << QString::number(total_chiffres)
                          << QString::number(score_pourcent)
                          << (has_keyboard_focus(F().Command1) ? "Command1" : "ailleurs")
                          << chiffres(F().Et_dividende).join(' ') << chiffres(F().Et_diviseur).join(' ')
                          << (visible(F().Fr_aide) ? "aide" : "sans aide");
            click(F().Command2);
        });
        click(Feuille_Tibalou->Command1);
        QVERIFY(vu);
        // 5500 ÷ 5 drawn; the totals start again, the rate stays.
        QCOMPARE(au_chargement, (QStringList{"0", "0", "75", "Command1", "0 0 5 5 ", "5    ", "sans aide"}));
        QVERIFY(!Feuille_division.loaded());
        QVERIFY(Feuille_score.shown());
        QCOMPARE(Feuille_score->Label3.Caption(), QString("75"));
    }

    void autres_sorties()
    {
        // The menu's "Quitter" shows the score too.
        ouvrir();
        choose(F().mnu_quitter);
        QVERIFY(!Feuille_division.loaded());
        QVERIFY(Feuille_score.shown());
        Feuille_score.unload();

        // The close box does not.
        ouvrir();
        close_box(Feuille_division);
        QVERIFY(!Feuille_division.loaded());
        QVERIFY(!Feuille_score.loaded());

        // Ctrl+Alt+M opens the About window over the division in progress.
        ouvrir();
        saisir(F().Txt_quotient(0), "4");
        bool vu = false;
        when_modal([&] {
            vu = Feuille_A_Propos.shown();
            click(Feuille_A_Propos->Command1);
        });
        key_click(F().Txt_quotient(0), Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(vu);
        QCOMPARE(F().Txt_quotient(0).Text(), QString("4"));
        key_click(F().Txt_quotient(0), Qt::Key_M, Qt::ControlModifier);
        key_click(F().Txt_quotient(0), Qt::Key_M, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
        QVERIFY(!Feuille_A_Propos.loaded());
    }

    void options_et_tirages()
    {
        ouvrir();
        auto* tirages = new ui::FixedSequence({0.5, 0.5});
        ui::set_random_source(std::unique_ptr<ui::RandomSource>(tirages));
        saisir(F().Txt_quotient(0), "9");
        choose(F().mnu_dvdende_5);  // 55 000 ÷ 5 = 11 000: every row in use
        QCOMPARE(tirages->reseed_count(), 1);
        QCOMPARE(F().Txt_quotient(0).Text(), QString());
        QCOMPARE(disposition(), (QStringList{"1 1 0 0 0", "0 5j . . .", ". 0 0j . .", ". . 0 0j .", ". . . 0 0j",
                                             ". . . . 0"}));
        open_and_close(F().mnu_options);
        QCOMPARE(F().mnu_dvdende_5.Checked(), true);
        QCOMPARE(F().mnu_dvdende_4.Checked(), false);
        QCOMPARE(F().mnu_dvdende_2.Checked(), false);
        QCOMPARE(F().mnu_dvseur_1.Checked(), true);

        choose(F().mnu_dvseur_3);  // 55 000 ÷ 550
        QCOMPARE(chiffres(F().Et_diviseur), (QStringList{"5", "5", "0", "", ""}));
        QCOMPARE(disposition()[0], QString("1 0 0 . ."));
        open_and_close(F().mnu_options);
        QCOMPARE(F().mnu_dvseur_1.Checked(), false);
        QCOMPARE(F().mnu_dvseur_3.Checked(), true);
        QCOMPARE(F().mnu_dvdende_5.Checked(), true);

        // "Autre opération" draws anew and hands the focus to "(Re-) Commencer".
        click(F().Command1);
        QCOMPARE(tirages->reseed_count(), 3);
        QVERIFY(has_keyboard_focus(F().cde_GO));
    }

    void panneau_d_aide()
    {
        ouvrir();
        poser(4000, 51);
        choose(F().mnu_affich_aide);
        QVERIFY(visible(F().Fr_aide));
        QVERIFY(F().mnu_affich_aide.Checked());
        QCOMPARE(F().Fr_aide_diviseur.Caption(), QString("51"));

        click(F().Fr_aide_txt_chiffre);
        keypad_digit(F().Fr_aide_txt_chiffre, 7);
        QCOMPARE(F().Fr_aide_résultat.Caption(), QString("357"));
        QVERIFY(has_keyboard_focus(F().cde_verifier));

        // Clicking in again empties the try; a letter still writes the product of nothing.
        click(F().Fr_aide_txt_chiffre);
        QCOMPARE(F().Fr_aide_résultat.Caption(), QString());
        type(F().Fr_aide_txt_chiffre, "a");
        QCOMPARE(F().Fr_aide_txt_chiffre.Text(), QString());
        QCOMPARE(F().Fr_aide_résultat.Caption(), QString("0"));
        QVERIFY(has_keyboard_focus(F().cde_verifier));

        // Reached with Tab, the box keeps the focus for the try.
        F().cde_GO.setFocus();
        tab_from(F().cde_GO);
        QVERIFY(has_keyboard_focus(F().Fr_aide_txt_chiffre));
        QCOMPARE(F().Fr_aide_résultat.Caption(), QString());

        // A new division brings its divisor and an empty try; the panel stays.
        F().Fr_aide_txt_chiffre.setText("3");
        ui::set_random_source(std::make_unique<ui::FixedSequence>(std::vector<double>{0.5, 0.5}));
        click(F().Command1);
        QCOMPARE(F().Fr_aide_diviseur.Caption(), QString("5"));
        QCOMPARE(F().Fr_aide_txt_chiffre.Text(), QString());
        QCOMPARE(F().Fr_aide_résultat.Caption(), QString());
        QVERIFY(visible(F().Fr_aide));

        choose(F().mnu_affich_aide);
        QVERIFY(!visible(F().Fr_aide));
        QVERIFY(!F().mnu_affich_aide.Checked());
    }

    void nombres_choisis_et_diviseur_nul()
    {
        ouvrir();
        poser(1234, 5);
        saisir(F().Txt_quotient(0), "2");
        const QStringList avant = disposition();

        // "Envoi" with the divisor left empty: refused, nothing moves.
        when_modal([] { envoyer("77", ""); });
        choose(F().mnu_choix_perso);
        QCOMPARE(choix_nombre2, 0);
        QCOMPARE(disposition(), avant);
        QCOMPARE(F().Txt_quotient(0).Text(), QString("2"));
        QCOMPARE(chiffres(F().Et_dividende), (QStringList{"4", "3", "2", "1", ""}));
        QCOMPARE(F().mnu_choix_perso.Checked(), false);

        // The dialog closed with the pair still holding 0: refused as well.
        when_modal([] { close_box(feuille_choix_perso); });
        choose(F().mnu_choix_perso);
        QCOMPARE(disposition(), avant);
        QCOMPARE(F().Txt_quotient(0).Text(), QString("2"));

        // Closed on a usable pair: that pair is laid out.
        choix_nombre1 = 45;
        choix_nombre2 = 9;
        when_modal([] { close_box(feuille_choix_perso); });
        choose(F().mnu_choix_perso);
        QCOMPARE(disposition()[0], QString("5 . . . ."));
        QCOMPARE(chiffres(F().Et_dividende), (QStringList{"5", "4", "", "", ""}));
    }
};

TIBALOU_TEST_MAIN(DivisionTest)
#include "division_test.moc"
