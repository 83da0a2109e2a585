// Speed and memory of the program, each figure measured side by side with
// bare Qt Widgets in one run on this machine.
//
//   bench                 everything, as a table (make bench)
//   bench --start MODE    one start-up, started by the run above
#include <QProcessEnvironment>
#include <cstdio>
#include <cstring>

#include "bench/report.h"
#include "bench/startup.h"
#include "bench/windows.h"
#include "bench/x_server.h"
#include "ui/application.h"

namespace {

constexpr int start_pairs = 80;
constexpr int opening_runs = 100;
constexpr int keypad_digits = 3000;
constexpr int logic_runs = 3000;
constexpr int resizes = 200;

// Whole processes under a real X server, Xvfb, and on the offscreen platform.
// The goals are judged under X, which is where the pupil starts the program,
// or offscreen when no X server can be had.
std::vector<Figure> start_figures()
{
    QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const XServer x;
    if (!x.running()) {
        std::printf("\n%s: start-up is judged offscreen only.\n", qPrintable(x.failure()));
        return start_figures(offscreen, QStringLiteral("offscreen"), start_pairs, true);
    }
    QProcessEnvironment under_x = offscreen;
    under_x.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    under_x.insert(QStringLiteral("DISPLAY"), x.display());
    auto figures = start_figures(under_x, QStringLiteral("under X"), start_pairs, true);
    const auto reference = start_figures(offscreen, QStringLiteral("offscreen"), start_pairs, false);
    figures.insert(figures.end(), reference.begin(), reference.end());
    return figures;
}

void print(const char* heading, const std::vector<Figure>& figures)
{
    std::printf("\n%s\n\n%s", heading, table(figures).toUtf8().constData());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (no raise() off screen, no runtime folder) would be timed
    // on one side only, and hide the table.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) qputenv("QT_LOGGING_RULES", "default.warning=false");
    if (argc > 2 && std::strcmp(argv[1], "--start") == 0) return run_started(argc, argv);

    ui::Application application(argc, argv);
    std::printf("Tibalou against bare Qt Widgets, same machine, same run (medians; spread: quartiles of the ratios)\n");
    const auto start = start_figures();
    print("Start-up and memory (whole processes)", start);

    show_main_menu();
    const auto opening = opening_figures(opening_runs);
    print("Opening the exercise windows (load, lay-out, first paint)", opening);
    const auto keypad = keypad_figures(keypad_digits);
    print("One keypad digit (press, release, filter, focus move, repaint)", keypad);
    const auto resizing = resize_figures(resizes);
    print("Resizing a window (lay-out and repaint)", resizing);
    print("Logic only, largest problem of each exercise (per operation)", logic_figures(logic_runs));

    int missed = start.empty() ? 1 : 0;
    for (const auto* figures : {&start, &opening, &keypad, &resizing})
        for (const Figure& figure : *figures) missed += figure.met() ? 0 : 1;
    std::printf("\n%s\n", missed ? "Some figures miss their goal." : "Every figure meets its goal.");
    return 0;
}
