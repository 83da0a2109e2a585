#include <QCoreApplication>

#include "app/Feuille_A_Propos.h"
#include "app/Feuille_Tibalou.h"
#include "common/choix_perso.h"
#include "common/score.h"
#include "dialogs/Feuille_score.h"
#include "dialogs/feuille_choix_perso.h"
#include "multiplication/Feuille_principale.h"
#include "multiplication/Module2.h"
#include "tests/test_main.h"
#include "ui/random.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

FeuillePrincipale& f()
{
    return Feuille_principale();
}

// The factors typed into the number dialog and sent.
void poser(const QString& premier, const QString& deuxieme)
{
    when_modal([=] {
        auto& d = feuille_choix_perso();
        type(d.txt_nb1, premier);
        click(d.txt_nb2);
        type(d.txt_nb2, deuxieme);
        click(d.cde_envoi);
    });
    choose(f().mnu_choisir_facteurs);
    activate(Feuille_principale);
}

// Digits typed on the keypad wherever the focus is.
void au_pave(const QString& chiffres)
{
    for (QChar c : chiffres) keypad_digit(f().cde_quitter, c.digitValue());
}

QString legendes(const ui::ControlArray<ui::Label>& chiffres)
{
    QString texte;
    for (auto i : chiffres.indices())
        if (visible(chiffres(i))) texte.prepend(chiffres(i).Caption());
    return texte;
}

// Visible boxes of each partial-product row, then of the product.
QList<int> cases_visibles()
{
    QList<int> comptes(6, 0);
    for (auto i : f().Et_sommes.indices()) comptes[i / 10] += visible(f().Et_sommes(i));
    for (auto i : f().Et_produit.indices()) comptes[5] += visible(f().Et_produit(i));
    return comptes;
}

// 'v' green, 'r' red, '.' neutral, per visible box: the rows, then the product.
QString couleurs()
{
    QString vu;
    auto noter = [&](const ui::TextBox& boite) {
        if (!visible(boite)) return;
        const auto c = painted_color(boite);
        vu += c == ui::green ? 'v' : c == ui::red ? 'r' : '.';
    };
    for (auto i : f().Et_sommes.indices()) noter(f().Et_sommes(i));
    vu += '|';
    for (auto i : f().Et_produit.indices()) noter(f().Et_produit(i));
    return vu;
}

// Indices of the factor digits shown green, "premier/deuxième".
QString marques()
{
    QString vu;
    for (auto* chiffres : {&f().Et_facteur1, &f().Et_facteur2}) {
        for (auto i : chiffres->indices())
            if (back_color((*chiffres)(i)) == ui::green) vu += QString::number(i);
        vu += '/';
    }
    return vu;
}

}  // namespace

class MultiplicationTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        justes_essai = fausses_essai = 0;
        total_justes = total_chiffres = score_pourcent = 0;
        Feuille_principale.show();
    }

    void cleanup()
    {
        ui::set_random_source(nullptr);
        for (ui::FormSlotBase* slot : std::initializer_list<ui::FormSlotBase*>{
                 &Feuille_A_Propos, &feuille_choix_perso, &Feuille_score, &Feuille_principale, &Feuille_Tibalou})
            slot->unload();
    }

    void ouverture_depuis_le_menu_principal()
    {
        Feuille_principale.unload();
        click(Feuille_Tibalou->Command3);
        bool modale = false, seuls_boutons = false, sur_commencer = false;
        when_modal([&] {
            modale = Feuille_principale.modal();
            seuls_boutons = !visible(f().Cde_recommencer) && !visible(f().Et_sommes(0)) &&
                            !visible(f().fr_table) && visible(f().cde_verifier);
            sur_commencer = f().focused() == &f().cde_commencer;
            close_box(Feuille_principale);
        });
        click(Feuille_Tibalou->Command2);
        QVERIFY(modale && seuls_boutons && sur_commencer);
        QVERIFY(!Feuille_principale.loaded());
        QVERIFY(!Feuille_score.loaded());  // the close box shows no score
    }

    void operation_305_par_207_au_pave()
    {
        poser("305", "207");
        QCOMPARE(legendes(f().Et_facteur1), "305");
        QCOMPARE(f().cde_commencer.Caption(), "Autre calcul");
        QVERIFY(visible(f().Cde_recommencer));
        QCOMPARE(cases_visibles(), QList<int>({4, 4, 5, 0, 0, 5}));
        QCOMPARE(f().lbl_signe_X.Left(), 5760 - 480 * 3);
        QCOMPARE(f().Ligne1.ends().x1, 5760 - 480 * 2);
        QCOMPARE(painted_color(f().Et_sommes(21)), ui::light_yellow);

        // The keypad walks each row right to left, then the product, then "Vérifier".
        const std::vector<ui::Focusable*> marche{
            &f().Et_sommes(1), &f().Et_sommes(2), &f().Et_sommes(3), &f().Et_sommes(10), &f().Et_sommes(11),
            &f().Et_sommes(12), &f().Et_sommes(13), &f().Et_sommes(20), &f().Et_sommes(21), &f().Et_sommes(22),
            &f().Et_sommes(23), &f().Et_sommes(24), &f().Et_produit(0), &f().Et_produit(1), &f().Et_produit(2),
            &f().Et_produit(3), &f().Et_produit(4), &f().cde_verifier};
        const QString chiffres = "5312000000016" "53136";
        QVERIFY(has_keyboard_focus(f().Et_sommes(0)));
        for (std::size_t k = 0; k < marche.size(); ++k) {
            au_pave(chiffres.mid(k, 1));
            QVERIFY2(has_keyboard_focus(*marche[k]), qPrintable(QString::number(k)));
        }
        click(f().cde_verifier);
        QCOMPARE(couleurs(), "vvvvvvvvvvvvv|vvvvv");
        QCOMPARE(justes_essai, 18);
        QCOMPARE(total_chiffres, 18);
        QVERIFY(has_keyboard_focus(f().cde_commencer));
    }

    void cases_justes_fausses_et_vides()
    {
        poser("305", "207");
        // Main-row digits stay in the box; only the last one is kept; other keys change nothing.
        main_row_digit(f().Et_sommes(0), 3);
        main_row_digit(f().Et_sommes(0), 5);
        for (auto touche : {Qt::Key_Backspace, Qt::Key_A, Qt::Key_Space, Qt::Key_Return})
            key_click(f().Et_sommes(0), touche);
        QCOMPARE(f().Et_sommes(0).Text(), "5");
        QVERIFY(has_keyboard_focus(f().Et_sommes(0)));
        // Row 1's zeros left empty, its shift place too; a shift place of row 2 holds 5.
        au_pave("5312");
        tab_from(f().Et_sommes(10));
        tab_from(f().Et_sommes(11));
        tab_from(f().Et_sommes(12));
        tab_from(f().Et_sommes(13));
        au_pave("50016" "5313");
        QVERIFY(has_keyboard_focus(f().Et_produit(4)));
        main_row_digit(f().Et_produit(4), 6);
        QVERIFY(has_keyboard_focus(f().Et_produit(4)));
        choose(f().mnu_verifier);
        QCOMPARE(couleurs(), "vvvvvrrrrvvvv|vvvvv");
        QCOMPARE(justes_essai, 14);
        QCOMPARE(fausses_essai, 4);
    }

    void seul_le_premier_essai_compte()
    {
        score_pourcent = 57;
        click(f().cde_verifier);  // nothing posed: nothing examined, the rate stays
        QCOMPARE(total_chiffres, 0);
        QCOMPARE(score_pourcent, 57);

        poser("7", "8");
        au_pave("65");
        click(f().cde_verifier);  // 2 of 4 right
        QCOMPARE(score_pourcent, 50);
        click(f().Et_sommes(0));
        au_pave("6565");
        click(f().cde_verifier);  // all right now, but not counted
        QCOMPARE(couleurs(), "vv|vv");
        QCOMPARE(justes_essai, 4);
        QCOMPARE(total_chiffres, 4);
        QCOMPARE(score_pourcent, 50);

        click(f().Cde_recommencer);
        QCOMPARE(couleurs(), "..|..");
        QCOMPARE(f().Et_sommes(0).Text(), "");
        QCOMPARE(legendes(f().Et_facteur1) + legendes(f().Et_facteur2), "78");
        QVERIFY(has_keyboard_focus(f().Et_sommes(0)));
        au_pave("6565");
        click(f().cde_verifier);
        QCOMPARE(total_chiffres, 8);
        QCOMPARE(score_pourcent, 75);
    }

    void disposition_des_lignes_et_du_produit()
    {
        poser("12", "3456");
        QCOMPARE(cases_visibles(), QList<int>({2, 3, 4, 5, 0, 5}));
        QCOMPARE(f().lbl_signe_X.Left(), 5760 - 480 * 4);
        QCOMPARE(f().Ligne1.ends().x1, 5760 - 480 * 3);
        QCOMPARE(f().Et_produit(0).Top(), 4200);
        QCOMPARE(f().Ligne2.ends().y1, 4080);
        QCOMPARE(f().Ligne2.ends().x1, 5760 - 480 * 4);

        poser("7", "8");
        QCOMPARE(cases_visibles(), QList<int>({2, 0, 0, 0, 0, 2}));
        QCOMPARE(f().Et_produit(1).Top(), 2760);
        QCOMPARE(f().Ligne2.ends().y2, 2640);
        QCOMPARE(f().lbl_signe_X.Left(), 5760 - 480);
        QVERIFY(!visible(f().Et_facteur1(1)));

        poser("", "");  // empty numbers are 0: one 0 per digit of the first factor
        QCOMPARE(cases_visibles(), QList<int>({1, 0, 0, 0, 0, 1}));
    }

    void paire_trop_grande_refusee()
    {
        // A pair sent to another exercise, taken over by closing the dialog.
        auto reprendre = [](double premier, std::int32_t deuxieme) {
            choix_nombre1 = premier;
            choix_nombre2 = deuxieme;
            when_modal([] { close_box(feuille_choix_perso); });
            choose(f().mnu_choisir_facteurs);
        };
        reprendre(99999, 99999);
        QCOMPARE(f().cde_commencer.Caption(), "Commencer");
        QVERIFY(!visible(f().Et_sommes(0)));

        poser("345", "26");
        main_row_digit(f().Et_sommes(0), 4);
        reprendre(99999, 21476);
        QCOMPARE(legendes(f().Et_facteur1) + "x" + legendes(f().Et_facteur2), "345x26");
        QCOMPARE(f().Et_sommes(0).Text(), "4");
        QVERIFY(!f().mnu_choisir_facteurs.Checked());

        reprendre(99999, 21475);  // five digits each, product just within range
        QCOMPARE(cases_visibles(), QList<int>({6, 7, 8, 8, 10, 10}));
    }

    void tirages_et_options()
    {
        auto* suite = new ui::FixedSequence({0.99, 0.99, 0.5, 0.0, 0.1, 0.2});
        ui::set_random_source(std::unique_ptr<ui::RandomSource>(suite));
        click(f().cde_commencer);  // 5 by 5 drawn again
        QCOMPARE(legendes(f().Et_facteur1) + "x" + legendes(f().Et_facteur2), "1900x28");
        QCOMPARE(suite->reseed_count(), 1);
        QCOMPARE(suite->draw_count(), 6);

        suite = new ui::FixedSequence({0.9, 0.5, 0.25});
        ui::set_random_source(std::unique_ptr<ui::RandomSource>(suite));
        choose(f().mnu_fact1_chiffre(5));  // poses at once; a fixed count uses no draw
        QCOMPARE(legendes(f().Et_facteur1) + "x" + legendes(f().Et_facteur2), "32500x9100");
        QCOMPARE(suite->draw_count(), 4);
        QVERIFY(!enabled(f().mnu_fact2_chiffre(5)));
        QVERIFY(f().mnu_fact1_chiffre(5).Checked() && !f().mnu_fact1_chiffre(1).Checked());
        choose(f().mnu_fact2_chiffre(5));
        QCOMPARE(suite->reseed_count(), 1);
        choose(f().mnu_fact2_chiffre(3));
        QVERIFY(enabled(f().mnu_fact1_chiffre(5)) && !enabled(f().mnu_fact2_chiffre(5)));
        choose(f().mnu_fact1_chiffre(1));
        QVERIFY(enabled(f().mnu_fact2_chiffre(5)));
        QCOMPARE(suite->reseed_count(), 3);

        ui::set_random_source(nullptr);
        choose(f().mnu_fact2_chiffre(1));
        for (int essai = 0; essai < 200; ++essai) {
            choose(f().mnu_commencer);
            QVERIFY(facteur1 >= 10 && facteur2 >= 10 && (facteur1 < 10000 || facteur2 < 10000));
        }
    }

    void table_de_multiplication()
    {
        const auto& t = f().lbl_table;
        QCOMPARE(t(0).Caption() + t(1).Caption() + t(9).Caption() + t(10).Caption() + t(90).Caption(), "X1919");
        QCOMPARE(t(78).Caption(), "56");
        QCOMPARE(t(77).Caption(), "49");
        QCOMPARE(accessible_name(f().fr_table), "Table de multiplication ");

        poser("345", "26");
        main_row_digit(f().Et_sommes(0), 5);
        choose(f().mnu_aide);
        QVERIFY(visible(f().fr_table));
        QVERIFY(has_keyboard_focus(f().Et_sommes(0)));
        click(f().Command1);
        QVERIFY(!visible(f().fr_table));
        QCOMPARE(f().Et_sommes(0).Text(), "5");
        QCOMPARE(couleurs(), "........|....");
        QCOMPARE(accessible_name(f().Et_sommes(21)), "Produit partiel 3, décalage des dizaines");
    }

    void reperage_colore()
    {
        choose(f().mnu_reperage);
        QVERIFY(f().mnu_reperage.Checked() && reperage);
        QCOMPARE(marques(), "//");
        poser("345", "26");
        QCOMPARE(marques(), "0/0/");
        au_pave("0");
        QCOMPARE(marques(), "1/0/");
        au_pave("7");
        QCOMPARE(marques(), "2/0/");
        au_pave("0");
        QCOMPARE(marques(), "//");  // the last carry of 2070
        au_pave("2");
        QCOMPARE(marques(), "//");  // a shift place
        au_pave("0");
        QCOMPARE(marques(), "0/1/");
        // Checked from the menu, the box keeps the focus to the end: nothing stays green.
        choose(f().mnu_verifier);
        QCOMPARE(marques(), "//");
        click(f().Et_sommes(12));
        QCOMPARE(marques(), "//");  // judged boxes mark nothing

        // A shorter operation leaves no digit of the longer one green.
        click(f().Cde_recommencer);
        click(f().Et_sommes(2));
        QCOMPARE(marques(), "2/0/");
        poser("12", "34");
        QCOMPARE(marques(), "0/0/");
        choose(f().mnu_commencer);  // the focus stays in the first box, marked
        QCOMPARE(marques(), "0/0/");

        choose(f().mnu_reperage);
        QCOMPARE(marques(), "0/0/");  // switching off uncolours nothing at once
        click(f().Et_sommes(1));
        QCOMPARE(marques(), "//");
    }

    void raccourci_a_propos()
    {
        poser("345", "26");
        main_row_digit(f().Et_sommes(1), 5);
        const std::pair<Qt::KeyboardModifiers, bool> cas[] = {
            {Qt::ControlModifier | Qt::AltModifier, true}, {Qt::ControlModifier, false}, {Qt::AltModifier, false},
            {Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, false}, {Qt::NoModifier, false}};
        for (const auto& [touches, ouvre] : cas) {
            bool ouvert = false;
            when_modal([&] {
                ouvert = Feuille_A_Propos.modal();
                if (ouvert) click(Feuille_A_Propos->Command1);
            });
            key_click(f().Et_sommes(0), Qt::Key_M, touches);
            QCoreApplication::processEvents();
            QCOMPARE(ouvert, ouvre);
        }
        // Ctrl and Alt let go before the M.
        bool ouvert = false;
        when_modal([&] {
            ouvert = Feuille_A_Propos.modal();
            click(Feuille_A_Propos->Command1);
        });
        key_press(f().Et_sommes(0), Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
        key_release(f().Et_sommes(0), Qt::Key_M);
        QVERIFY(ouvert);
        QCOMPARE(f().Et_sommes(0).Text(), "5");
        QCOMPARE(legendes(f().Et_facteur1), "345");
        QVERIFY(f().focused() == &f().Et_sommes(0));
    }

    void quitter_montre_le_score()
    {
        choose(f().mnu_fact1_chiffre(5));
        choose(f().mnu_reperage);
        poser("7", "8");
        au_pave("6565");
        click(f().cde_verifier);
        click(f().cde_quitter);
        QVERIFY(!Feuille_principale.loaded() && Feuille_score.shown());
        QCOMPARE(Feuille_score->Label3.Caption(), "100");
        Feuille_score.unload();

        // Reopened from its design.
        Feuille_principale.show();
        QCOMPARE(f().cde_commencer.Caption(), "Commencer");
        QVERIFY(f().mnu_fact1_chiffre(1).Checked() && enabled(f().mnu_fact2_chiffre(5)));
        QVERIFY(!reperage && !f().mnu_reperage.Checked());
        choose(f().mnu_quitter);
        QVERIFY(!Feuille_principale.loaded() && Feuille_score.shown());
    }
};

TIBALOU_TEST_MAIN(MultiplicationTest)
#include "multiplication_test.moc"
