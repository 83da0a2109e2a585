#include "ui/application.h"

#include <QAccessible>
#include <QApplication>

#include "ui/accessibility.h"
#include "ui/form.h"
#ifndef __EMSCRIPTEN__
#include "ui/head_start.h"
#endif
#include "ui/page.h"
#include "ui/pictures.h"
#include "ui/style.h"
#include "ui/widgets.h"

namespace ui {

// The browser has one thread, no session bus and no fontconfig: nothing to
// start ahead there.
struct Application::Impl {
#ifndef __EMSCRIPTEN__
    Impl(int& argc, char** argv) : head_start(argc, argv), app(argc, argv) {}
    HeadStart head_start;  // first: it works while the application is made
#else
    Impl(int& argc, char** argv) : app(argc, argv) {}
#endif
    KeyWatchingApplication app;
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
    QApplication::setStyle(new Style);
    QApplication::setQuitOnLastWindowClosed(false);
    QAccessible::installFactory(accessible_control);
#ifndef __EMSCRIPTEN__
    impl_->head_start.application_made();
#else
    add_design_faces();
    keep_keyboard_with_modal_windows();
#endif
    // The accessibility bridge, made at its first use, asks the session bus
    // and waits for the answers: made now, it waits while the fonts are listed.
    QAccessible::isActive();
#ifndef __EMSCRIPTEN__
    impl_->head_start.wait();
#endif
}

Application::~Application()
{
    release_all_forms();
    forget_pictures();
    delete impl_;
}

int Application::run()
{
    return run_main_loop();
}

}  // namespace ui
