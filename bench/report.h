#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// The figures of the speed and memory run, and the table that shows them.

double median(std::vector<double> samples);
// Nearest rank: the smallest sample with at least `fraction` of them at or below it.
double percentile(std::vector<double> samples, double fraction);

struct Figure {
    QString what;
    QString unit;
    double value = 0;
    std::optional<double> baseline;  // the bare-Qt counterpart, same unit
    // With a baseline, the highest ratio allowed; without, the highest value.
    // A figure without a goal is shown for reference, never judged.
    std::optional<double> goal;
    // The first and third quartiles of the ratios of runs taken in pairs.
    std::optional<std::pair<double, double>> spread;

    std::optional<double> ratio() const;
    bool met() const;
};

// The program against bare Qt, measured in interleaved pairs (program[i]
// beside bare[i]): the medians of both, and the spread of the pairs' ratios.
Figure compared(const QString& what, const QString& unit, const std::vector<double>& program,
                const std::vector<double>& bare, std::optional<double> goal = {});

// One line per figure: value, baseline, ratio, spread, goal, PASS or MISS.
QString table(const std::vector<Figure>& figures);
