#include "ui/page.h"

#include <QFontDatabase>
#include <emscripten.h>

namespace ui {

void add_design_faces()
{
    for (const char* face : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf",
                             ":/fonts/LiberationSerif-Regular.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(face));
}

void tell_page_program_ended()
{
    EM_ASM(window.dispatchEvent(new Event('tibalou-ended')););
}

}  // namespace ui
