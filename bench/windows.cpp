#include "bench/windows.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>

#include "addition/Feuille_addition.h"
#include "addition/Module3.h"
#include "app/Feuille_Tibalou.h"
#include "bench/bare.h"
#include "bench/paint.h"
#include "dialogs/Feuille_score.h"
#include "division/Feuille_division.h"
#include "division/Module1.h"
#include "multiplication/Feuille_principale.h"
#include "multiplication/Module2.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

struct Opening {
    QString name;
    ui::FormSlotBase& slot;
    ui::Button FeuilleTibalou::*button;
};

const std::vector<Opening>& openings()
{
    static const std::vector<Opening> list{
        {"Addition", Feuille_addition, &FeuilleTibalou::Command4},
        {"Soustraction", Feuille_addition, &FeuilleTibalou::Command5},
        {"Multiplication", Feuille_principale, &FeuilleTibalou::Command2},
        {"Division", Feuille_division, &FeuilleTibalou::Command1},
    };
    return list;
}

// One exercise, with what the bench needs to drive it.
struct Exercise {
    const Opening& opening;
    void (*largest)();  // the options of its largest problem, once loaded
    void (*set_up)();
    void (*check)();
    void (*next_problem)();  // as the pupil asks for it, ending with the focus in the first box
};

const std::vector<Exercise>& exercises()
{
    static const std::vector<Exercise> list{
        {openings()[0],
         [] {
             option_long1 = 6;
             option_long2 = 6;
         },
         nouvelle_addition, verifier_addition, [] { click(Feuille_addition->Command2); }},
        // Never five digits by five.
        {openings()[2],
         [] {
             option_facteur1 = 5;
             option_facteur2 = 4;
         },
         nouvelle_multiplication, verifier_multiplication, [] { click(Feuille_principale->cde_commencer); }},
        // Five quotient digits and as many remainder rows.
        {openings()[3],
         [] {
             nb_chiffres_dividende = 5;
             nb_chiffres_diviseur = 1;
         },
         nouvelle_division, verifier_division,
         [] {
             click(Feuille_division->Command1);
             click(Feuille_division->cde_GO);
         }},
    };
    return list;
}

// What an exercise leaves behind goes before the next measure: the score
// window of the quit sequence, the windows unloaded.
void tidy()
{
    Feuille_score.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Clicks the menu button; the window unloads itself once painted.
Lap open_once(const Opening& opening, BareWindow* layout = nullptr)
{
    Moment painted;
    FirstPaint watch([&](QWidget* w) { return opening.slot.loaded() && w == window(opening.slot); },
                     [&](const Moment& at) {
                         painted = at;
                         if (layout) *layout = describe(*window(opening.slot));
                         opening.slot.unload();
                     });
    const Moment start = Moment::now();
    click(Feuille_Tibalou().*opening.button);
    tidy();
    return painted - start;
}

Lap open_bare(const BareWindow& layout)
{
    const Moment start = Moment::now();
    const auto bare = build(layout);
    return show_and_wait_painted(*bare, [&bare] { bare->show(); }) - start;
}

// Per-event figures on both clocks: the thread's CPU time, judged, and the
// wall time beside it, which also counts what other processes took.
struct Samples {
    std::vector<double> wall, cpu;

    void add(const Lap& lap)
    {
        wall.push_back(lap.wall);
        cpu.push_back(lap.cpu);
    }
};

Samples keypad_samples(const Exercise& exercise, int digits)
{
    Samples samples;
    when_modal([&] {
        ui::Form& form = exercise.opening.slot.form();
        wait_until_active(exercise.opening.slot);
        exercise.largest();
        int misses = 0;
        while (static_cast<int>(samples.cpu.size()) < digits && misses < 2) {
            auto* box = dynamic_cast<ui::TextBox*>(form.focused());
            if (!box) {
                ++misses;
                exercise.next_problem();
                // The new problem is painted before the next digit is timed.
                QCoreApplication::sendPostedEvents();
                continue;
            }
            misses = 0;
            const Moment start = Moment::now();
            keypad_digit(*box, static_cast<int>(samples.cpu.size() % 10));
            // The repaint of both boxes is posted: it belongs to the digit.
            QCoreApplication::sendPostedEvents();
            samples.add(Moment::now() - start);
        }
        exercise.opening.slot.unload();
    });
    click(Feuille_Tibalou().*exercise.opening.button);
    tidy();
    return samples;
}

}  // namespace

