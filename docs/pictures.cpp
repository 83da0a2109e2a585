// Renders the program's windows to PNG, driving them as a pupil does, so that
// the pictures of the README always show the program as it is.
//
//   pictures OUTPUT_FOLDER    (run by scripts/pictures.sh under a virtual X server)
#include <QCoreApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

#include "tests/tour.h"
#include "ui/application.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

QDir output;
int failures = 0;

void picture(ui::FormSlotBase& window, const char* name)
{
    const QString path = output.filePath(QString(name) + ".png");
    if (save_picture(window, path)) {
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "pictures: could not write %s\n", qPrintable(path));
        ++failures;
    }
}

// The same window as a pupil makes it on a large screen: twice its design.
void enlarged_picture(ui::FormSlotBase& slot, const char* name)
{
    QWidget& top = *window(slot);
    const QSize design = top.size();
    top.resize(design + client(slot)->size());
    QCoreApplication::processEvents();
    picture(slot, name);
    top.resize(design);
    QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv)
{
    ui::Application application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pictures OUTPUT_FOLDER\n");
        return 2;
    }
    output = QDir(QString::fromLocal8Bit(argv[1]));
    output.mkpath(".");

    tour([](ui::FormSlotBase& window, const char* name) {
        picture(window, name);
        // The main menu and a division as a pupil makes them on a large screen.
        if (QLatin1String(name) == "menu") enlarged_picture(window, "menu-agrandi");
        if (QLatin1String(name) == "division") enlarged_picture(window, "division-agrandie");
    });
    return failures == 0 ? 0 : 1;
}
