#pragma once

#include <QString>
#include <optional>
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
    std::optional<double> goal;

    std::optional<double> ratio() const;
    bool met() const;
};

// One line per figure: value, baseline, ratio, goal, PASS or MISS.
QString table(const std::vector<Figure>& figures);
