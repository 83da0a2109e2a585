#pragma once

// What the three exercise tests share: the number dialog, the draws, the
// counters and colours read back, the About shortcut.

#include <QCoreApplication>
#include <QList>
#include <QTest>
#include <functional>
#include <memory>

#include "common/score.h"
#include "dialogs/Feuille_A_Propos.h"
#include "tests/dialogue.h"
#include "tests/focus.h"
#include "tests/test_main.h"
#include "ui/random.h"
#include "ui/testing.h"

// The next draws come from `valeurs`; the sequence returned tells how they were used.
inline ui::FixedSequence& tirer_dans(std::vector<double> valeurs)
{
    auto suite = std::make_unique<ui::FixedSequence>(std::move(valeurs));
    ui::FixedSequence& vue = *suite;
    ui::set_random_source(std::move(suite));
    return vue;
}

// The pupil chooses `entree`, fills the number dialog and is back in `fenetre`.
inline void poser_par(ui::FormSlotBase& fenetre, ui::MenuEntry& entree, const QString& premier, const QString& second)
{
    repondre_au_dialogue(premier, second);
    ui::testing::choose(entree);
    QVERIFY(ui::testing::wait_until_active(fenetre));
}

// A row of digits as read, the leftmost (highest index) first, hidden ones skipped.
inline QString chiffres_vus(const ui::ControlArray<ui::Label>& ligne)
{
    QString vu;
    for (auto i : ligne.indices())
        if (ui::testing::visible(ligne(i))) vu.prepend(ligne(i).Caption());
    return vu;
}

// A box as painted: 'v' green, 'r' red, '.' anything else.
inline QChar teinte(const ui::Control& boite)
{
    const ui::Color c = ui::testing::painted_color(boite);
    return c == ui::green ? 'v' : c == ui::red ? 'r' : '.';
}

inline QList<int> compteurs()
{
    return {justes_essai, fausses_essai, total_justes, total_chiffres, score_pourcent};
}

// Whether the About window came up during the action (it is closed at once by its "OK").
inline bool a_propos_pendant(const std::function<void()>& action)
{
    bool ouvert = false;
    ui::testing::when_modal([&] {
        ouvert = Feuille_A_Propos.modal();
        if (ouvert) ui::testing::click(Feuille_A_Propos->Command1);
    });
    action();
    QCoreApplication::processEvents();
    return ouvert;
}
