// Plays the whole program at random, as a pupil who presses anything, with
// events made inside the program, and checks after every action what must
// hold whatever was pressed.
//
//   soak [--actions N] [--seed S]
//
// A failure prints the seed and the action index, which replay it exactly.
#include <QCoreApplication>

#include "bench/soak_run.h"
#include "ui/application.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

class SyntheticSoak : public SoakRun {
public:
    using SoakRun::SoakRun;

private:
    void act(ui::Form& form, long) override
    {
        const int dice = roll(100);
        if (dice < 15) {
            auto buttons = reachable<ui::Button>(form);
            if (buttons.empty()) return;
            ui::Button* button = any_of(buttons);
            // Ending the program is rarer, so that the exercises get played.
            if (button->name() == "cd_quitter_tout" && roll(10) != 0) return;
            note(form.name() + ": click " + button->name() + " \"" + button->Caption() + "\"");
            click(*button);
        } else if (dice < 30) {
            auto boxes = reachable<ui::TextBox>(form);
            if (boxes.empty()) return;
            ui::TextBox* box = any_of(boxes);
            note(form.name() + ": click box " + box->name());
            click(*box);
        } else if (dice < 55) {
            const int digit = roll(10);
            note(form.name() + QString(": keypad %1").arg(digit));
            key_to_focus(form, static_cast<Qt::Key>(Qt::Key_0 + digit), Qt::KeypadModifier);
        } else if (dice < 67) {
            const int digit = roll(10);
            note(form.name() + QString(": main row %1").arg(digit));
            key_to_focus(form, static_cast<Qt::Key>(Qt::Key_0 + digit));
        } else if (dice < 82) {
            static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
                {Qt::Key_A, Qt::NoModifier},          {Qt::Key_Z, Qt::ShiftModifier},
                {Qt::Key_Minus, Qt::NoModifier},      {Qt::Key_Plus, Qt::KeypadModifier},
                {Qt::Key_Period, Qt::NoModifier},     {Qt::Key_Space, Qt::NoModifier},
                {Qt::Key_Backspace, Qt::NoModifier},  {Qt::Key_Delete, Qt::NoModifier},
                {Qt::Key_Return, Qt::NoModifier},     {Qt::Key_Enter, Qt::KeypadModifier},
                {Qt::Key_Escape, Qt::NoModifier},     {Qt::Key_Tab, Qt::NoModifier},
                {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Home, Qt::KeypadModifier},
                {Qt::Key_Left, Qt::KeypadModifier},   {Qt::Key_V, Qt::ControlModifier},
                {Qt::Key_Z, Qt::ControlModifier},     {Qt::Key_M, Qt::ControlModifier | Qt::AltModifier},
                {Qt::Key_M, Qt::ControlModifier},     {Qt::Key_M, Qt::AltModifier},
                {Qt::Key_M, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier},
            };
            const auto& [key, modifiers] = keys[roll(std::size(keys))];
            note(form.name() + QString(": key %1 with %2").arg(key, 0, 16).arg(int(modifiers), 0, 16));
            key_to_focus(form, key, modifiers);
        } else if (dice < 96) {
            std::vector<ui::MenuEntry*> entries;
            for (ui::MenuEntry* entry : form.menu_entries())
                if (enabled(*entry)) entries.push_back(entry);
            if (entries.empty()) return;
            ui::MenuEntry* entry = any_of(entries);
            note(form.name() + ": menu " + entry->name());
            choose(*entry);
        } else {
            if (form.name() == "Feuille_Tibalou" && roll(10) != 0) return;
            note(form.name() + ": close box");
            close_box(*form.slot());
        }
    }
};

}  // namespace

int main(int argc, char** argv)
{
    quiet_platform_notes();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::Application application(argc, argv);
    return SyntheticSoak("soak", soak_options(20000)).run();
}
