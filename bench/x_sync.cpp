#include "bench/x_sync.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWindow>
#include <xcb/xcb.h>

#include "bench/soak_run.h"
#include "bench/x_input.h"
#include "ui/testing.h"

using namespace ui::testing;

// The marks the soak sends to its own window, as they arrive: each one comes
// after everything the server sent the program before it.
class XSync::Marks : public QAbstractNativeEventFilter {
public:
    Marks(std::uint32_t window, std::uint32_t type) : window_(window), type_(type) {}
    bool nativeEventFilter(const QByteArray& kind, void* message, qintptr*) override
    {
        if (kind != "xcb_generic_event_t") return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        ++events;
        // XInput 2 button presses and releases (event types 4 and 5).
        if ((event->response_type & 0x7f) == XCB_GE_GENERIC) {
            const auto type = static_cast<xcb_ge_generic_event_t*>(message)->event_type;
            if (type == 4 || type == 5) ++buttons;
        }
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
        auto* client = static_cast<xcb_client_message_event_t*>(message);
        if (client->window != window_ || client->type != type_) return false;
        last = std::max(last, static_cast<long>(client->data.data32[0]));
        return true;
    }
    long last = 0;     // the last mark arrived
    long events = 0;   // every event the program got, marks included
    long buttons = 0;  // button presses and releases the program got

private:
    std::uint32_t window_, type_;
};

XSync::XSync(XInput& input)
    : input_(input),
      marks_(std::make_unique<Marks>(static_cast<std::uint32_t>(marker_.winId()),
                                     static_cast<std::uint32_t>(input.atom("TIBALOU_MARK"))))
{
    QCoreApplication::instance()->installNativeEventFilter(marks_.get());
}

XSync::~XSync() = default;

// Rounds go on until one brings the program nothing but its mark (the
// window manager and the program have stopped answering each other) and
// every window the program shows stands in its frame on the screen.
void XSync::settle()
{
    for (int round = 0, quiet = 0; round < 8 && quiet < 1 && !loop_ended(); ++round) round_trip(quiet);
    QElapsedTimer waited;
    waited.start();
    for (int quiet = 0; marks_->buttons < buttons_expected_ && waited.elapsed() < 2000 && !loop_ended();)
        round_trip(quiet);
    buttons_expected_ = marks_->buttons;
    for (int round = 0, quiet = 0; !loop_ended() && !all_placed(); ++round) {
        if (round == 200) throw Failure{"a window was not shown within 200 rounds"};
        round_trip(quiet);
    }
}

void XSync::until_active(ui::FormSlotBase& slot)
{
    QElapsedTimer waited;
    waited.start();
    for (int quiet = 0; !loop_ended() && !window(slot)->isActiveWindow(); round_trip(quiet))
        if (waited.elapsed() > 5000) throw Failure{slot.form().name() + " did not get the keyboard within 5 s"};
}

bool XSync::all_placed()
{
    for (ui::Form* form : loaded_forms())
        if (top(*form)->isVisible() && !input_.placed(top(*form)->winId())) return false;
    return true;
}

void XSync::round_trip(int& quiet)
{
    if (loop_ended()) return;
    const long events_before = marks_->events;
    // What the program asked of the server (a window shown, the
    // focus) goes out first.
    QCoreApplication::processEvents();
    xcb_flush(qApp->nativeInterface<QNativeInterface::QX11Application>()->connection());
    // The window manager may wait on the program meanwhile: both go on.
    QElapsedTimer waited;
    waited.start();
    input_.ask_window_manager();
    while (!input_.window_manager_answered(1) && !loop_ended()) {
        if (waited.elapsed() > 20000) throw Failure{"the window manager did not answer within 20 s"};
        QCoreApplication::processEvents();
    }
    const long wanted = ++marks_sent_;
    input_.mark(marker_.winId(), wanted);
    while (marks_->last < wanted && !loop_ended()) {
        if (waited.elapsed() > 20000) throw Failure{"the events were not delivered within 20 s"};
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (loop_ended()) return;
    QCoreApplication::processEvents();
    if (marks_->events == events_before + 1) ++quiet;
}

void XSync::pause(int ms)
{
    input_.sync();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms && !loop_ended()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void XSync::tap(const QString& key)
{
    input_.key(key, true);
    input_.key(key, false);
}

// Where the window is, the server knows first: the window manager may
// still be placing it when the program is asked.
void XSync::move_to(QWidget& widget, QPoint inside)
{
    QWidget* window = widget.window();
    const QPoint in_window = widget.mapTo(window, inside);
    input_.move_in(window->winId(), in_window.x(), in_window.y());
}

void XSync::click_at(QWidget& widget, QPoint inside, int times)
{
    move_to(widget, inside);
    // Buttons over one of the program's windows reach it, somewhat later
    // than the rest at times: settle() waits for them.
    const unsigned long under = input_.window_under_pointer();
    for (QWindow* window : QGuiApplication::allWindows())
        if (window->handle() && window->winId() == under) buttons_expected_ += 2 * times;
    for (int time = 0; time < times; ++time) {
        input_.button(1, true);
        input_.button(1, false);
    }
}

void XSync::press_button(ui::Focusable& control)
{
    QWidget* shown = widget(control);
    click_at(*shown, shown->rect().center());
    settle();
}

QWidget* top(ui::Form& form)
{
    return window(*form.slot());
}
