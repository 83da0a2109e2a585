#pragma once

// What every soak shares: the program run again and again, one action per
// tick (inside whatever modal window is up), and after every action the
// checks of what must hold whatever was pressed. A failure prints the seed
// and the action index.

#include <QString>
#include <cstdint>
#include <deque>
#include <map>
#include <random>
#include <utility>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"

struct Failure {
    QString what;
};

long resident_kb();       // VmRSS now
long peak_resident_kb();  // VmHWM

// Parses "--actions N --seed S" and lets the exercises draw from the seed.
struct SoakOptions {
    long actions;
    std::uint64_t seed;
};
SoakOptions soak_options(long default_actions);

// The offscreen and X platforms' notes that are nothing the soak is about.
void quiet_platform_notes();

class SoakRun {
public:
    SoakRun(const char* name, SoakOptions options);
    virtual ~SoakRun() = default;

    // Runs the program until the actions are done or one check fails; 0 when all held.
    int run();

    // The soak's draws, from its seed, and its log of the last actions, for
    // whatever acts on its behalf.
    int roll(int n) { return static_cast<int>(pick_() % static_cast<std::uint64_t>(n)); }
    template <class T>
    T& any_of(std::vector<T>& items)
    {
        return items[roll(static_cast<int>(items.size()))];
    }
    void note(const QString& what);

protected:
    // One action on the window in front; `index` counts from 0.
    virtual void act(ui::Form& form, long index) = 0;
    // Checks of this kind of soak, after the shared ones.
    virtual void check_more(long) {}
    // Figures of this kind of soak, printed before the verdict.
    virtual void report_more() {}
    // Called before the program runs again, and once at the end.
    virtual void between_runs() {}

    // The controls of a window that the pupil can reach with the mouse.
    template <class C>
    std::vector<C*> reachable(ui::Form& form);

    std::uint64_t seed() const { return seed_; }
    long done() const { return done_; }
    long target() const { return target_; }

private:
    void schedule(int delay_ms = 0);
    void tick();
    void check(std::pair<std::int32_t, std::int32_t> totals_before);

    const char* name_;
    std::uint64_t seed_;
    long target_;
    long done_ = 0;
    std::mt19937_64 pick_;
    bool tick_pending_ = false;
    std::vector<int> acting_levels_;  // event loop levels of the actions under way
    bool failed_ = false;
    int runs_ = 0;
    long in_modal_ = 0;
    long counted_checks_ = 0;
    std::deque<QString> log_;
    std::map<QString, long> per_window_;
};

bool reachable_by_mouse(const ui::Focusable& control);

template <class C>
std::vector<C*> SoakRun::reachable(ui::Form& form)
{
    std::vector<C*> found;
    for (ui::Focusable* control : form.focusables())
        if (auto* c = dynamic_cast<C*>(control); c && reachable_by_mouse(*c)) found.push_back(c);
    return found;
}
