#include "bench/x_input.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <chrono>
#include <poll.h>
#include <stdexcept>

XInput::XInput() : display_(XOpenDisplay(nullptr))
{
    if (!display_) throw std::runtime_error("no X server on $DISPLAY");
    int event_base, error_base, major, minor;
    if (!XTestQueryExtension(display_, &event_base, &error_base, &major, &minor))
        throw std::runtime_error("the X server has no XTest extension");
    // Never mapped: only the window manager's answers about it are read.
    own_window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(display_, own_window_, PropertyChangeMask);
}

XInput::~XInput()
{
    release_all();
    XDestroyWindow(display_, own_window_);
    XCloseDisplay(display_);
}

unsigned long XInput::atom(const char* name)
{
    return XInternAtom(display_, name, False);
}

bool XInput::window_manager_running()
{
    // A manager that has started answers about windows; asked again and
    // again until it does. Questions sent before it listened are lost.
    for (int tries = 0; tries < 50; ++tries) {
        ask_window_manager();
        if (window_manager_answered(200)) return true;
        asked_ = answered_;
    }
    return false;
}

void XInput::set_auto_repeat(int delay_ms, int interval_ms)
{
    XAutoRepeatOn(display_);
    XkbSetAutoRepeatRate(display_, XkbUseCoreKbd, static_cast<unsigned>(delay_ms), static_cast<unsigned>(interval_ms));
    sync();
}

unsigned int XInput::keycode(const QString& name)
{
    auto [place, fresh] = keycodes_.try_emplace(name, 0);
    if (fresh) {
        const KeySym symbol = XStringToKeysym(name.toLatin1().constData());
        place->second = symbol == NoSymbol ? 0 : XKeysymToKeycode(display_, symbol);
        if (!place->second) throw std::runtime_error("no key for " + name.toStdString());
    }
    return place->second;
}

void XInput::key(const QString& name, bool down)
{
    XTestFakeKeyEvent(display_, keycode(name), down ? True : False, CurrentTime);
    if (down)
        keys_down_.insert(name);
    else
        keys_down_.erase(name);
}

void XInput::move_in(unsigned long window, int x, int y)
{
    int root_x = x, root_y = y;
    Window child;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), x, y, &root_x, &root_y, &child);
    XTestFakeMotionEvent(display_, -1, root_x, root_y, CurrentTime);
}

unsigned long XInput::window_under_pointer()
{
    Window root, child = DefaultRootWindow(display_), under = None;
    int root_x, root_y, x, y;
    unsigned int mask;
    while (child != None && XQueryPointer(display_, child, &root, &child, &root_x, &root_y, &x, &y, &mask))
        if (child != None) under = child;
    return under;
}

void XInput::button(int number, bool down)
{
    XTestFakeButtonEvent(display_, static_cast<unsigned>(number), down ? True : False, CurrentTime);
    if (down)
        buttons_down_.insert(number);
    else
        buttons_down_.erase(number);
}

namespace {

void send_to_root(Display* display, Window window, Atom message, long first = 0, long second = 0)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = message;
    event.xclient.format = 32;
    event.xclient.data.l[0] = first;
    event.xclient.data.l[1] = second;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
}

}  // namespace

void XInput::close_by_window_manager(unsigned long window)
{
    // Source 2: a user's direct action, as from a pager.
    send_to_root(display_, window, atom("_NET_CLOSE_WINDOW"), CurrentTime, 2);
    XFlush(display_);
}

void XInput::ask_window_manager()
{
    ++asked_;
    send_to_root(display_, own_window_, atom("_NET_REQUEST_FRAME_EXTENTS"));
    XFlush(display_);
}

bool XInput::window_manager_answered(int ms)
{
    const Atom extents = atom("_NET_FRAME_EXTENTS");
    for (bool waited = false;; waited = true) {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == PropertyNotify && event.xproperty.window == own_window_ && event.xproperty.atom == extents)
                ++answered_;
        }
        // Answers come in order: an answer to an earlier question abandoned
        // by the caller does not count for a later one.
        if (answered_ >= asked_) return true;
        if (waited) return false;
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        poll(&connection, 1, ms);
    }
}

bool XInput::placed(unsigned long window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes) || attributes.map_state != IsViewable) return false;
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, window, &root, &parent, &children, &count)) return false;
    if (children) XFree(children);
    return parent != root;
}

void XInput::mark(unsigned long window, long serial)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atom("TIBALOU_MARK");
    event.xclient.format = 32;
    event.xclient.data.l[0] = serial;
    // No event mask: the message goes to the client that made the window.
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

void XInput::release_all()
{
    for (const QString& name : std::set<QString>(keys_down_)) key(name, false);
    for (int number : std::set<int>(buttons_down_)) button(number, false);
    sync();
}

void XInput::sync()
{
    XSync(display_, False);
}
