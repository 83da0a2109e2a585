#pragma once

// Which control of a window has the focus as the program sees it, and what
// screen readers hear there. Private to ui/: each window owns one, and its
// controls, those of its panels too, report to it.

#include <QString>
#include <cstddef>
#include <utility>
#include <vector>

class QObject;

namespace ui {

class Focusable;
class Frame;

class FocusKeeper {
public:
    // Work put off for later runs only while `window` is there.
    explicit FocusKeeper(QObject& window) : window_(window) {}
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

    // What is made in the window that takes the focus, or may cover what
    // does; they come in design order.
    void adopt(Focusable& control) { focusables_.push_back(&control); }
    void adopt(Frame& panel);
    const std::vector<Focusable*>& focusables() const { return focusables_; }
    // A panel was shown or hidden, or a control moved: what the panels cover may have changed.
    void cover_changed();

    void set_tab_order(const std::vector<Focusable*>& order);
    void set_initial_focus(Focusable& control) { initial_focus_ = &control; }
    // The window is first shown: the initial control, else the first in Tab
    // order that can take the focus.
    void focus_first_control();

    Focusable* focused() const { return focused_; }
    // The program moves the focus: LostFocus, then GotFocus, at once.
    void give(Focusable& control);
    // The toolkit has moved the focus there; the program hears of it once
    // the toolkit has told screen readers, or before anything else happens.
    void taken(Focusable& control);
    // What the pupil does next comes after the focus that came before it.
    void settle();

    // Words said with the control that next takes the focus, or with the
    // focused one if the handler leaves the focus where it is.
    void announce(const QString& words);

    // The window is being discarded: its controls report nothing more, and
    // the focus stays where it is for the program.
    void discard();

private:
    void arrived(Focusable& control);
    void hand_announcement(Focusable& control);
    void take_announcement_back();

    QObject& window_;
    bool discarded_ = false;  // its window unloaded: the focus moves no more for the program
    Focusable* focused_ = nullptr;
    unsigned focus_moves_ = 0;  // between two controls of the window, since it was made
    Focusable* taking_focus_ = nullptr;  // has it, the program not yet told
    Focusable* initial_focus_ = nullptr;
    QString announcement_;               // not yet on a control
    Focusable* announcing_ = nullptr;    // the control that says the last one
    std::vector<Focusable*> tab_order_;
    std::vector<Focusable*> focusables_;
    // Each panel, with how many controls that take the focus were made before it.
    std::vector<std::pair<const Frame*, std::size_t>> frames_;
};

}  // namespace ui
