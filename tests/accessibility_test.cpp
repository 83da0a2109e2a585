#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "addition/Feuille_addition.h"
#include "addition/Module3.h"
#include "app/Feuille_Tibalou.h"
#include "common/score.h"
#include "dialogs/Feuille_A_Propos.h"
#include "dialogs/Feuille_score.h"
#include "dialogs/feuille_choix_perso.h"
#include "division/Feuille_division.h"
#include "division/Module1.h"
#include "multiplication/Feuille_principale.h"
#include "multiplication/Module2.h"
#include "tests/exercice.h"

using namespace ui::testing;

namespace {

QAccessibleInterface* lu(const ui::Control& control)
{
    return QAccessible::queryAccessibleInterface(widget(control));
}

QString nom(const ui::Control& control)
{
    return lu(control)->text(QAccessible::Name);
}

QString description(const ui::Control& control)
{
    return lu(control)->text(QAccessible::Description);
}

ui::TextBox& resultat(int k) { return Feuille_addition->txt_résultat(k); }

// What a box goes through, in order: "focus" as the focus reaches it, "text"
// as its text or caret changes (which readers hear of at once).
struct Seen : QObject {
    QStringList events;
    explicit Seen(const ui::Control& box)
    {
        auto* edit = qobject_cast<QLineEdit*>(widget(box));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this] { events << "text"; });
        connect(edit, &QLineEdit::cursorPositionChanged, this, [this] { events << "text"; });
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) events << "focus";
        return false;
    }
};

// Starts an operation with `commencer`, types a digit in the box it starts
// in, and starts another: the box is emptied once the focus is back there.
void recommencer_apres_un_chiffre(ui::FormSlotBase& fenetre, ui::Focusable& commencer, ui::TextBox& premiere)
{
    fenetre.show();
    QVERIFY(wait_until_active(fenetre));
    click(commencer);
    keypad_digit(premiere, 5);
    Seen seen(premiere);
    click(commencer);
    QCOMPARE(seen.events.value(0), QString("focus"));
    QCOMPARE(premiere.Text(), QString());
    fenetre.unload();
}