void show_main_menu()
{
    show_and_wait_painted(*window(Feuille_Tibalou), [] { Feuille_Tibalou.show(); });
    click(Feuille_Tibalou->Command3);
}

std::vector<Figure> opening_figures(int runs)
{
    std::vector<Figure> figures;
    for (const Opening& opening : openings()) {
        BareWindow layout;
        open_once(opening, &layout);
        open_bare(layout);
        Samples program, bare;
        for (int run = 0; run < runs; ++run) {
            program.add(open_once(opening));
            bare.add(open_bare(layout));
        }
        const QString what = QStringLiteral("Open %1 window (%2 widgets), ").arg(opening.name).arg(layout.widgets.size());
        figures.push_back(compared(what + "CPU", "ms", program.cpu, bare.cpu, 1.5));
        figures.push_back(compared(what + "wall", "ms", program.wall, bare.wall));
    }
    return figures;
}

std::vector<Figure> keypad_figures(int digits)
{
    std::vector<Figure> figures;
    for (const Exercise& exercise : exercises()) {
        const Samples samples = keypad_samples(exercise, digits);
        if (static_cast<int>(samples.cpu.size()) < digits)
            std::fprintf(stderr, "bench: the focus left the boxes of the %s after %zu digits\n",
                         qPrintable(exercise.opening.name), samples.cpu.size());
        const QString what = QStringLiteral("Keypad digit, %1, ").arg(exercise.opening.name);
        figures.push_back({what + "CPU median", "ms", median(samples.cpu), {}, 1.0});
        figures.push_back({what + "CPU 99th percentile", "ms", percentile(samples.cpu, 0.99), {}, 1.0});
        figures.push_back({what + "wall median", "ms", median(samples.wall)});
        figures.push_back({what + "wall 99th percentile", "ms", percentile(samples.wall, 0.99)});
    }
    return figures;
}

std::vector<Figure> resize_figures(int resizes)
{
    Samples samples;
    const Exercise& multiplication = exercises()[1];
    when_modal([&] {
        ui::FormSlotBase& slot = multiplication.opening.slot;
        wait_until_active(slot);
        multiplication.largest();
        multiplication.next_problem();
        QWidget& top = *window(slot);
        const QSize design = top.size();
        const QSize twice = design + client(slot)->size();
        for (int run = 0; run < resizes; ++run) {
            const Moment start = Moment::now();
            top.resize(run % 2 ? design : twice);
            QCoreApplication::processEvents();
            top.repaint();
            samples.add(Moment::now() - start);
        }
        slot.unload();
    });
    click(Feuille_Tibalou().*multiplication.opening.button);
    tidy();
    const QString what = QStringLiteral("Multiplication window resized (design size to twice, and back), ");
    return {{what + "CPU", "ms", median(samples.cpu), {}, 16.0}, {what + "wall", "ms", median(samples.wall)}};
}

std::vector<Figure> logic_figures(int runs)
{
    std::vector<Figure> figures;
    for (const Exercise& exercise : exercises()) {
        exercise.opening.slot.load();
        exercise.largest();
        std::vector<double> set_up, check;
        for (int run = 0; run < runs; ++run) {
            const Moment start = Moment::now();
            exercise.set_up();
            const Moment posed = Moment::now();
            exercise.check();
            set_up.push_back((posed - start).cpu * 1000);
            check.push_back((Moment::now() - posed).cpu * 1000);
        }
        exercise.opening.slot.unload();
        tidy();
        const QString name = exercise.opening.name;
        figures.push_back({QStringLiteral("Set-up of the largest %1, CPU").arg(name), "µs", median(set_up)});
        figures.push_back({QStringLiteral("Check of the largest %1, CPU").arg(name), "µs", median(check)});
    }
    return figures;
}
