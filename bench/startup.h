#pragma once

#include <QSize>
#include <QString>

// Start-up: whole processes, this program started again with a mode argument.

// In the started process: `bench --start tibalou`, or `bench --start bare WIDTHxHEIGHT`
// (an empty window) or `bench --start bare-text WIDTHxHEIGHT` (one word in it).
// Shows the window, waits for its first paint, prints what the parent reads.
int run_started(int& argc, char** argv);

struct StartRun {
    double milliseconds = 0;  // from the start of the process to the window painted
    double peak_kib = 0;      // peak resident memory at that moment
    QSize size;               // of the window
    bool ok = false;
};

// In the parent: starts one process and reads its figures.
StartRun start(const QString& mode, QSize size = {});
