#pragma once

// The X soak's scripted actions, which run before any random one: the fault
// replays, or the openings measure.

#include <deque>
#include <functional>

#include "bench/soak_run.h"
#include "ui/form.h"

// One action, given the window in front.
using Step = std::function<void(ui::Form& front)>;
using Script = std::deque<Step>;

inline void expect_front(ui::Form& front, const char* name)
{
    if (front.name() != name) throw Failure{QString("%1 in front, %2 expected").arg(front.name(), name)};
}
