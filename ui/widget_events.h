#pragma once

#include <cstdint>

namespace ui {

// What a widget reports to the control or window above it, in the program's
// own terms. The widgets know nothing else of what listens; each listener
// hears only the events of its kind and leaves the other hooks alone.
class WidgetEvents {
public:
    // A character typed into a text box; returns the character that goes
    // in, 0 for none.
    virtual std::int16_t character_typed(std::int16_t character) { return character; }
    // A key going down or coming up: key code and shift mask.
    virtual void key_down(std::int16_t, std::int16_t) {}
    virtual void key_up(std::int16_t, std::int16_t) {}
    // The keyboard focus has arrived in the widget; with_window when it came
    // back with its window brought to the front.
    virtual void focus_in(bool /*with_window*/) {}
    virtual void clicked() {}
    // The window's close box.
    virtual void close_asked() {}

protected:
    ~WidgetEvents() = default;
};

}  // namespace ui