// Whether the score was up when the window it replaces went.
struct ScoreWhenHidden : QObject {
    bool score_shown = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) score_shown = window(Feuille_score)->isVisible();
        return false;
    }
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Feuille_Tibalou.show();
    }

    // The welcome, the About line and the score are said with the button
    // each window opens on; labels are called by what they show.
    void windows_say_what_they_show_with_their_first_button()
    {
        QCOMPARE(description(Feuille_Tibalou->Command3), Feuille_Tibalou->Label2.Caption());
        QVERIFY(nom(Feuille_Tibalou->Label2).endsWith(Feuille_Tibalou->Label2.Caption()));
        QCOMPARE(description(Feuille_A_Propos->Command1), QString("Écrit en C++ avec Qt 6."));

        score_pourcent = 75;
        // Shown after its owner has gone, the score would lose the keyboard
        // to whatever window the window manager falls back on.
        ScoreWhenHidden score;
        Feuille_A_Propos.show();
        window(Feuille_A_Propos)->installEventFilter(&score);
        quitter_vers_score(Feuille_A_Propos);
        QVERIFY(score.score_shown);
        QCOMPARE(description(Feuille_score->Command1),
                 QString("Ton score global de réussite au premier essai est de : 75 %"));
        QCOMPARE(nom(Feuille_score->Label3), QString("Score en pourcentage, 75"));
        Feuille_score.unload();
    }

    void dialog_boxes_are_called_and_labelled_by_their_captions()
    {
        when_modal([] {
            auto& d = feuille_choix_perso();
            QCOMPARE(nom(d.txt_nb1), QString("Premier facteur ="));
            QCOMPARE(nom(d.txt_nb2), QString("Deuxième facteur ="));
            const auto par = lu(d.txt_nb2)->relations(QAccessible::Label);
            QCOMPARE(par.size(), 1);
            QCOMPARE(par[0].first->object(), widget(d.nombre2));
            const auto pour = lu(d.nombre1)->relations(QAccessible::Labelled);
            QCOMPARE(pour.size(), 1);
            QCOMPARE(pour[0].first->object(), widget(d.txt_nb1));
            type(d.txt_nb1, "12");
            click(d.txt_nb2);
            type(d.txt_nb2, "3");
            click(d.cde_envoi);
        });
        Feuille_principale.show();
        choose(Feuille_principale->mnu_choisir_facteurs);
    }

    void the_multiplication_table_reads_as_a_table()
    {
        auto* table = lu(Feuille_principale->fr_table);
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface* grille = table->tableInterface();
        QVERIFY(grille);
        QCOMPARE(grille->rowCount(), 10);
        QCOMPARE(grille->columnCount(), 10);
        QCOMPARE(grille->columnDescription(8), QString("8"));

        QAccessibleInterface* case78 = grille->cellAt(7, 8);
        QCOMPARE(case78->text(QAccessible::Name), QString("7 fois 8, 56"));
        QCOMPARE(case78->role(), QAccessible::Cell);
        QAccessibleTableCellInterface* cellule = case78->tableCellInterface();
        QCOMPARE(cellule->rowIndex() * 10 + cellule->columnIndex(), 78);
        QCOMPARE(cellule->columnHeaderCells().value(0)->text(QAccessible::Name), QString("Colonne 8, 8"));
        QCOMPARE(cellule->rowHeaderCells().value(0)->text(QAccessible::Name), QString("Ligne 7, 7"));
        QCOMPARE(cellule->table()->object(), table->object());
        QCOMPARE(grille->cellAt(0, 0)->role(), QAccessible::ColumnHeader);  // the corner, "X", is a cell too
        QCOMPARE(grille->cellAt(0, 3)->role(), QAccessible::ColumnHeader);
        QCOMPARE(grille->cellAt(4, 0)->role(), QAccessible::RowHeader);
        QVERIFY(!grille->cellAt(10, 0));
        // Other panels stay plain panels.
        QCOMPARE(lu(Feuille_Tibalou->fr_hello)->role(), QAccessible::Grouping);
        QVERIFY(!lu(Feuille_Tibalou->fr_hello)->tableInterface());
    }

    // The operation is said with the box the focus lands in, whichever way
    // the window gets the keyboard back, and only there.
    void a_posed_operation_is_heard_where_the_focus_lands()
    {
        Feuille_principale.unload();
        Feuille_addition.show();
        QVERIFY(wait_until_active(Feuille_addition));
        poser_par(Feuille_addition, Feuille_addition->mnu_choix_termes, "47", "38");
        QCOMPARE(description(resultat(0)), QString("47 plus 38"));
        VERIFY_FOCUS(resultat(0));
        activate(Feuille_Tibalou);
        activate(Feuille_addition);
        QCOMPARE(description(resultat(0)), QString("47 plus 38"));
        keypad_digit(resultat(0), 5);
        VERIFY_FOCUS(resultat(1));
        QCOMPARE(description(resultat(0)), QString());
        QCOMPARE(description(resultat(1)), QString());
        QCOMPARE(nom(Feuille_addition->terme1(1)), QString("Chiffre des dizaines du premier terme, 4"));
    }

    // Each judged box says its verdict; the count is said once, with the
    // button the focus goes to, and a new operation takes the verdicts away.
    void a_check_gives_each_box_its_verdict_and_its_count_once()
    {
        auto& f = Feuille_addition();
        keypad_digit(resultat(1), 9);
        click(f.Command3);
        QCOMPARE((QStringList{description(resultat(0)), description(resultat(1))}), (QStringList{"juste", "faux"}));
        QCOMPARE(description(f.Command2), QString("1 chiffre juste sur 2"));
        // Tabbed into, a box hears of it only once the toolkit has told
        // readers of the focus: emptied before, it is taken by a reader for
        // the arrival itself, and not said.
        const QString pose = resultat(0).Text();
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Tab);
        VERIFY_FOCUS(resultat(0));
        QVERIFY(!pose.isEmpty());
        QCOMPARE(resultat(0).Text(), pose);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(resultat(0).Text(), QString());
        click(resultat(1));
        QCOMPARE(description(f.Command2), QString());
        QCOMPARE(description(resultat(1)), QString("faux"));

        click(f.Command2);
        QVERIFY(description(resultat(0)).endsWith(" plus " + QString::number(valeur_terme2)));
        QCOMPARE(description(resultat(1)), QString());
        Feuille_addition.unload();
    }

    // A command that leaves the focus in the first box says the new
    // operation there at once; the division says its own as it opens.
    void an_operation_posed_under_the_focus_is_said_there()
    {
        auto& m = Feuille_principale();
        Feuille_principale.show();
        QVERIFY(wait_until_active(Feuille_principale));
        click(m.cde_commencer);
        VERIFY_FOCUS(m.Et_sommes(0));
        choose(m.mnu_commencer);
        QTRY_COMPARE(description(m.Et_sommes(0)), QString("%1 fois %2").arg(facteur1).arg(facteur2));
        Feuille_principale.unload();

        Feuille_division.show();
        QVERIFY(wait_until_active(Feuille_division));
        QCOMPARE(description(Feuille_division->Command1), QString("%1 divisé par %2").arg(dividende).arg(diviseur));
        QVERIFY(nom(Feuille_division->Txt_quotient(1)).startsWith("Quotient, 2e chiffre"));
        Feuille_division.unload();
    }

    // A reader that hears of a box changing just before the focus reaches it
    // takes the change for the arrival and says nothing: the box a new
    // operation starts in, holding the pupil's last digit, is emptied only
    // once the focus is there.
    void the_first_box_of_a_new_operation_changes_after_the_focus_arrives()
    {
        auto& m = Feuille_principale();
        auto& d = Feuille_division();
        recommencer_apres_un_chiffre(Feuille_addition, Feuille_addition->Command2, resultat(0));
        recommencer_apres_un_chiffre(Feuille_principale, m.cde_commencer, m.Et_sommes(0));
        recommencer_apres_un_chiffre(Feuille_division, d.cde_GO, d.Txt_quotient(0));
    }

    // With the focus in the units box, a new addition leaves it there without
    // a move: hidden and shown again, the box would send the focus along the
    // row and back, and a reader skipping the moves in between would take it
    // for no move at all, and say nothing of the new addition.
    void a_new_addition_keeps_the_focus_in_the_units_box_without_a_move()
    {
        Feuille_addition.show();
        QVERIFY(wait_until_active(Feuille_addition));
        click(Feuille_addition->Command2);
        VERIFY_FOCUS(resultat(0));
        QSignalSpy moves(qApp, &QApplication::focusChanged);
        nouvelle_addition();
        QCOMPARE(moves.count(), 0);
        VERIFY_FOCUS(resultat(0));
        Feuille_addition.unload();
    }
};

TIBALOU_TEST_MAIN(AccessibilityTest)

#include "accessibility_test.moc"
