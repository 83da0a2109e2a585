#include "ui/focus_keeper.h"

#include <QObject>
#include <algorithm>

#include "ui/controls.h"
#include "ui/errors.h"

namespace ui {

// Panels

void FocusKeeper::adopt(Frame& panel)
{
    frames_.emplace_back(&panel, focusables_.size());
    cover_changed();
}

void FocusKeeper::cover_changed()
{
    // A panel lies over the controls of its container made before it.
    for (std::size_t i = 0; i < focusables_.size(); ++i) {
        Focusable& control = *focusables_[i];
        control.set_covered(std::any_of(frames_.begin(), frames_.end(), [&](const auto& frame) {
            const auto& [panel, made_before] = frame;
            return i < made_before && panel->shown_in_window() && panel->lies_over(control);
        }));
    }
}

// Moves

void FocusKeeper::set_tab_order(const std::vector<Focusable*>& order)
{
    tab_order_ = order;
    for (std::size_t i = 1; i < order.size(); ++i) order[i]->follow_in_tab_order(*order[i - 1]);
}

void FocusKeeper::focus_first_control()
{
    if (initial_focus_ && initial_focus_->can_take_focus()) {
        give(*initial_focus_);
        return;
    }
    for (Focusable* control : tab_order_)
        if (control->can_take_focus()) {
            give(*control);
            return;
        }
}

void FocusKeeper::give(Focusable& control)
{
    if (!control.can_take_focus()) return;
    // Said with the control before the toolkit moves the focus there: a reader
    // that heard the description change on the focused control would say it twice.
    if (!announcement_.isEmpty() && !discarded_) {
        take_announcement_back();
        hand_announcement(control);
    }
    control.take_keyboard_focus();
    // A window not yet active gets no focus event: the move is made all the same.
    arrived(control);
}

// Tabbed or clicked into, a control is announced by the toolkit only after
// its focus event: a box its handler empties before that would be taken by a
// reader for the focus arriving, and not said.
void FocusKeeper::taken(Focusable& control)
{
    settle();
    taking_focus_ = &control;
    QMetaObject::invokeMethod(&window_, [this] { settle(); }, Qt::QueuedConnection);
}

void FocusKeeper::settle()
{
    if (Focusable* control = std::exchange(taking_focus_, nullptr))
        dispatch([this, control] { arrived(*control); });
}

void FocusKeeper::arrived(Focusable& control)
{
    if (taking_focus_ != &control) settle();
    taking_focus_ = nullptr;
    // Only moves between the program's controls count; the focus coming back
    // to the same control (menu closed, window reactivated) raises nothing.
    if (&control == focused_ || discarded_) return;
    if (announcing_ != &control) take_announcement_back();
    hand_announcement(control);
    Focusable* previous = focused_;
    focused_ = &control;
    ++focus_moves_;
    if (previous && previous->onLostFocus) previous->onLostFocus();
    if (control.onGotFocus) control.onGotFocus();
}

// Announcements

void FocusKeeper::announce(const QString& words)
{
    take_announcement_back();
    announcement_ = words;
    QMetaObject::invokeMethod(
        &window_,
        [this, moves = focus_moves_] {
            if (!focused_ || discarded_) return;
            hand_announcement(*focused_);
            // The focus stayed where it was (given again to the same control,
            // perhaps): no focus event tells a reader of the words.
            if (focus_moves_ == moves && announcing_ == focused_) focused_->show_focus_again();
        },
        Qt::QueuedConnection);
}

void FocusKeeper::take_announcement_back()
{
    if (announcing_) announcing_->set_announcement({});
    announcing_ = nullptr;
}

void FocusKeeper::hand_announcement(Focusable& control)
{
    if (announcement_.isEmpty()) return;
    announcing_ = &control;
    control.set_announcement(std::exchange(announcement_, {}));
}

void FocusKeeper::discard()
{
    discarded_ = true;
    for (Focusable* control : focusables_) control->stop_listening();
}

}  // namespace ui
