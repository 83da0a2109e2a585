// Speed and memory of the program, each figure measured side by side with
// bare Qt Widgets in one run on this machine.
//
//   bench                 everything, as a table (make bench)
//   bench --start MODE    one start-up, started by the run above
#include <cstdio>
#include <cstring>

#include "bench/report.h"
#include "bench/startup.h"
#include "bench/windows.h"
#include "ui/application.h"

namespace {

constexpr int start_runs = 15;
constexpr int opening_runs = 60;
constexpr int keypad_digits = 3000;
constexpr int logic_runs = 3000;
constexpr int resizes = 200;

// Start-ups of every kind, taken in turn so that the machine's load falls on
// all alike; the first of each only warms the caches.
std::vector<Figure> start_figures()
{
    const StartRun first = start("tibalou");
    if (!first.ok || !start("bare", first.size).ok || !start("bare-text", first.size).ok) {
        std::fprintf(stderr, "bench: a started process gave no figures\n");
        return {};
    }
    std::vector<double> program_ms, bare_ms, text_ms, program_kib, bare_kib, text_kib;
    for (int run = 0; run < start_runs; ++run) {
        const StartRun program = start("tibalou");
        const StartRun bare = start("bare", first.size);
        const StartRun text = start("bare-text", first.size);
        if (!program.ok || !bare.ok || !text.ok) continue;
        program_ms.push_back(program.milliseconds);
        bare_ms.push_back(bare.milliseconds);
        text_ms.push_back(text.milliseconds);
        program_kib.push_back(program.peak_kib);
        bare_kib.push_back(bare.peak_kib);
        text_kib.push_back(text.peak_kib);
    }
    return {
        {"Start to main menu painted", "ms", median(program_ms), median(bare_ms), 1.3},
        // For reference: the part of the gap that any window showing text pays.
        {"Same, against a bare window showing one word", "ms", median(program_ms), median(text_ms)},
        {"Peak resident memory at start", "MiB", median(program_kib) / 1024, median(bare_kib) / 1024, 1.3},
        {"Same, against a bare window showing one word", "MiB", median(program_kib) / 1024, median(text_kib) / 1024},
    };
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
    std::printf("Tibalou against bare Qt Widgets, same machine, same run (medians)\n");
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
