// Plays the whole program on a real X server with a window manager, as a
// pupil with a real keyboard and mouse: every key and button goes down and up
// through the server itself (XTest), keys are held together, repeat, and are
// let go in another window than the one they went down in; clicks come
// single, double and triple; the window manager closes any window; keys are
// typed while a window closes. After every action the program has handled
// all of it, and the shared checks run, plus: no run-time error, nothing on
// stderr saying "erreur", and resident memory from the 10 000th action on
// growing no more than --growth-kb.
//
//   soak_x [--actions N] [--seed S] [--growth-kb K] [--openings N]
//
// Run under scripts/with-x.sh (make soak-x). It first replays fixed
// scenarios of faults that only real input showed (x_fault_replays.cpp);
// --openings N instead opens and closes the About window N times and prints
// the memory it took (x_openings.cpp). The random pupil is x_random_pupil.cpp,
// and x_sync.cpp keeps the program in step with the server.
#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <optional>
#include <unistd.h>

#include "bench/soak_run.h"
#include "bench/x_fault_replays.h"
#include "bench/x_input.h"
#include "bench/x_openings.h"
#include "bench/x_random_pupil.h"
#include "bench/x_sync.h"
#include "ui/application.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

// What the program writes on stderr goes to a file, which every check reads
// on from where it stopped and passes on to the real stderr.
class StderrWatch {
public:
    StderrWatch() : file_(std::tmpfile()), fd_(fileno(file_))
    {
        real_ = dup(STDERR_FILENO);
        dup2(fd_, STDERR_FILENO);
        watch_ = this;
        // A sanitizer that stops the run with abort() still has its say.
        std::signal(SIGABRT, [](int) {
            if (watch_) watch_->copy_rest(nullptr);
        });
    }
    ~StderrWatch()
    {
        // What aborts after this (the leak check at exit) writes to stderr itself.
        std::signal(SIGABRT, SIG_DFL);
        watch_ = nullptr;
        pass_on();
        dup2(real_, STDERR_FILENO);
        std::fclose(file_);
    }

    // The text written since the last call, also passed on.
    QByteArray pass_on()
    {
        QByteArray text;
        copy_rest(&text);
        return text;
    }

private:
    // Only read and write when `kept` is null: safe in a signal handler.
    void copy_rest(QByteArray* kept)
    {
        char buffer[4096];
        ssize_t n;
        while ((n = pread(fd_, buffer, sizeof buffer, read_)) > 0) {
            read_ += n;
            if (kept) kept->append(buffer, n);
            if (write(real_, buffer, static_cast<size_t>(n)) < 0) break;
        }
    }

    static inline StderrWatch* watch_ = nullptr;
    std::FILE* file_;
    int fd_;
    int real_;
    off_t read_ = 0;
};

// Each action in step with the server: the scripted ones first, then the
// random pupil's; after each, the stderr and memory checks.
class XSoak : public SoakRun {
public:
    XSoak(SoakOptions options, long growth_kb, XSync& sync, XInput& input, StderrWatch& stderr_watch)
        : SoakRun("soak_x", options), growth_kb_(growth_kb), sync_(sync), pupil_(*this, sync, input),
          input_(input), stderr_(stderr_watch)
    {
    }

    void play_first(Script script) { script_ = std::move(script); }

private:
    void act(ui::Form& shown_first, long index) override
    {
        const XSync::Acting acting(sync_, modal_up() && shown_first.slot()->modal() ? shown_first.slot() : nullptr);
        // Windows are where the window manager put them before they are
        // aimed at; the one in front may have gone meanwhile.
        sync_.settle();
        if (sync_.loop_ended()) return;
        ui::Form* in_front = front_form();
        if (!in_front) return;
        ui::Form& front = *in_front;
        if (&front != &shown_first) note(QString("%1 %2 came in front").arg(index).arg(front.name()));
        if (!script_.empty()) {
            const Step step = script_.front();
            script_.pop_front();
            note(QString("%1 scenario step in %2").arg(index).arg(front.name()));
            step(front);
            return;
        }
        pupil_.act(front, index);
        sync_.settle();
    }

    void check_more(long index) override
    {
        if (stderr_.pass_on().contains("erreur")) throw Failure{"stderr says \"erreur\""};
        if ((index + 1) % 10000 == 0) {
            std::printf("soak_x: %ld actions, resident memory %ld kB\n", index + 1, resident_kb());
            std::fflush(stdout);
        }
        if (index + 1 == 10000) resident_at_10000_ = resident_kb();
        if (resident_at_10000_ && index + 1 == target() &&
            resident_kb() - *resident_at_10000_ > growth_kb_)
            throw Failure{QString("resident memory grew from %1 kB at the 10 000th action to %2 kB")
                              .arg(*resident_at_10000_)
                              .arg(resident_kb())};
    }

    void report_more() override
    {
        if (resident_at_10000_)
            std::printf("  resident memory %ld kB at the 10 000th action, %ld kB at the end (bound +%ld kB)\n",
                        *resident_at_10000_, resident_kb(), growth_kb_);
    }

    void between_runs() override { input_.release_all(); }

    long growth_kb_;
    XSync& sync_;
    XRandomPupil pupil_;
    XInput& input_;
    StderrWatch& stderr_;
    Script script_;
    std::optional<long> resident_at_10000_;
};

}  // namespace

int main(int argc, char** argv)
{
    // Each line out at once: a sanitizer's abort() must not swallow the report.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    StderrWatch stderr_watch;
    quiet_platform_notes();
    qputenv("QT_QPA_PLATFORM", "xcb");
    ui::Application application(argc, argv);
    std::optional<XInput> input;
    try {
        input.emplace();
    } catch (const std::exception& error) {
        std::printf("soak_x: %s\n0 passed, 1 failed\n", error.what());
        return 1;
    }
    if (!input->window_manager_running()) {
        std::printf("soak_x: no window manager runs on this display\n0 passed, 1 failed\n");
        return 1;
    }
    // Quick repeats, so that a key held for a moment repeats several times;
    // Num Lock on, as on most pupils' keyboards.
    input->set_auto_repeat(60, 20);
    input->key("Num_Lock", true);
    input->key("Num_Lock", false);

    // Past the 10 000th action the resident memory only wanders, by about
    // 1 MB either way (the allocator's arenas, Qt's caches); 4 MB stays clear
    // of that, and 90 000 actions that each leaked 50 bytes would pass it.
    long growth_kb = 4096;
    int openings = 0;
    const QStringList arguments = QCoreApplication::arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--growth-kb") growth_kb = arguments[i + 1].toLong();
        if (arguments[i] == "--openings") openings = arguments[i + 1].toInt();
    }
    XSync sync(*input);
    SoakOptions options = soak_options(20000);
    OpeningsMeasure openings_measure(sync, openings);
    if (openings) options.actions = openings_measure.actions();
    XSoak soak(options, growth_kb, sync, *input, stderr_watch);
    FaultReplays replays(soak, sync, *input);
    soak.play_first(openings ? openings_measure.script() : replays.script());
    return soak.run();
}
