#include "ui/page.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QWindow>
#include <emscripten.h>

namespace ui {

void add_design_faces()
{
    for (const char* face : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf",
                             ":/fonts/LiberationSerif-Regular.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(face));
}

void keep_keyboard_with_modal_windows()
{
    // Otherwise the keys go to a window that takes none, and Escape no longer
    // closes the modal window in front.
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow* window) {
        QWindow* modal = QGuiApplication::modalWindow();
        if (!window || !modal || window == modal || modal->isAncestorOf(window, QWindow::IncludeTransients)) return;
        // Menus and tips are never blocked.
        if (window->type() == Qt::Popup || window->type() == Qt::ToolTip) return;
        modal->requestActivate();
    });
}

void tell_page_program_ended()
{
    EM_ASM(window.dispatchEvent(new Event('tibalou-ended')););
}

}  // namespace ui
