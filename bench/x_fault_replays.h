#pragma once

// Faults that only a real server and window manager showed, replayed before
// the random pupil starts.

#include "bench/x_script.h"

class SoakRun;
class XInput;
class XSync;

class FaultReplays {
public:
    FaultReplays(SoakRun& soak, XSync& sync, XInput& input) : soak_(soak), sync_(sync), input_(input) {}
    // The steps refer to this object, which outlives them.
    Script script();

private:
    SoakRun& soak_;
    XSync& sync_;
    XInput& input_;
    bool division_opened_ = false;
};
