#include "bench/x_fault_replays.h"

#include <QWidget>

#include "app/Feuille_Tibalou.h"
#include "bench/x_input.h"
#include "bench/x_sync.h"
#include "dialogs/Feuille_A_Propos.h"
#include "division/Feuille_division.h"
#include "ui/testing.h"

using namespace ui::testing;

Script FaultReplays::script()
{
    Script steps;
    // Just started, the program may miss a first click: each is tried
    // again until it has done its work, five times at most.
    steps.push_back([this](ui::Form&) {
        sync_.until_active(Feuille_Tibalou);
        for (int time = 0; time < 5 && visible(Feuille_Tibalou->fr_hello); ++time) {
            sync_.press_button(Feuille_Tibalou->Command3);
            sync_.pause(50);
        }
    });
    steps.push_back([this](ui::Form&) {
        // The steps that follow run inside the division, opened by this click.
        for (int time = 0; time < 5 && !division_opened_; ++time) {
            sync_.press_button(Feuille_Tibalou->Command1);
            sync_.pause(50);
        }
    });
    // Ctrl+Alt+M, Ctrl and Alt let go together half a second later: one
    // Return closes the About window, which stays closed.
    steps.push_back([this](ui::Form& front) {
        expect_front(front, "Feuille_division");
        division_opened_ = true;
        sync_.until_active(Feuille_division);
        for (const char* key : {"Control_L", "Alt_L", "m"}) input_.key(key, true);
        input_.key("m", false);
        sync_.settle();
    });
    steps.push_back([this](ui::Form& front) {
        expect_front(front, "Feuille_A_Propos");
        sync_.pause(500);
        input_.key("Alt_L", false);
        input_.key("Control_L", false);
        sync_.tap("Return");
        sync_.settle();
    });
    steps.push_back([this](ui::Form& front) {
        if (Feuille_A_Propos.loaded()) throw Failure{"the About window came back after its Return"};
        expect_front(front, "Feuille_division");
        // Ten digit keys down together on the help panel, then one held
        // until it repeats: one digit, a product, the focus moved on.
        soak_.note("menu mnu_affich_aide");
        choose(Feuille_division->mnu_affich_aide);
    });
    steps.push_back([this](ui::Form&) {
        sync_.press_button(Feuille_division->Fr_aide_txt_chiffre);
        for (char digit = '0'; digit <= '9'; ++digit) input_.key(QString(digit), true);
        input_.key("7", false);
        input_.key("7", true);
        sync_.pause(150);
        input_.release_all();
        sync_.settle();
        auto& w = Feuille_division();
        // The product against the box is one of the shared checks.
        if (w.Fr_aide_txt_chiffre.Text().size() > 1 || w.Fr_aide_résultat.Caption().isEmpty() ||
            w.focused() != &w.cde_verifier)
            throw Failure{"the help panel holds \"" + w.Fr_aide_txt_chiffre.Text() + "\" and shows \"" +
                          w.Fr_aide_résultat.Caption() + "\""};
        input_.close_by_window_manager(window(Feuille_division)->winId());
        sync_.settle();
    });
    return steps;
}
