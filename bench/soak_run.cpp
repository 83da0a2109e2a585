#include "bench/soak_run.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "addition/Feuille_addition.h"
#include "app/Feuille_Tibalou.h"
#include "common/score.h"
#include "dialogs/feuille_choix_perso.h"
#include "division/Feuille_division.h"
#include "multiplication/Feuille_principale.h"
#include "multiplication/Module2.h"
#include "ui/errors.h"
#include "ui/numbers.h"
#include "ui/random.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

// The exercises' draws follow the soak's seed, so that a run replays.
class SeededDraws : public ui::RandomSource {
public:
    explicit SeededDraws(std::uint64_t seed) : engine_(seed) {}
    void reseed_from_clock() override {}
    double next_uniform() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

long status_kb(const char* field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(static_cast<int>(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    return -1;
}

QtMessageHandler standard_messages = nullptr;

void without_platform_notes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The offscreen platform says, once per window, that it cannot raise
    // windows or grab the keyboard for menus.
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (standard_messages)
        standard_messages(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int digits(long long n) { return n < 10 ? 1 : 1 + digits(n / 10); }

// A number from its digit labels, index 0 the units.
long long shown_number(ui::ControlArray<ui::Label>& row)
{
    long long value = 0;
    for (auto i = row.indices().rbegin(); i != row.indices().rend(); ++i)
        if (visible(row(*i))) value = value * 10 + row(*i).Caption().toInt();
    return value;
}

// The quotient and the partial remainders expected, from the numbers shown.
void check_division(FeuilleDivision& w)
{
    QString dividend_text, divisor_text;
    for (int c = 4; c >= 0; --c) dividend_text += w.Et_dividende(c).Caption();
    for (int p = 0; p < 5; ++p) divisor_text += w.Et_diviseur(p).Caption();
    const long long dividend = dividend_text.toLongLong();
    const long long divisor = divisor_text.toLongLong();
    if (divisor <= 0) throw Failure{"the division shows the divisor \"" + divisor_text + "\""};
    const long long q = dividend / divisor;
    const int nq = digits(q);
    const QString quotient_text = QString::number(q);
    long long taken = 0;
    for (int p = 0; p < 5; ++p) {
        if (w.Txt_quotient(p).Visible() != (p < nq)) throw Failure{QString("quotient box %1 shown wrongly").arg(p)};
        if (p >= nq) continue;
        if (w.Et_quotient(p).Caption() != quotient_text[p])
            throw Failure{QString("quotient box %1 expects %2").arg(p).arg(w.Et_quotient(p).Caption())};
        taken = taken * 10 + quotient_text[p].digitValue();
        long long power = 1;
        for (int i = p + 1; i < nq; ++i) power *= 10;
        long long rest = dividend - taken * divisor * power;
        for (int k = 0; k < 5; ++k, rest /= 10)
            if (w.Et_reste(10 * p + k).Caption() != QString::number(rest % 10))
                throw Failure{QString("remainder box %1 expects %2").arg(10 * p + k).arg(w.Et_reste(10 * p + k).Caption())};
    }
    const QString product = w.Fr_aide_résultat.Caption();
    if (!product.isEmpty() &&
        product.toLongLong() != static_cast<long long>(ui::numeric_value(w.Fr_aide_txt_chiffre.Text())) * divisor)
        throw Failure{"the help panel shows " + product};
    if (w.Fr_aide_txt_chiffre.Text().size() > 1)
        throw Failure{"the help panel's box holds \"" + w.Fr_aide_txt_chiffre.Text() + "\""};
}

// The partial products and the product expected, from the factors shown.
void check_multiplication(FeuillePrincipale& w)
{
    if (w.cde_commencer.Caption() != "Autre calcul") return;
    const long long top = shown_number(w.Et_facteur1);
    const long long bottom = shown_number(w.Et_facteur2);
    const long long product = top * bottom;
    if (product != produit) throw Failure{QString("product %1 for %2 x %3").arg(produit).arg(top).arg(bottom)};
    for (int i = 0; i <= 10; ++i)
        if (w.Et_produit(i).Visible() != (i < digits(product)))
            throw Failure{QString("product box %1 shown wrongly").arg(i)};
    long long multiplier = bottom;
    for (int row = 0; row < 5; ++row, multiplier /= 10) {
        const bool used = row < digits(bottom);
        const long long partial = (multiplier % 10) * top;
        if (used && produits_partiels.at(row) != partial)
            throw Failure{QString("partial product %1 is %2").arg(row).arg(produits_partiels.at(row))};
        const int boxes = used ? row + (partial == 0 ? digits(top) : digits(partial)) : 0;
        for (int column = 0; column < 10; ++column)
            if (w.Et_sommes(10 * row + column).Visible() != (column < boxes))
                throw Failure{QString("partial product box %1 shown wrongly").arg(10 * row + column)};
    }
}

// The expected digits of the posed sum or difference, from the digits shown.
void check_addition(FeuilleAddition& w)
{
    if (w.Command2.Caption() != "Autre calcul") return;
    const long long top = shown_number(w.terme1);
    const long long second = shown_number(w.terme2);
    if (top < second) throw Failure{"the smaller term stands on top"};
    long long result = w.signe.Caption() == "+" ? top + second : top - second;
    for (int k = 0; k <= 6; ++k, result /= 10) {
        const bool needed = k == 0 || result > 0;
        if (w.txt_résultat(k).Visible() != needed) throw Failure{QString("addition result box %1 shown wrongly").arg(k)};
        if (needed && w.txt_résultat(k).Tag() != QString::number(result % 10))
            throw Failure{QString("addition box %1 expects %2").arg(k).arg(w.txt_résultat(k).Tag())};
    }
}

}  // namespace

long resident_kb()
{
    return status_kb("VmRSS:");
}

long peak_resident_kb()
{
    return status_kb("VmHWM:");
}

void quiet_platform_notes()
{
    standard_messages = qInstallMessageHandler(without_platform_notes);
}

SoakOptions soak_options(long default_actions)
{
    SoakOptions options{default_actions,
                        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    const QStringList arguments = QCoreApplication::arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--actions") options.actions = arguments[i + 1].toLong();
        if (arguments[i] == "--seed") options.seed = arguments[i + 1].toULongLong();
    }
    ui::set_random_source(std::make_unique<SeededDraws>(options.seed));
    return options;
}

bool reachable_by_mouse(const ui::Focusable& control)
{
    return control.can_take_focus() && under_pointer(control);
}

SoakRun::SoakRun(const char* name, SoakOptions options)
    : name_(name), seed_(options.seed), target_(options.actions), pick_(options.seed ^ 0x9E3779B97F4A7C15ull)
{
}

int SoakRun::run()
{
    QElapsedTimer clock;
    clock.start();
    while (done_ < target_ && !failed_) {
        between_runs();
        forget_program_end();
        Feuille_Tibalou.show();
        schedule();
        ui::run_main_loop();
        ++runs_;
    }
    between_runs();
    const double seconds = clock.elapsed() / 1000.0;
    std::printf("%s: seed %llu, %ld actions in %.1f s (%.0f actions/s), %d program runs, "
                "%ld actions in modal windows, %ld counted checks, %d run-time errors\n",
                name_, static_cast<unsigned long long>(seed_), done_, seconds, done_ / std::max(seconds, 1e-9), runs_,
                in_modal_, counted_checks_, ui::runtime_error_count());
    std::printf("  peak resident memory %ld kB\n", peak_resident_kb());
    report_more();
    for (const auto& [window, count] : per_window_) std::printf("  %-20s %ld actions\n", qPrintable(window), count);
    std::printf("%d passed, %d failed\n", failed_ ? 0 : 1, failed_ ? 1 : 0);
    return failed_ ? 1 : 0;
}

void SoakRun::note(const QString& what)
{
    // TIBALOU_SOAK_TRACE=1 prints every action as it goes, for runs that crash.
    static const bool trace = qEnvironmentVariableIsSet("TIBALOU_SOAK_TRACE");
    if (trace) std::printf("%s\n", qPrintable(what)), std::fflush(stdout);
    log_.push_back(what);
    if (log_.size() > 30) log_.pop_front();
}

void SoakRun::schedule(int delay_ms)
{
    if (tick_pending_) return;
    tick_pending_ = true;
    QTimer::singleShot(delay_ms, [this] { tick(); });
}

void SoakRun::tick()
{
    tick_pending_ = false;
    // An action waiting for its events to arrive runs the event loop at its
    // own level: the next action waits for it, unless a modal window it
    // opened runs a loop of its own.
    const int level = QThread::currentThread()->loopLevel();
    if (!acting_levels_.empty() && level <= acting_levels_.back()) {
        schedule(1);
        return;
    }
    if (done_ >= target_ || failed_) {
        ui::end_program();
        return;
    }
    const long index = done_++;
    if (modal_up()) ++in_modal_;
    acting_levels_.push_back(level);
    schedule();
    try {
        const auto before = std::make_pair(total_justes, total_chiffres);
        if (ui::Form* form = front_form()) {
            ++per_window_[form->name()];
            act(*form, index);
        }
        check(before);
        check_more(index);
    } catch (const Failure& failure) {
        failed_ = true;
        std::printf("%s: FAILED at action %ld of seed %llu: %s\nlast actions:\n", name_, index,
                    static_cast<unsigned long long>(seed_), qPrintable(failure.what));
        for (const QString& line : log_) std::printf("  %s\n", qPrintable(line));
        std::fflush(stdout);
        ui::end_program();
    }
    acting_levels_.pop_back();
}

void SoakRun::check(std::pair<std::int32_t, std::int32_t> totals_before)
{
    if (ui::runtime_error_count() != 0) throw Failure{"a run-time error reached the last line of defence"};
    if (!ui::program_ended() && !Feuille_Tibalou.loaded()) {
        // Only the close box of the main menu does that, and then no
        // exercise may be left behind.
        for (ui::Form* form : loaded_forms())
            if (form->name() != "Feuille_score") throw Failure{form->name() + " outlived the main menu"};
    }
    static const QRegularExpression digits_only(QStringLiteral("^[0-9]*$"));
    for (ui::Form* form : loaded_forms())
        for (ui::Focusable* control : form->focusables())
            if (auto* box = dynamic_cast<ui::TextBox*>(control);
                box && !digits_only.match(box->Text()).hasMatch() && box->Text() != "?")
                throw Failure{form->name() + "." + box->name() + " holds \"" + box->Text() + "\""};
    if (feuille_choix_perso.loaded())
        for (const ui::TextBox* box : {&feuille_choix_perso->txt_nb1, &feuille_choix_perso->txt_nb2})
            if (box->Text().startsWith('0')) throw Failure{"the number dialog shows \"" + box->Text() + "\""};
    if (total_justes < 0 || total_justes > total_chiffres)
        throw Failure{QString("totals %1 right of %2").arg(total_justes).arg(total_chiffres)};
    if (score_pourcent < 0 || score_pourcent > 100) throw Failure{QString("rate %1").arg(score_pourcent)};
    if (std::make_pair(total_justes, total_chiffres) != totals_before && total_chiffres > 0) {
        ++counted_checks_;
        if (score_pourcent != 100LL * total_justes / total_chiffres)
            throw Failure{QString("rate %1 for %2 of %3").arg(score_pourcent).arg(total_justes).arg(total_chiffres)};
    }
    if (Feuille_addition.loaded()) check_addition(Feuille_addition());
    if (Feuille_principale.loaded()) check_multiplication(Feuille_principale());
    if (Feuille_division.loaded()) check_division(Feuille_division());
}
