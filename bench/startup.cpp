#include "bench/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <optional>

#include "app/Feuille_Tibalou.h"
#include "bench/paint.h"
#include "ui/application.h"
#include "ui/testing.h"

namespace {

long long since_epoch_ns(Clock::time_point moment)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(moment.time_since_epoch()).count();
}

// The peak resident set of this process so far, in KiB.
long long peak_resident_kib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    const QRegularExpression line(QStringLiteral("^VmHWM:\\s*(\\d+) kB"), QRegularExpression::MultilineOption);
    const auto match = line.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

double process_cpu_ms()
{
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6;
}

// `painted.cpu` is the main thread's CPU time since the process began.
int report(const Moment& painted, QSize size)
{
    std::printf("painted_ns %lld\npeak_kib %lld\nsize %dx%d\nmain_cpu_ms %f\nprocess_cpu_ms %f\n",
                since_epoch_ns(painted.wall), peak_resident_kib(), size.width(), size.height(),
                milliseconds(painted.cpu), process_cpu_ms());
    return 0;
}

QSize parse_size(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

}  // namespace

int run_started(int& argc, char** argv)
{
    const QString mode = QString::fromLocal8Bit(argv[2]);
    if (mode == QLatin1String("tibalou")) {
        // As the program's own main() does it.
        ui::Application application(argc, argv);
        QWidget* window = ui::testing::window(Feuille_Tibalou);
        const Moment painted = show_and_wait_painted(*window, [] { Feuille_Tibalou.show(); });
        return report(painted, window->size());
    }
    if (mode == QLatin1String("bare") && argc > 3) {
        QApplication application(argc, argv);
        QWidget window;
        window.resize(parse_size(QString::fromLocal8Bit(argv[3])));
        // A window with text, as every program's: one word brings up the font system.
        new QLabel(QStringLiteral("Tibalou"), &window);
        const Moment painted = show_and_wait_painted(window, [&window] { window.show(); });
        return report(painted, window.size());
    }
    std::fprintf(stderr, "bench: unknown start mode\n");
    return 2;
}

StartRun start(const QProcessEnvironment& environment, const QString& mode, QSize size)
{
    QStringList arguments{QStringLiteral("--start"), mode};
    if (size.isValid()) arguments << QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setProcessEnvironment(environment);
    const Clock::time_point started = Clock::now();
    process.start(QCoreApplication::applicationFilePath(), arguments);
    StartRun run;
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return run;
    long long painted_ns = 0;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> field = line.split(' ');
        if (field.size() != 2) continue;
        if (field[0] == "painted_ns") painted_ns = field[1].toLongLong();
        if (field[0] == "peak_kib") run.peak_kib = field[1].toDouble();
        if (field[0] == "size") run.size = parse_size(QString::fromLatin1(field[1]));
        if (field[0] == "main_cpu_ms") run.main_cpu_ms = field[1].toDouble();
        if (field[0] == "process_cpu_ms") run.process_cpu_ms = field[1].toDouble();
    }
    run.milliseconds = (painted_ns - since_epoch_ns(started)) / 1e6;
    run.ok = painted_ns > 0 && run.peak_kib > 0;
    return run;
}

std::vector<Figure> start_figures(const QProcessEnvironment& environment, const QString& where, int pairs,
                                  bool judged)
{
    const QString program = QStringLiteral("tibalou"), bare = QStringLiteral("bare");
    // The first of each only warms the caches.
    const StartRun first = start(environment, program);
    if (!first.ok || !start(environment, bare, first.size).ok) {
        std::fprintf(stderr, "bench: a started process gave no figures (%s)\n", qPrintable(where));
        return {};
    }
    // Per pair, the program's figure and the bare window's.
    std::vector<double> program_ms, bare_ms, program_kib, bare_kib, program_main, bare_main, program_all, bare_all;
    for (int pair = 0; pair < pairs; ++pair) {
        // Each goes first in every other pair: neither gains by its place.
        StartRun ours, theirs;
        if (pair % 2 == 0) {
            ours = start(environment, program);
            theirs = start(environment, bare, first.size);
        } else {
            theirs = start(environment, bare, first.size);
            ours = start(environment, program);
        }
        if (!ours.ok || !theirs.ok) continue;
        program_ms.push_back(ours.milliseconds);
        bare_ms.push_back(theirs.milliseconds);
        program_kib.push_back(ours.peak_kib / 1024);
        bare_kib.push_back(theirs.peak_kib / 1024);
        program_main.push_back(ours.main_cpu_ms);
        bare_main.push_back(theirs.main_cpu_ms);
        program_all.push_back(ours.process_cpu_ms);
        bare_all.push_back(theirs.process_cpu_ms);
    }
    const auto goal = [judged](double ratio) { return judged ? std::optional<double>(ratio) : std::nullopt; };
    return {
        compared(QStringLiteral("Start to main menu painted, %1").arg(where), "ms", program_ms, bare_ms, goal(1.0)),
        // Load moves neither: the work on the way to the first paint, and all of it.
        compared(QStringLiteral("Same, CPU of the main thread"), "ms", program_main, bare_main),
        compared(QStringLiteral("Same, CPU of all threads"), "ms", program_all, bare_all),
        compared(QStringLiteral("Peak resident memory at start, %1").arg(where), "MiB", program_kib, bare_kib,
                 goal(1.05)),
    };
}
