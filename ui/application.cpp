#include "ui/application.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

#include "ui/accessibility.h"
#include "ui/errors.h"
#include "ui/form.h"
#include "ui/widgets.h"

namespace ui {

namespace {

// Sees every key first: notes which physical key typed what, and gives a
// window with key preview each key press and release before the focused
// control.
class KeyPreview : public QObject {
protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        const bool down = event->type() == QEvent::KeyPress;
        if (!down && event->type() != QEvent::KeyRelease) return false;
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (!widget) return false;
        // Once per key: at the widget that receives it first.
        QWidget* focus = QApplication::focusWidget();
        if (focus ? widget != focus : !widget->isWindow()) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        note_key_event(*key);
        auto* window = dynamic_cast<FormWidget*>(widget->window());
        Form* form = window ? window->form() : nullptr;
        if (!form || form->discarded() || !form->key_preview() || key->isAutoRepeat()) return false;
        const auto& handler = down ? form->onKeyDown : form->onKeyUp;
        if (!handler) return false;
        const auto code = key_code(*key);
        const auto shift = shift_state(*key);
        dispatch([&handler, code, shift] { handler(code, shift); });
        return false;
    }
};

}  // namespace

struct Application::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) {}
    QApplication app;
    KeyPreview key_preview;
};

Application::Application(int& argc, char** argv)
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    impl_ = new Impl(argc, argv);
    // The desktop entry's id is the window class on X11 (which Qt takes from
    // the application name) and the app id on Wayland: docks and shells pair
    // the windows with the launcher and its icon by it.
    QApplication::setApplicationName(QStringLiteral("fr.tibalou.Tibalou"));
    QApplication::setDesktopFileName(QStringLiteral("fr.tibalou.Tibalou"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);
    impl_->app.installEventFilter(&impl_->key_preview);
    QAccessible::installFactory(accessible_control);
}

Application::~Application()
{
    release_all_forms();
    delete impl_;
}

int Application::run()
{
    return run_main_loop();
}

}  // namespace ui
