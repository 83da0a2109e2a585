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
double open_once(const Opening& opening, BareWindow* layout = nullptr)
{
    Clock::time_point painted;
    FirstPaint watch([&](QWidget* w) { return opening.slot.loaded() && w == window(opening.slot); },
                     [&](Clock::time_point at) {
                         painted = at;
                         if (layout) *layout = describe(*window(opening.slot));
                         opening.slot.unload();
                     });
    const Clock::time_point start = Clock::now();
    click(Feuille_Tibalou().*opening.button);
    tidy();
    return milliseconds(painted - start);
}

double open_bare(const BareWindow& layout)
{
    const Clock::time_point start = Clock::now();
    const auto bare = build(layout);
    return milliseconds(show_and_wait_painted(*bare, [&bare] { bare->show(); }) - start);
}

std::vector<double> keypad_samples(const Exercise& exercise, int digits)
{
    std::vector<double> samples;
    when_modal([&] {
        ui::Form& form = exercise.opening.slot.form();
        wait_until_active(exercise.opening.slot);
        exercise.largest();
        int misses = 0;
        while (static_cast<int>(samples.size()) < digits && misses < 2) {
            auto* box = dynamic_cast<ui::TextBox*>(form.focused());
            if (!box) {
                ++misses;
                exercise.next_problem();
                // The new problem is painted before the next digit is timed.
                QCoreApplication::sendPostedEvents();
                continue;
            }
            misses = 0;
            const Clock::time_point start = Clock::now();
            keypad_digit(*box, static_cast<int>(samples.size() % 10));
            // The repaint of both boxes is posted: it belongs to the digit.
            QCoreApplication::sendPostedEvents();
            samples.push_back(milliseconds(Clock::now() - start));
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
        std::vector<double> program, bare;
        for (int run = 0; run < runs; ++run) {
            program.push_back(open_once(opening));
            bare.push_back(open_bare(layout));
        }
        figures.push_back({QStringLiteral("Open %1 window (%2 widgets)").arg(opening.name).arg(layout.widgets.size()),
                           "ms", median(program), median(bare), 1.5});
    }
    return figures;
}

std::vector<Figure> keypad_figures(int digits)
{
    std::vector<Figure> figures;
    for (const Exercise& exercise : exercises()) {
        const auto samples = keypad_samples(exercise, digits);
        if (static_cast<int>(samples.size()) < digits)
            std::fprintf(stderr, "bench: the focus left the boxes of the %s after %zu digits\n",
                         qPrintable(exercise.opening.name), samples.size());
        const QString what = QStringLiteral("Keypad digit, %1, ").arg(exercise.opening.name);
        figures.push_back({what + "median", "ms", median(samples), {}, 1.0});
        figures.push_back({what + "99th percentile", "ms", percentile(samples, 0.99), {}, 1.0});
    }
    return figures;
}

std::vector<Figure> resize_figures(int resizes)
{
    std::vector<double> samples;
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
            const Clock::time_point start = Clock::now();
            top.resize(run % 2 ? design : twice);
            QCoreApplication::processEvents();
            top.repaint();
            samples.push_back(milliseconds(Clock::now() - start));
        }
        slot.unload();
    });
    click(Feuille_Tibalou().*multiplication.opening.button);
    tidy();
    return {{"Multiplication window resized (design size to twice, and back)", "ms", median(samples), {}, 16.0}};
}

std::vector<Figure> logic_figures(int runs)
{
    std::vector<Figure> figures;
    for (const Exercise& exercise : exercises()) {
        exercise.opening.slot.load();
        exercise.largest();
        std::vector<double> set_up, check;
        for (int run = 0; run < runs; ++run) {
            const Clock::time_point start = Clock::now();
            exercise.set_up();
            const Clock::time_point posed = Clock::now();
            exercise.check();
            set_up.push_back(milliseconds(posed - start) * 1000);
            check.push_back(milliseconds(Clock::now() - posed) * 1000);
        }
        exercise.opening.slot.unload();
        tidy();
        const QString name = exercise.opening.name;
        figures.push_back({QStringLiteral("Set-up of the largest %1").arg(name), "µs", median(set_up)});
        figures.push_back({QStringLiteral("Check of the largest %1").arg(name), "µs", median(check)});
    }
    return figures;
}
