#include "bench/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QWidget>
#include <cstdio>

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

int report(Clock::time_point painted, QSize size)
{
    std::printf("painted_ns %lld\npeak_kib %lld\nsize %dx%d\n", since_epoch_ns(painted), peak_resident_kib(),
                size.width(), size.height());
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
        const Clock::time_point painted = show_and_wait_painted(*window, [] { Feuille_Tibalou.show(); });
        return report(painted, window->size());
    }
    const bool with_text = mode == QLatin1String("bare-text");
    if ((mode == QLatin1String("bare") || with_text) && argc > 3) {
        QApplication application(argc, argv);
        QWidget window;
        window.resize(parse_size(QString::fromLocal8Bit(argv[3])));
        // A single word is enough to bring up the font system.
        if (with_text) new QLabel(QStringLiteral("Tibalou"), &window);
        const Clock::time_point painted = show_and_wait_painted(window, [&window] { window.show(); });
        return report(painted, window.size());
    }
    std::fprintf(stderr, "bench: unknown start mode\n");
    return 2;
}

StartRun start(const QString& mode, QSize size)
{
    QStringList arguments{QStringLiteral("--start"), mode};
    if (size.isValid()) arguments << QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
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
    }
    run.milliseconds = (painted_ns - since_epoch_ns(started)) / 1e6;
    run.ok = painted_ns > 0 && run.peak_kib > 0;
    return run;
}
