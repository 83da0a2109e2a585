#pragma once

// Drives the real widgets the way a pupil does, for the tests.

#include <Qt>
#include <QString>
#include <functional>
#include <vector>

#include "ui/form.h"

class QEvent;
class QWidget;

namespace ui::testing {

using ui::Form;

QWidget* widget(const Control& control);
QWidget* window(FormSlotBase& slot);
QWidget* client(FormSlotBase& slot);  // the surface its controls stand on

// What the program wrote, and what the screen shows.
bool visible(const Control& control);
Color back_color(const Control& control);
Color painted_color(const Control& control);  // sampled from the rendered control
bool has_keyboard_focus(const Focusable& control);
bool enabled(const MenuEntry& entry);
QString accessible_name(const Control& control);
QString accessible_text(const Control& control);  // caption of a label, text of a box

// The windows of the program, for tests that roam through all of them.
std::vector<Form*> loaded_forms();
Form* front_form();  // the modal window on top, else the active one
bool under_pointer(const Control& control);  // not covered by another control
bool modal_up();  // a modal window waits for its answer

// The window as the screen shows it, menu bar included, saved as PNG.
bool save_picture(FormSlotBase& slot, const QString& path);

// What the pupil does.
void click(Focusable& control, Qt::MouseButton button = Qt::LeftButton);  // press and release in it
void touch(Focusable& control);  // a finger's tap in its middle, and what follows from it
void activate(FormSlotBase& slot);  // the window in front gets the keyboard
bool wait_until_active(FormSlotBase& slot);
void key_click(Focusable& control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// One half of a click, for chords whose keys are let go in another order.
void key_press(Focusable& control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void key_release(Focusable& control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void keypad_digit(Focusable& control, int digit);
void main_row_digit(Focusable& control, int digit);
void type(Focusable& control, const QString& characters);  // main keyboard
void tab_from(Focusable& control);
void deliver(Focusable& control, QEvent& event);
void key_to_focus(Form& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);  // a hand-made event, to the focused widget
void choose(MenuEntry& entry);             // opens its menu and clicks the entry
void open_and_close(Menu& menu);           // from the menu bar, then Escape
void close_box(FormSlotBase& slot);        // the title bar's close box
void press_as_a_reader(Button& button);    // the accessibility interface's press action

// After a test has ended the program, the next one starts it again.
void forget_program_end();

// Runs the action once the next modal window is up and waiting.
void when_modal(std::function<void()> action);

}  // namespace ui::testing
