#pragma once

#include <vector>

#include "bench/report.h"

// The figures measured inside one process, through the real program: the main
// menu is shown first and opens every exercise window as the pupil does.

void show_main_menu();
// Each exercise window opened (load, lay-out, first paint), against a window of
// as many plain Qt widgets of the same kinds, built and painted, in turn;
// judged on the thread's CPU time, its wall time shown beside.
std::vector<Figure> opening_figures(int runs);
// One keypad digit in each exercise, on its largest problem: median and 99th
// percentile, judged on the thread's CPU time.
std::vector<Figure> keypad_figures(int digits);
// The multiplication window (the largest), its largest problem posed, resized
// from its design size to twice that and back: lay-out and repaint, per resize.
std::vector<Figure> resize_figures(int resizes);
// Set-up and check of each exercise's largest problem, its window never shown.
std::vector<Figure> logic_figures(int runs);
