#include "addition/Feuille_addition.h"
#include "app/Feuille_Tibalou.h"
#include "dialogs/Feuille_score.h"
#include "division/Feuille_division.h"
#include "multiplication/Feuille_principale.h"
#include "tests/exercice.h"

#include <QAccessible>
#include <QWidget>

using namespace ui::testing;

namespace {

// One exercise as these tests reach it: its button in the main menu, its
// window and what the pupil uses in it.
struct Exercice {
    ui::Button& bouton;
    ui::FormSlotBase& fenetre;
    std::function<ui::MenuEntry&()> choisir, entree_pave;
    std::function<ui::DigitPad&()> pave;
    std::function<ui::Button&()> verifier;
    std::function<ui::TextBox&()> premiere_case;  // where the pupil starts
    QString premier, second;
};

Exercice exercice(const QString& nom)
{
    FeuilleTibalou& menu = Feuille_Tibalou();
    if (nom == "addition" || nom == "soustraction")
        return {nom == "addition" ? menu.Command4 : menu.Command5, Feuille_addition,
                []() -> ui::MenuEntry& { return Feuille_addition->mnu_choix_termes; },
                []() -> ui::MenuEntry& { return Feuille_addition->mnu_pave; },
                []() -> ui::DigitPad& { return Feuille_addition->pave; },
                []() -> ui::Button& { return Feuille_addition->Command3; },
                []() -> ui::TextBox& { return Feuille_addition->txt_résultat(0); }, "8075", "3968"};
    if (nom == "multiplication")
        return {menu.Command2, Feuille_principale,
                []() -> ui::MenuEntry& { return Feuille_principale->mnu_choisir_facteurs; },
                []() -> ui::MenuEntry& { return Feuille_principale->mnu_pave; },
                []() -> ui::DigitPad& { return Feuille_principale->pave; },
                []() -> ui::Button& { return Feuille_principale->cde_verifier; },
                []() -> ui::TextBox& { return Feuille_principale->Et_sommes(0); }, "476", "38"};
    return {menu.Command1, Feuille_division,
            []() -> ui::MenuEntry& { return Feuille_division->mnu_choix_perso; },
            []() -> ui::MenuEntry& { return Feuille_division->mnu_pave; },
            []() -> ui::DigitPad& { return Feuille_division->pave; },
            []() -> ui::Button& { return Feuille_division->cde_verifier; },
            []() -> ui::TextBox& { return Feuille_division->Txt_quotient(0); }, "8765", "4"};
}

void dans(const Exercice& e, const std::function<void()>& parcours)
{
    when_modal([&] {
        QVERIFY(wait_until_active(e.fenetre));
        parcours();
        e.fenetre.unload();
    });
    click(e.bouton);
}

ui::Focusable& focus() { return *front_form()->focused(); }

// The digit the box expects where the window keeps it beside the box (the
// addition's tag), else one of a fixed run, right or wrong.
int chiffre_pour(const ui::Focusable& boite, int pas)
{
    if (const auto* t = dynamic_cast<const ui::TextBox*>(&boite); t && !t->Tag().isEmpty()) return t->Tag().toInt();
    return QList<int>{7, 0, 3, 9, 1, 4, 2, 8, 5, 6}[pas % 10];
}

// The operation played to its check, every digit by `taper`, then a digit
// typed again into a judged box: what the pupil sees after each digit (the
// box, its text, where the focus went), then the colours of the check.
QStringList jouer(const Exercice& e, const std::function<void(ui::Focusable&, int)>& taper)
{
    QStringList vu;
    std::vector<ui::Focusable*> boites;
    click(e.premiere_case());
    for (int pas = 0; dynamic_cast<ui::TextBox*>(&focus()) && pas < 40; ++pas) {
        ui::Focusable& boite = focus();
        taper(boite, chiffre_pour(boite, pas));
        vu << boite.name() + '=' + accessible_text(boite) + " > " + focus().name();
        boites.push_back(&boite);
    }
    click(e.verifier());
    QString teintes;
    for (ui::Focusable* boite : boites) teintes += teinte(*boite);
    vu << teintes << "après vérification: " + focus().name();
    click(*boites.front());
    taper(focus(), 5);
    vu << "case jugée: " + accessible_text(*boites.front()) + teinte(*boites.front()) + " > " + focus().name();
    return vu;
}

}  // namespace

class PadTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Feuille_Tibalou.show();
        click(Feuille_Tibalou->Command3);
    }

    void init() { ui::reset_runtime_error_count(); }

    void cleanup()
    {
        QCOMPARE(ui::runtime_error_count(), 0);
        Feuille_score.unload();
    }

    void exercices_data()
    {
        QTest::addColumn<QString>("nom");
        for (const char* nom : {"addition", "soustraction", "multiplication", "division"}) QTest::newRow(nom) << nom;
    }

    // Off at first, the window as designed; the Options entry shows it beside
    // the operation, the window wider by the pad alone and at the same scale,
    // and hides it again.
    void montre_par_le_menu_a_cote_de_l_operation_data() { exercices_data(); }
    void montre_par_le_menu_a_cote_de_l_operation()
    {
        QFETCH(QString, nom);
        const Exercice e = exercice(nom);
        dans(e, [&] {
            QWidget* fenetre = window(e.fenetre);
            const QSize avant = client(e.fenetre)->size();
            const QSize bouton = widget(e.verifier())->size();
            QVERIFY(!e.pave().shown());
            QVERIFY(!e.entree_pave().Checked());

            choose(e.entree_pave());
            QVERIFY(e.pave().shown());
            QVERIFY(e.entree_pave().Checked());
            QCOMPARE(client(e.fenetre)->height(), avant.height());
            QCOMPARE(widget(e.verifier())->size(), bouton);
            const QRect pave = widget(e.pave())->geometry();
            QVERIFY2(pave.left() >= avant.width() && pave.right() < client(e.fenetre)->width(),
                     qPrintable(QString("pavé %1..%2, fenêtre %3 puis %4").arg(pave.left()).arg(pave.right())
                                    .arg(avant.width()).arg(client(e.fenetre)->width())));
            // Made as narrow as it goes, the window still holds the pad whole.
            fenetre->resize(1, fenetre->height());
            QCoreApplication::processEvents();
            QVERIFY(widget(e.pave())->geometry().right() < client(e.fenetre)->width());
            const int largeur = widget(e.pave().key(0))->width();
            QVERIFY2(largeur >= 34, qPrintable(QString::number(largeur)));
            QCOMPARE(widget(e.pave().key(0))->focusPolicy(), Qt::NoFocus);
            QCOMPARE(accessible_name(e.pave().key(7)), QString("7"));
            QCOMPARE(accessible_name(e.pave().key(0)), QString("0"));
            // Read after the operation.
            QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(client(e.fenetre));
            const auto rang = [&](const ui::Control& c) {
                return surface->indexOfChild(QAccessible::queryAccessibleInterface(widget(c)));
            };
            QVERIFY2(rang(e.pave()) > rang(e.premiere_case()) && rang(e.premiere_case()) >= 0,
                     qPrintable(QString("pavé %1, case %2").arg(rang(e.pave())).arg(rang(e.premiere_case()))));

            choose(e.entree_pave());
            QVERIFY(!e.pave().shown());
            QVERIFY(!e.entree_pave().Checked());
            QCOMPARE(client(e.fenetre)->size(), avant);
            QVERIFY(fenetre->isVisible());
        });
    }

    // Over a window that shows its pad, the number dialog shows its own, and
    // the two numbers can be typed on it (with the mouse: no touch yet).
    void le_dialogue_a_son_pave()
    {
        const Exercice e = exercice("addition");
        dans(e, [&] {
            choose(e.entree_pave());
            when_modal([] {
                FeuilleChoixPerso& d = feuille_choix_perso();
                QVERIFY(d.pave.shown());
                for (int chiffre : {4, 0, 7}) click(d.pave.key(chiffre));
                click(d.txt_nb2);
                for (int chiffre : {0, 3, 8}) click(d.pave.key(chiffre));  // no leading zero
                click(d.cde_envoi);
            });
            choose(e.choisir());
            QVERIFY(wait_until_active(e.fenetre));
            QCOMPARE(chiffres_vus(Feuille_addition->terme1) + ' ' + chiffres_vus(Feuille_addition->terme2),
                     QString("407 38"));
        });
    }

    // The first touch on the screen shows the pad in the window touched and
    // in every window from then on: the tests after this one start with it.
    void le_premier_toucher_montre_les_paves()
    {
        const Exercice e = exercice("addition");
        dans(e, [&] {
            QVERIFY(!e.pave().shown());
            touch(Feuille_addition->Command2);
            QVERIFY(e.pave().shown());
            QVERIFY(e.entree_pave().Checked());
        });
        dans(exercice("division"), [] { QVERIFY(Feuille_division->pave.shown()); });
    }

    // Played with the pad alone, the operation goes exactly as with the
    // keypad: the same boxes filled, the focus walking the same way, the
    // same colours, and a judged box taking a digit the same way.
    void joue_comme_au_pave_physique_data() { exercices_data(); }
    void joue_comme_au_pave_physique()
    {
        QFETCH(QString, nom);
        const Exercice e = exercice(nom);
        QStringList au_clavier, au_doigt;
        dans(e, [&] {
            poser_par(e.fenetre, e.choisir(), e.premier, e.second);
            au_clavier = jouer(e, [](ui::Focusable& boite, int chiffre) { keypad_digit(boite, chiffre); });
        });
        dans(e, [&] {
            if (!e.pave().shown()) choose(e.entree_pave());  // shown already after a first touch
            poser_par(e.fenetre, e.choisir(), e.premier, e.second);
            au_doigt = jouer(e, [&](ui::Focusable&, int chiffre) { touch(e.pave().key(chiffre)); });
        });
        QCOMPARE(au_doigt, au_clavier);
        QVERIFY2(au_doigt.size() > 5, qPrintable(au_doigt.join('\n')));
        if (nom == "addition") QCOMPARE(au_doigt.at(au_doigt.size() - 3), QString("vvvvv"));
    }

};

TIBALOU_TEST_MAIN(PadTest)
#include "pad_test.moc"
