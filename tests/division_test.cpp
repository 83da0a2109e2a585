// The division window, driven as a pupil drives it.
#include <QKeyEvent>

#include "app/Feuille_Tibalou.h"
#include "common/choix_perso.h"
#include "dialogs/Feuille_score.h"
#include "division/Feuille_division.h"
#include "tests/exercice.h"

using namespace ui::testing;

namespace {

FeuilleDivision& F() { return Feuille_division(); }

// A fresh window on screen, its draws taken from the given values.
void ouvrir(std::vector<double> tirages = {0.5, 0.5})
{
    Feuille_division.unload();
    tirer_dans(std::move(tirages));
    Feuille_division.show();
}

void poser(const QString& dividende, const QString& diviseur)
{
    poser_par(Feuille_division, F().mnu_choix_perso, dividende, diviseur);
}

QString attendu(const ui::TextBox& box)
{
    for (auto i : F().Txt_reste.indices())
        if (&F().Txt_reste(i) == &box) return F().Et_reste(i).Caption();
    for (auto p : F().Txt_quotient.indices())
        if (&F().Txt_quotient(p) == &box) return F().Et_quotient(p).Caption();
    return {};
}

// The quotient row, then the remainder rows from column 4 to the units; "."
// for a hidden box, else what `montrer` says of it.
QString rendu(const std::function<QString(const ui::TextBox&)>& montrer)
{
    QStringList rangees{""};
    for (int p = 0; p < 5; ++p) rangees[0] += visible(F().Txt_quotient(p)) ? montrer(F().Txt_quotient(p)) : ".";
    for (int ligne = 0; ligne < 5; ++ligne) {
        rangees << "";
        for (int c = 4; c >= 0; --c)
            rangees.last() += visible(F().Txt_reste(10 * ligne + c)) ? montrer(F().Txt_reste(10 * ligne + c)) : ".";
    }
    return rangees.join(' ');
}

// Expected digits, the yellow ones marked with '.
QString vue(const ui::TextBox& box) { return attendu(box) + (back_color(box) == ui::yellow ? "'" : ""); }

// Types on the keypad the expected digit of each box the focus reaches, from
// the first quotient digit; returns the boxes visited ("q1" Txt_quotient(1), "r10" Txt_reste(10)).
QString remplir_au_pave()
{
    click(F().Txt_quotient(0));
    QStringList chemin{F().focused()->name()};
    for (auto* box = dynamic_cast<ui::TextBox*>(F().focused()); box && chemin.size() < 30;
         box = dynamic_cast<ui::TextBox*>(F().focused())) {
        keypad_digit(*box, attendu(*box).toInt());
        chemin << F().focused()->name();
    }
    return chemin.join(' ').replace("Txt_quotient(", "q").replace("Txt_reste(", "r").remove(')');
}

void saisir(ui::TextBox& box, const QString& texte)
{
    click(box);
    type(box, texte);
}

QString legendes(const ui::ControlArray<ui::Label>& etiquettes)
{
    QString vus;
    for (auto i : etiquettes.indices()) vus += etiquettes(i).Caption().isEmpty() ? "_" : etiquettes(i).Caption();
    return vus;
}

}  // namespace

class DivisionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Feuille_Tibalou.show(); }

    void cleanup()
    {
        Feuille_division.unload();
        Feuille_score.unload();
        QCOMPARE(ui::runtime_error_count(), 0);
    }

    void disposition_puis_chemin_du_pave_data()
    {
        QTest::addColumn<QString>("dividende");
        QTest::addColumn<QString>("diviseur");
        QTest::addColumn<QString>("disposition");
        QTest::addColumn<QString>("chemin");
        QTest::newRow("1234÷5") << "1234" << "5" << "246.. ..23'. ...34' ....4 ..... ....."
                                << "q0 r2 r1 q1 r11 r10 q2 r20 cde_verifier";
        QTest::newRow("12÷345") << "12" << "345" << "0.... ...12 ..... ..... ..... ....." << "q0 r0 r1 cde_verifier";
        QTest::newRow("45÷9") << "45" << "9" << "5.... ....0 ..... ..... ..... ....." << "q0 r0 cde_verifier";
        QTest::newRow("5000÷51") << "5000" << "51" << "98... ..410' ....2 ..... ..... ....."
                                 << "q0 r1 r2 r0 q1 r10 cde_verifier";
        QTest::newRow("98765÷4") << "98765" << "4" << "24691 18'... .27'.. ..36'. ...05' ....1"
                                 << "q0 r4 r3 q1 r13 r12 q2 r22 r21 q3 r31 r30 q4 r40 cde_verifier";
    }

    // The expected digits, the yellow ones marked ', then the boxes the keypad
    // goes through, each filled with its expected digit, and all of them right.
    void disposition_puis_chemin_du_pave()
    {
        QFETCH(QString, dividende);
        QFETCH(QString, diviseur);
        QFETCH(QString, disposition);
        QFETCH(QString, chemin);
        ouvrir();
        poser(dividende, diviseur);
        QCOMPARE(rendu(vue), disposition);
        VERIFY_FOCUS(F().cde_GO);
        QCOMPARE(remplir_au_pave(), chemin);
        click(F().cde_verifier);
        const int cases = static_cast<int>(chemin.count(' '));
        QCOMPARE(compteurs(), (QList<int>{cases, 0, cases, cases, 100}));
        VERIFY_FOCUS(F().Command1);
    }

    void verification_et_premier_essai()
    {
        ouvrir();
        poser("1005", "5");
        saisir(F().Txt_quotient(0), "2");
        saisir(F().Txt_quotient(2), "1");  // the 0 in the middle left empty
        saisir(F().Txt_reste(1), "0");     // its left neighbour, expecting 0, left empty
        saisir(F().Txt_reste(11), "7");
        saisir(F().Txt_reste(10), "05");
        saisir(F().Txt_reste(20), "0");
        VERIFY_FOCUS(F().Txt_reste(20));  // main-row digits stay
        F().Txt_reste(44).setText("3");                  // hidden: painted, not counted
        click(F().cde_verifier);
        QCOMPARE(rendu(teinte), QString("vvv.. ..rv. ...rv ....v ..... ....."));
        QCOMPARE(back_color(F().Txt_reste(44)), ui::red);
        QCOMPARE(back_color(F().Txt_quotient(4)), ui::green);
        QCOMPARE(compteurs(), (QList<int>{6, 2, 6, 8, 75}));

        // Checked again after a correction: repainted, not counted.
        saisir(F().Txt_reste(11), "0");
        click(F().cde_verifier);
        QCOMPARE(rendu(teinte), QString("vvv.. ..rv. ...vv ....v ..... ....."));
        QCOMPARE(compteurs(), (QList<int>{7, 1, 6, 8, 75}));
        click(F().Txt_quotient(0));
        keypad_digit(F().Txt_quotient(0), 2);  // a judged box keeps the focus
        VERIFY_FOCUS(F().Txt_quotient(0));

        // "(Re-) Commencer": the same division, empty, and a check that counts.
        click(F().cde_GO);
        VERIFY_FOCUS(F().Txt_quotient(0));
        QCOMPARE(rendu(vue), QString("201.. ..00'. ...05' ....0 ..... ....."));
        QCOMPARE(F().Txt_reste(11).Text(), QString());
        remplir_au_pave();
        click(F().cde_verifier);
        QCOMPARE(compteurs(), (QList<int>{8, 0, 14, 16, 87}));
    }

    void sorties_options_et_a_propos()
    {
        click(Feuille_Tibalou->Command3);
        total_justes = 3;
        total_chiffres = 4;
        score_pourcent = 75;
        tirer_dans({0.5, 0.5});
        QStringList vu;
        QList<int> totaux;
        when_modal([&] {
            totaux = compteurs().mid(2);
            vu << (wait_until_active(Feuille_division) ? keyboard_focus() : "inactive")
               << legendes(F().Et_dividende) << legendes(F().Et_diviseur)
               << QString::number(visible(F().Fr_aide));
            click(F().Command2);
        });
        click(Feuille_Tibalou->Command1);
        QCOMPARE(vu, (QStringList{"Feuille_division.Command1", "0055_", "5____", "0"}));  // 5500 ÷ 5
        QCOMPARE(totaux, (QList<int>{0, 0, 75}));                   // the totals only start again
        QVERIFY(!Feuille_division.loaded());
        QVERIFY(Feuille_score.shown());
        QCOMPARE(Feuille_score->Label3.Caption(), QString("75"));
        Feuille_score.unload();

        // Each option poses a new division; "Autre opération" gives the keyboard to the start button.
        ouvrir();
        const ui::FixedSequence& tirages = tirer_dans({0.5, 0.5});
        choose(F().mnu_dvseur_3);
        choose(F().mnu_dvdende_5);  // 55 000 ÷ 550
        QCOMPARE(tirages.reseed_count(), 2);
        QCOMPARE(rendu(vue), QString("100.. ..00'. ...00' ....0 ..... ....."));
        open_and_close(F().mnu_options);  // the ticks are set as the menu opens
        QCOMPARE((QList<bool>{F().mnu_dvdende_4.Checked(), F().mnu_dvdende_5.Checked(), F().mnu_dvseur_1.Checked(),
                              F().mnu_dvseur_3.Checked()}),
                 (QList<bool>{false, true, false, true}));
        click(F().Command1);
        VERIFY_FOCUS(F().cde_GO);
        saisir(F().Txt_quotient(0), "4");
        QVERIFY(a_propos_pendant([] {  // Ctrl and Alt let go before the M
            key_press(F().Txt_quotient(0), Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
            key_release(F().Txt_quotient(0), Qt::Key_M);
        }));
        QCOMPARE(F().Txt_quotient(0).Text(), QString("4"));
        choose(F().mnu_quitter);
        QVERIFY(Feuille_score.shown());
        Feuille_score.unload();
        ouvrir();
        close_box(Feuille_division);
        QVERIFY(!Feuille_division.loaded());
        QVERIFY(!Feuille_score.loaded());
    }

    void chaque_longueur_pose_sa_division_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("dividende");  // as legendes() reads it, the units first
        QTest::addColumn<QString>("diviseur");
        QTest::newRow("dividende à 2 chiffres") << "mnu_dvdende_2" << "01___" << "1____";
        QTest::newRow("dividende à 3 chiffres") << "mnu_dvdende_3" << "001__" << "1____";
        QTest::newRow("dividende à 4 chiffres") << "mnu_dvdende_4" << "0001_" << "1____";
        QTest::newRow("dividende à 5 chiffres") << "mnu_dvdende_5" << "00001" << "1____";
        QTest::newRow("diviseur à 1 chiffre") << "mnu_dvseur_1" << "0001_" << "1____";
        QTest::newRow("diviseur à 2 chiffres") << "mnu_dvseur_2" << "0001_" << "10___";
        QTest::newRow("diviseur à 3 chiffres") << "mnu_dvseur_3" << "0001_" << "100__";
        QTest::newRow("diviseur à 4 chiffres") << "mnu_dvseur_4" << "0001_" << "1000_";
        QTest::newRow("diviseur à 5 chiffres") << "mnu_dvseur_5" << "0001_" << "10000";
    }

    // Over 5500 ÷ 5, each length option poses the smallest numbers of its
    // lengths (the lowest draws), leaving no digit of the longer dividend,
    // and is the one ticked of its kind as the menu opens.
    void chaque_longueur_pose_sa_division()
    {
        QFETCH(QString, entree);
        QFETCH(QString, dividende);
        QFETCH(QString, diviseur);
        ouvrir();
        QCOMPARE(legendes(F().Et_dividende) + " " + legendes(F().Et_diviseur), QString("0055_ 5____"));
        tirer_dans({0.0, 0.0});
        ui::MenuEntry* option = nullptr;
        for (ui::MenuEntry* e : F().menu_entries())
            if (e->name() == entree) option = e;
        QVERIFY(option);
        choose(*option);
        QCOMPARE(legendes(F().Et_dividende) + " " + legendes(F().Et_diviseur), dividende + " " + diviseur);
        open_and_close(F().mnu_options);
        QStringList coches;
        for (ui::MenuEntry* e : F().menu_entries())
            if (e->Checked() && (e->name().startsWith("mnu_dvdende_") || e->name().startsWith("mnu_dvseur_")))
                coches << e->name();
        const QString autre = entree.startsWith("mnu_dvdende_") ? "mnu_dvseur_1" : "mnu_dvdende_4";
        coches.sort();
        QStringList attendues{entree, autre};
        attendues.sort();
        QCOMPARE(coches, attendues);
    }

    void panneau_d_aide()
    {
        ouvrir();
        poser("4000", "51");
        choose(F().mnu_affich_aide);
        QVERIFY(visible(F().Fr_aide));
        QVERIFY(F().mnu_affich_aide.Checked());
        QCOMPARE(F().Fr_aide_diviseur.Caption(), QString("51"));
        click(F().Fr_aide_txt_chiffre);
        keypad_digit(F().Fr_aide_txt_chiffre, 7);
        QCOMPARE(F().Fr_aide_résultat.Caption(), QString("357"));
        VERIFY_FOCUS(F().cde_verifier);
        saisir(F().Fr_aide_txt_chiffre, "a");  // dropped, yet its release writes a product
        QCOMPARE(F().Fr_aide_txt_chiffre.Text() + "=" + F().Fr_aide_résultat.Caption(), QString("=0"));
        VERIFY_FOCUS(F().cde_verifier);

        click(F().Fr_aide_txt_chiffre);
        tab_from(F().Fr_aide_txt_chiffre);  // Tab is no try
        QCOMPARE(F().Fr_aide_résultat.Caption(), QString());
        QVERIFY(!has_keyboard_focus(F().cde_verifier));

        click(F().Fr_aide_txt_chiffre);
        keypad_digit(F().Fr_aide_txt_chiffre, 3);
        QCOMPARE(F().Fr_aide_résultat.Caption(), QString("153"));
        click(F().Command1);  // 5500 ÷ 5
        QCOMPARE(F().Fr_aide_txt_chiffre.Text() + F().Fr_aide_diviseur.Caption() + F().Fr_aide_résultat.Caption(),
                 QString("5"));
        choose(F().mnu_affich_aide);
        QVERIFY(!visible(F().Fr_aide));
        QVERIFY(!F().mnu_affich_aide.Checked());
    }

    // Ten digit keys held down together, then one repeating: the box keeps
    // the last typed, and the first release shows its product and moves on.
    void panneau_d_aide_sous_dix_touches()
    {
        ouvrir();
        poser("4000", "51");
        choose(F().mnu_affich_aide);
        click(F().Fr_aide_txt_chiffre);
        for (int chiffre = 9; chiffre >= 0; --chiffre)
            key_press(F().Fr_aide_txt_chiffre, static_cast<Qt::Key>(Qt::Key_0 + chiffre));
        QKeyEvent repetition(QEvent::KeyPress, Qt::Key_8, Qt::NoModifier, "8", true);
        deliver(F().Fr_aide_txt_chiffre, repetition);
        key_release(F().Fr_aide_txt_chiffre, Qt::Key_8);
        QCOMPARE(F().Fr_aide_txt_chiffre.Text() + "=" + F().Fr_aide_résultat.Caption(), QString("8=408"));
        VERIFY_FOCUS(F().cde_verifier);
    }

    // A draw no divisor can come from stops "Autre opération" on a run-time
    // error part-way: the division on screen, its colours, the pupil's entry,
    // the counters and the numbers behind the boxes stay as they were.
    void une_erreur_en_cours_de_pose_ne_laisse_rien_de_faux()
    {
        ouvrir();
        poser("1234", "5");
        const auto disposition = [] { return rendu(vue) + legendes(F().Et_dividende) + legendes(F().Et_diviseur); };
        const QString posee = disposition();
        saisir(F().Txt_quotient(0), "2");
        click(F().cde_verifier);
        const auto etat = [&] { return disposition() + rendu(teinte) + F().Txt_quotient(0).Text(); };
        const QString avant = etat();
        const QList<int> totaux = compteurs();
        tirer_dans({0.5, 1e12});
        click(F().Command1);
        QCOMPARE(ui::runtime_error_count(), 1);
        ui::reset_runtime_error_count();
        QCOMPARE(etat(), avant);
        QCOMPARE(compteurs(), totaux);
        click(F().cde_GO);
        QCOMPARE(disposition(), posee);
    }

    void diviseur_nul_refuse()
    {
        ouvrir();
        poser("1234", "5");
        saisir(F().Txt_quotient(0), "2");
        const QString avant = rendu(vue);
        poser("77", "");  // the divisor left empty
        QCOMPARE(choix_nombre2, 0);
        QCOMPARE(rendu(vue) + legendes(F().Et_dividende) + F().Txt_quotient(0).Text(), avant + "4321_2");
        QVERIFY(!F().mnu_choix_perso.Checked());

        when_modal([] { close_box(feuille_choix_perso); });  // the pair still holds 0
        choose(F().mnu_choix_perso);
        QCOMPARE(rendu(vue) + F().Txt_quotient(0).Text(), avant + "2");

        choix_nombre1 = 45;
        choix_nombre2 = 9;
        when_modal([] { close_box(feuille_choix_perso); });  // closed on a usable pair
        choose(F().mnu_choix_perso);
        QCOMPARE(rendu(vue), QString("5.... ....0 ..... ..... ..... ....."));
    }
};

TIBALOU_TEST_MAIN(DivisionTest)
#include "division_test.moc"
