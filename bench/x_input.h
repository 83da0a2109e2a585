#pragma once

// A real keyboard and mouse for the soak: events made by the X server itself
// through its XTest extension, on a connection of their own, as a pupil's
// hands would make them. Nothing of Xlib shows here, so that its macros stay
// away from Qt's names.

#include <QString>
#include <map>
#include <set>

struct _XDisplay;

class XInput {
public:
    XInput();  // on $DISPLAY; throws std::runtime_error when there is none
    ~XInput();
    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    // Waits (10 s at most) for a window manager to handle requests.
    bool window_manager_running();
    // Keys held down repeat after `delay_ms`, every `interval_ms`.
    void set_auto_repeat(int delay_ms, int interval_ms);

    // A key by its X name ("KP_7", "Control_L", "m"), down or up.
    void key(const QString& name, bool down);
    const std::set<QString>& keys_down() const { return keys_down_; }
    // To a point of a window, in its own coordinates.
    void move_in(unsigned long window, int x, int y);
    void button(int number, bool down);  // 1 left, 2 middle, 3 right
    unsigned long window_under_pointer();  // the innermost one
    bool button_down(int number) const { return buttons_down_.count(number) != 0; }
    // The window manager's close, as its close box or Alt+F4 asks it.
    void close_by_window_manager(unsigned long window);
    // Asks the window manager about a window of this connection: its answer
    // comes once it has handled everything sent before.
    void ask_window_manager();
    // Whether it has answered every question so far, waiting `ms` at most.
    bool window_manager_answered(int ms);
    // Shown on screen inside the window manager's frame.
    bool placed(unsigned long window);
    // Sends `window`'s client a message of type "TIBALOU_MARK" carrying
    // `serial`: it arrives after every event the server sent that client before.
    void mark(unsigned long window, long serial);
    // Lets go of every key and button still down.
    void release_all();
    // Everything sent so far has been handled by the server.
    void sync();
    unsigned long atom(const char* name);

private:
    unsigned int keycode(const QString& name);

    _XDisplay* display_;
    unsigned long own_window_;
    long asked_ = 0, answered_ = 0;
    std::map<QString, unsigned int> keycodes_;
    std::set<QString> keys_down_;
    std::set<int> buttons_down_;
};
