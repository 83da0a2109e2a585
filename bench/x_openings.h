#pragma once

// Opens the About window from the main menu with a click and closes it with
// Return, again and again, and prints the resident memory it took.

#include <QElapsedTimer>

#include "bench/x_script.h"

class XSync;

class OpeningsMeasure {
public:
    OpeningsMeasure(XSync& sync, int times) : sync_(sync), times_(times) {}
    // The actions the script takes.
    long actions() const { return 2 * times_ + 2; }
    // The steps refer to this object, which outlives them.
    Script script();

private:
    XSync& sync_;
    int times_;
    QElapsedTimer clock_;
    long resident_before_ = 0;
};
