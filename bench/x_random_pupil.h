#pragma once

// The pupil who presses anything with a real keyboard and mouse: keys tapped,
// held together, repeated and let go in any window; Num Lock; Ctrl+Alt+M and
// near misses; single, double and triple clicks anywhere; menus; the window
// manager's close; keys typed while a window closes.

#include <QString>

#include "ui/form.h"

class SoakRun;
class XInput;
class XSync;

class XRandomPupil {
public:
    // Draws from the soak's dice and notes in its log.
    XRandomPupil(SoakRun& soak, XSync& sync, XInput& input) : soak_(soak), sync_(sync), input_(input) {}

    // One action on the window in front; `index` names it in the log.
    void act(ui::Form& front, long index);

private:
    QString random_key();
    void click_somewhere(ui::Form& front, long index);
    void use_menu(ui::Form& front, long index);
    void tap_key(long index);
    void hold_key(long index);
    void let_go_a_key(long index);
    void repeat_key(long index);
    void chord(long index);
    void close_a_window(long index);
    void type_while_closing(ui::Form& front, long index);

    SoakRun& soak_;
    XSync& sync_;
    XInput& input_;
};
