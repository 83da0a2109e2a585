#pragma once

// The program kept in step with the X server: keys and clicks go through the
// server (XTest), and the soak then waits until the program has received and
// handled all of them, and what the window manager did about them.

#include <QPoint>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "ui/controls.h"
#include "ui/form.h"

class XInput;

class XSync {
public:
    // Makes the window the soak's marks go to (never shown), and listens for them.
    explicit XSync(XInput& input);
    ~XSync();
    XSync(const XSync&) = delete;
    XSync& operator=(const XSync&) = delete;

    // An action under way, for as long as it lives, and the modal window it
    // acts in (null for none): once that window has gone, waiting stops, as
    // its event loop is to return to the program's handler that showed it.
    class Acting {
    public:
        Acting(XSync& sync, ui::FormSlotBase* modal) : loops_(sync.loops_) { loops_.push_back(modal); }
        ~Acting() { loops_.pop_back(); }
        Acting(const Acting&) = delete;
        Acting& operator=(const Acting&) = delete;

    private:
        std::vector<ui::FormSlotBase*>& loops_;
    };
    bool loop_ended() const { return !loops_.empty() && loops_.back() && !loops_.back()->shown(); }

    // Injected events have reached the program and been handled, and so has
    // what the window manager did about them.
    void settle();
    // The scripted steps aim at a window once it has the keyboard.
    void until_active(ui::FormSlotBase& slot);
    // The program runs on for `ms` after the server has taken what was sent.
    void pause(int ms);

    // A key by its X name, pressed and let go.
    void tap(const QString& key);
    // The left button, `times` times at `inside` the widget.
    void click_at(QWidget& widget, QPoint inside, int times = 1);
    // A click in the middle of the control, then settle().
    void press_button(ui::Focusable& control);

private:
    class Marks;

    void round_trip(int& quiet);
    bool all_placed();
    void move_to(QWidget& widget, QPoint inside);

    XInput& input_;
    QWidget marker_;
    std::unique_ptr<Marks> marks_;
    long marks_sent_ = 0;
    long buttons_expected_ = 0;
    std::vector<ui::FormSlotBase*> loops_;  // per action under way: the modal window it acts in
};

// The window of a form, as Qt knows it.
QWidget* top(ui::Form& form);
