#include "bench/x_openings.h"

#include <cstdio>

#include "app/Feuille_Tibalou.h"
#include "bench/x_sync.h"
#include "dialogs/Feuille_A_Propos.h"

Script OpeningsMeasure::script()
{
    Script steps;
    steps.push_back([this](ui::Form&) {
        sync_.until_active(Feuille_Tibalou);
        sync_.press_button(Feuille_Tibalou->Command3);
        clock_.start();
        resident_before_ = resident_kb();
    });
    for (int time = 0; time < times_; ++time) {
        steps.push_back([this](ui::Form&) { sync_.press_button(Feuille_Tibalou->Command6); });
        steps.push_back([this](ui::Form& front) {
            expect_front(front, "Feuille_A_Propos");
            sync_.tap("Return");
            sync_.settle();
        });
    }
    steps.push_back([this](ui::Form&) {
        if (Feuille_A_Propos.loaded()) throw Failure{"the About window stayed open"};
        std::printf("soak_x: %d About windows opened and closed in %.1f s: resident memory %ld kB before, "
                    "%ld kB after (%+ld kB)\n",
                    times_, clock_.elapsed() / 1000.0, resident_before_, resident_kb(),
                    resident_kb() - resident_before_);
    });
    return steps;
}
