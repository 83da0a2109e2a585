#pragma once

// The keypad's ten digits on the screen, for a finger or a pen where there
// is no keypad: a panel beside the window's design, never part of it.

#include "ui/control_array.h"
#include "ui/controls.h"

namespace ui {

class Form;
class MenuEntry;

class DigitPad : public Frame {
public:
    // Hidden until shown by `entry` (ticked while the pad shows) or by the
    // first touch on the screen, from which on every pad shows.
    explicit DigitPad(Form& window, MenuEntry* entry = nullptr);
    ~DigitPad() override;

    bool shown() const { return visible(); }
    Button& key(int digit) { return keys_(digit); }
    void setShown(bool shown);

    // A finger or a pen has touched the screen.
    static void screen_touched();
    // `dialog`, opening over `owner`, shows its pad where the owner shows one.
    static void follow(const Form& dialog, const Form& owner);

private:
    // Does what the keypad's key does, to whatever has the focus.
    void type(int digit);

    Form& window_;
    MenuEntry* entry_;
    ControlArray<Button> keys_;
};

}  // namespace ui
