#pragma once

#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <vector>

#include "bench/report.h"

// Start-up: whole processes, this program started again with a mode argument.

// In the started process: `bench --start tibalou`, or `bench --start bare
// WIDTHxHEIGHT`, a bare Qt window of that size showing one word. Shows the
// window, waits for its first paint, prints what the parent reads.
int run_started(int& argc, char** argv);

struct StartRun {
    double milliseconds = 0;    // from the start of the process to the window painted
    double peak_kib = 0;        // peak resident memory at that moment
    double main_cpu_ms = 0;     // CPU time of its main thread by then
    double process_cpu_ms = 0;  // of all its threads
    QSize size;                 // of the window
    bool ok = false;
};

// In the parent: starts one process in `environment` and reads its figures.
StartRun start(const QProcessEnvironment& environment, const QString& mode, QSize size = {});

// Start to first paint and peak memory, the program against the bare window
// of its size, both started `pairs` times in turn in `environment` (named by
// `where`); judged against their goals or shown for reference only.
std::vector<Figure> start_figures(const QProcessEnvironment& environment, const QString& where, int pairs,
                                  bool judged);
