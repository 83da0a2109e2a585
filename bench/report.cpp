#include "bench/report.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

double median(std::vector<double> samples)
{
    if (samples.empty()) return NAN;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty()) return NAN;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

std::optional<double> Figure::ratio() const
{
    if (!baseline || *baseline <= 0) return std::nullopt;
    return value / *baseline;
}

Figure compared(const QString& what, const QString& unit, const std::vector<double>& program,
                const std::vector<double>& bare, std::optional<double> goal)
{
    Figure figure{what, unit, median(program), median(bare), goal};
    std::vector<double> ratios;
    for (std::size_t i = 0; i < std::min(program.size(), bare.size()); ++i)
        if (bare[i] > 0) ratios.push_back(program[i] / bare[i]);
    if (!ratios.empty()) figure.spread = {{percentile(ratios, 0.25), percentile(ratios, 0.75)}};
    return figure;
}

bool Figure::met() const
{
    if (!goal) return true;
    if (baseline) return ratio() && *ratio() <= *goal;
    return value <= *goal;
}

namespace {

QString number(double value)
{
    if (std::isnan(value)) return QStringLiteral("?");
    // Three significant digits, never in exponent form.
    const int magnitude = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::abs(value))));
    return QString::number(value, 'f', std::max(0, 2 - magnitude));
}

QString with_unit(double value, const QString& unit)
{
    return number(value) + QLatin1Char(' ') + unit;
}

}  // namespace

QString table(const std::vector<Figure>& figures)
{
    const QStringList heading{"Figure", "Tibalou", "Bare Qt", "Ratio", "Spread", "Goal", ""};
    std::vector<QStringList> rows{heading};
    for (const Figure& figure : figures) {
        QString goal;
        if (figure.goal)
            goal = QStringLiteral("≤ ") +
                   (figure.baseline ? QString::number(*figure.goal, 'f', 2) + QStringLiteral(" ×")
                                    : with_unit(*figure.goal, figure.unit));
        rows.push_back({figure.what, with_unit(figure.value, figure.unit),
                        figure.baseline ? with_unit(*figure.baseline, figure.unit) : QString(),
                        figure.ratio() ? QString::number(*figure.ratio(), 'f', 2) : QString(),
                        figure.spread ? QString::number(figure.spread->first, 'f', 2) + QStringLiteral("–") +
                                            QString::number(figure.spread->second, 'f', 2)
                                      : QString(),
                        goal,
                        figure.goal ? (figure.met() ? QStringLiteral("PASS") : QStringLiteral("MISS")) : QString()});
    }
    // A column with nothing in it under its heading is left out.
    std::vector<qsizetype> widths(heading.size(), 0);
    for (std::size_t r = 1; r < rows.size(); ++r)
        for (qsizetype c = 0; c < heading.size(); ++c) widths[c] = std::max(widths[c], rows[r][c].size());
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (qsizetype c = 0; c < heading.size(); ++c) {
            if (widths[c] == 0) continue;
            const qsizetype width = std::max(widths[c], heading[c].size());
            // Text left, figures right.
            cells << (c == 0 ? row[c].leftJustified(width) : row[c].rightJustified(width));
        }
        text += cells.join(QStringLiteral("  ")).trimmed() + QLatin1Char('\n');
    }
    return text;
}
