#pragma once

#include <QObject>
#include <functional>

#include "bench/clocks.h"

class QWidget;

// Watches for the first paint of a window: once the painting pass that first
// reached it is over, `painted` runs with the moment it ended. Both sides of
// every comparison are timed through it, so that its cost falls on both.
class FirstPaint : public QObject {
public:
    FirstPaint(std::function<bool(QWidget* window)> is_target, std::function<void(const Moment&)> painted);
    ~FirstPaint() override;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    std::function<bool(QWidget*)> is_target_;
    std::function<void(const Moment&)> painted_;
    bool seen_ = false;
};

// Runs `show` (which shows `window`), then events until the window's first
// paint is over; returns that moment.
Moment show_and_wait_painted(QWidget& window, const std::function<void()>& show);
