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
// scenarios of faults that only real input showed; --openings N instead
// opens and closes the About window N times and prints the memory it took.
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <QWindow>
#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>
#include <unistd.h>
#include <xcb/xcb.h>

#include "app/Feuille_Tibalou.h"
#include "bench/soak_run.h"
#include "bench/x_input.h"
#include "dialogs/Feuille_A_Propos.h"
#include "division/Feuille_division.h"
#include "ui/application.h"
#include "ui/errors.h"
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

// The marks the soak sends to its own window, as they arrive: each one comes
// after everything the server sent the program before it.
class Marks : public QAbstractNativeEventFilter {
public:
    Marks(std::uint32_t window, std::uint32_t type) : window_(window), type_(type) {}
    bool nativeEventFilter(const QByteArray& kind, void* message, qintptr*) override
    {
        if (kind != "xcb_generic_event_t") return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        ++events;
        // XInput 2 button presses and releases (event types 4 and 5).
        if ((event->response_type & 0x7f) == XCB_GE_GENERIC) {
            const auto type = static_cast<xcb_ge_generic_event_t*>(message)->event_type;
            if (type == 4 || type == 5) ++buttons;
        }
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
        auto* client = static_cast<xcb_client_message_event_t*>(message);
        if (client->window != window_ || client->type != type_) return false;
        last = std::max(last, static_cast<long>(client->data.data32[0]));
        return true;
    }
    long last = 0;     // the last mark arrived
    long events = 0;   // every event the program got, marks included
    long buttons = 0;  // button presses and releases the program got

private:
    std::uint32_t window_, type_;
};

// The window of a form, as Qt knows it.
QWidget* top(ui::Form& form)
{
    return window(*form.slot());
}

const char* const digit_keys[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
const char* const keypad_keys[] = {"KP_0", "KP_1", "KP_2", "KP_3", "KP_4", "KP_5", "KP_6", "KP_7", "KP_8", "KP_9"};
const char* const other_keys[] = {"a",      "m",      "m",      "z",        "v",         "minus",  "period",
                                  "space",  "Return", "KP_Enter", "Escape", "Tab",       "BackSpace", "Delete",
                                  "Home",   "Left",   "KP_Add", "F4"};
const char* const modifier_keys[] = {"Control_L", "Alt_L", "Shift_L", "Control_R"};

class XSoak : public SoakRun {
public:
    XSoak(SoakOptions options, long growth_kb, XInput& input, Marks& marks, std::uint32_t marker,
          StderrWatch& stderr_watch)
        : SoakRun("soak_x", options),
          growth_kb_(growth_kb),
          input_(input),
          marks_(marks),
          marker_(marker),
          stderr_(stderr_watch)
    {
    }

    // The actions that opening and closing the About window `times` times takes.
    static long openings_actions(int times) { return 2 * times + 2; }

    // Opens the About window from the main menu with a click and closes it
    // with Return, `times` times, and prints the resident memory it took.
    void measure_openings(int times)
    {
        steps_.push_back([this](ui::Form&) {
            until_active(Feuille_Tibalou);
            press_button(Feuille_Tibalou->Command3);
            clock_.start();
            resident_before_ = resident_kb();
        });
        for (int time = 0; time < times; ++time) {
            steps_.push_back([this](ui::Form&) { press_button(Feuille_Tibalou->Command6); });
            steps_.push_back([this](ui::Form& front) {
                expect_front(front, "Feuille_A_Propos");
                tap("Return");
                settle();
            });
        }
        steps_.push_back([this, times](ui::Form&) {
            if (Feuille_A_Propos.loaded()) throw Failure{"the About window stayed open"};
            std::printf("soak_x: %d About windows opened and closed in %.1f s: resident memory %ld kB before, "
                        "%ld kB after (%+ld kB)\n",
                        times, clock_.elapsed() / 1000.0, resident_before_, resident_kb(),
                        resident_kb() - resident_before_);
        });
    }

    // Faults that only a real server and window manager showed, replayed
    // before the random pupil starts.
    void add_scenarios()
    {
        // Just started, the program may miss a first click: each is tried
        // again until it has done its work, five times at most.
        steps_.push_back([this](ui::Form&) {
            until_active(Feuille_Tibalou);
            for (int time = 0; time < 5 && visible(Feuille_Tibalou->fr_hello); ++time) {
                press_button(Feuille_Tibalou->Command3);
                pause(50);
            }
        });
        steps_.push_back([this](ui::Form&) {
            // The steps that follow run inside the division, opened by this click.
            for (int time = 0; time < 5 && !division_opened_; ++time) {
                press_button(Feuille_Tibalou->Command1);
                pause(50);
            }
        });
        // Ctrl+Alt+M, Ctrl and Alt let go together half a second later: one
        // Return closes the About window, which stays closed.
        steps_.push_back([this](ui::Form& front) {
            expect_front(front, "Feuille_division");
            division_opened_ = true;
            until_active(Feuille_division);
            for (const char* key : {"Control_L", "Alt_L", "m"}) input_.key(key, true);
            input_.key("m", false);
            settle();
        });
        steps_.push_back([this](ui::Form& front) {
            expect_front(front, "Feuille_A_Propos");
            pause(500);
            input_.key("Alt_L", false);
            input_.key("Control_L", false);
            tap("Return");
            settle();
        });
        steps_.push_back([this](ui::Form& front) {
            if (Feuille_A_Propos.loaded()) throw Failure{"the About window came back after its Return"};
            expect_front(front, "Feuille_division");
            // Ten digit keys down together on the help panel, then one held
            // until it repeats: one digit, a product, the focus moved on.
            note("menu mnu_affich_aide");
            choose(Feuille_division->mnu_affich_aide);
        });
        steps_.push_back([this](ui::Form&) {
            press_button(Feuille_division->Fr_aide_txt_chiffre);
            for (const char* key : digit_keys) input_.key(key, true);
            input_.key("7", false);
            input_.key("7", true);
            pause(150);
            input_.release_all();
            settle();
            auto& w = Feuille_division();
            // The product against the box is one of the shared checks.
            if (w.Fr_aide_txt_chiffre.Text().size() > 1 || w.Fr_aide_résultat.Caption().isEmpty() ||
                w.focused() != &w.cde_verifier)
                throw Failure{"the help panel holds \"" + w.Fr_aide_txt_chiffre.Text() + "\" and shows \"" +
                              w.Fr_aide_résultat.Caption() + "\""};
            input_.close_by_window_manager(window(Feuille_division)->winId());
            settle();
        });
    }

private:
    void act(ui::Form& shown_first, long index) override
    {
        // An action inside a modal window stops waiting once that window has
        // gone: its event loop is to return, and what comes next is for the
        // loop below, where the program's handler that showed it waits.
        ui::FormSlotBase* modal = modal_up() && shown_first.slot()->modal() ? shown_first.slot() : nullptr;
        loops_.push_back(modal);
        struct Pop {
            std::vector<ui::FormSlotBase*>& loops;
            ~Pop() { loops.pop_back(); }
        } pop{loops_};
        // Windows are where the window manager put them before they are
        // aimed at; the one in front may have gone meanwhile.
        settle();
        if (loop_ended()) return;
        ui::Form* in_front = front_form();
        if (!in_front) return;
        ui::Form& front = *in_front;
        if (&front != &shown_first) note(QString("%1 %2 came in front").arg(index).arg(front.name()));
        if (!steps_.empty()) {
            const Step step = steps_.front();
            steps_.pop_front();
            note(QString("%1 scenario step in %2").arg(index).arg(front.name()));
            step(front);
            return;
        }
        const int dice = roll(100);
        if (dice < 22)
            click_somewhere(front, index);
        else if (dice < 30)
            use_menu(front, index);
        else if (dice < 60)
            tap_key(index);
        else if (dice < 68)
            hold_key(index);
        else if (dice < 80)
            let_go_a_key(index);
        else if (dice < 82)
            repeat_key(index);
        else if (dice < 86)
            close_a_window(index);
        else if (dice < 92)
            type_while_closing(front, index);
        else if (dice < 94)
            tap("Num_Lock"), note(QString("%1 Num_Lock").arg(index));
        else if (dice < 95)
            input_.release_all(), note(QString("%1 all keys up").arg(index));
        else
            chord(index);
        settle();
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

    // Injected events have reached the program and been handled, and so has
    // what the window manager did about them.
    // Rounds go on until one brings the program nothing but its mark (the
    // window manager and the program have stopped answering each other) and
    // every window the program shows stands in its frame on the screen.
    void settle()
    {
        for (int round = 0, quiet = 0; round < 8 && quiet < 1 && !loop_ended(); ++round) round_trip(quiet);
        QElapsedTimer waited;
        waited.start();
        for (int quiet = 0; marks_.buttons < buttons_expected_ && waited.elapsed() < 2000 && !loop_ended();)
            round_trip(quiet);
        buttons_expected_ = marks_.buttons;
        for (int round = 0, quiet = 0; !loop_ended() && !all_placed(); ++round) {
            if (round == 200) throw Failure{"a window was not shown within 200 rounds"};
            round_trip(quiet);
        }
    }

    // The scenarios aim at a window once it has the keyboard.
    void until_active(ui::FormSlotBase& slot)
    {
        QElapsedTimer waited;
        waited.start();
        for (int quiet = 0; !loop_ended() && !window(slot)->isActiveWindow(); round_trip(quiet))
            if (waited.elapsed() > 5000) throw Failure{slot.form().name() + " did not get the keyboard within 5 s"};
    }

    bool all_placed()
    {
        for (ui::Form* form : loaded_forms())
            if (top(*form)->isVisible() && !input_.placed(top(*form)->winId())) return false;
        return true;
    }

    bool loop_ended() const { return !loops_.empty() && loops_.back() && !loops_.back()->shown(); }

    void round_trip(int& quiet)
    {
        if (loop_ended()) return;
        const long events_before = marks_.events;
        // What the program asked of the server (a window shown, the
        // focus) goes out first.
        QCoreApplication::processEvents();
        xcb_flush(qApp->nativeInterface<QNativeInterface::QX11Application>()->connection());
        // The window manager may wait on the program meanwhile: both go on.
        QElapsedTimer waited;
        waited.start();
        input_.ask_window_manager();
        while (!input_.window_manager_answered(1) && !loop_ended()) {
            if (waited.elapsed() > 20000) throw Failure{"the window manager did not answer within 20 s"};
            QCoreApplication::processEvents();
        }
        const long wanted = ++marks_sent_;
        input_.mark(marker_, wanted);
        while (marks_.last < wanted && !loop_ended()) {
            if (waited.elapsed() > 20000) throw Failure{"the events were not delivered within 20 s"};
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        if (loop_ended()) return;
        QCoreApplication::processEvents();
        if (marks_.events == events_before + 1) ++quiet;
    }

    void pause(int ms)
    {
        input_.sync();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms && !loop_ended()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    void tap(const QString& key)
    {
        input_.key(key, true);
        input_.key(key, false);
    }

    QString random_key()
    {
        const int dice = roll(10);
        if (dice < 4) return keypad_keys[roll(10)];
        if (dice < 6) return digit_keys[roll(10)];
        if (dice < 9) return other_keys[roll(std::size(other_keys))];
        return modifier_keys[roll(std::size(modifier_keys))];
    }

    // Where the window is, the server knows first: the window manager may
    // still be placing it when the program is asked.
    void move_to(QWidget& widget, QPoint inside)
    {
        QWidget* window = widget.window();
        const QPoint in_window = widget.mapTo(window, inside);
        input_.move_in(window->winId(), in_window.x(), in_window.y());
    }

    void click_at(QWidget& widget, QPoint inside, int times = 1)
    {
        move_to(widget, inside);
        // Buttons over one of the program's windows reach it, somewhat later
        // than the rest at times: settle() waits for them.
        const unsigned long under = input_.window_under_pointer();
        for (QWindow* window : QGuiApplication::allWindows())
            if (window->handle() && window->winId() == under) buttons_expected_ += 2 * times;
        for (int time = 0; time < times; ++time) {
            input_.button(1, true);
            input_.button(1, false);
        }
    }

    void press_button(ui::Focusable& control)
    {
        QWidget* shown = widget(control);
        click_at(*shown, shown->rect().center());
        settle();
    }

    void expect_front(ui::Form& front, const char* name)
    {
        if (front.name() != name) throw Failure{QString("%1 in front, %2 expected").arg(front.name(), name)};
    }

    void click_somewhere(ui::Form& front, long index)
    {
        QWidget* target = nullptr;
        QPoint inside;
        std::vector<ui::Focusable*> controls;
        for (ui::Focusable* control : front.focusables())
            if (widget(*control)->isVisible()) controls.push_back(control);
        if (!controls.empty() && roll(100) < 85) {
            ui::Focusable* control = any_of(controls);
            if (control->name() == "cd_quitter_tout" && roll(10) != 0) return;
            target = widget(*control);
            inside = target->rect().center();
            note(QString("%1 click %2 in %3").arg(index).arg(control->name(), front.name()));
        } else {
            target = top(front);
            inside = QPoint(roll(std::max(1, target->width())), roll(std::max(1, target->height())));
            note(QString("%1 click at %2,%3 in %4").arg(index).arg(inside.x()).arg(inside.y()).arg(front.name()));
        }
        const int dice = roll(20);
        click_at(*target, inside, dice < 16 ? 1 : dice < 19 ? 2 : 3);
    }

    void use_menu(ui::Form& front, long index)
    {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            const QList<QAction*> actions = popup->actions();
            if (actions.isEmpty() || roll(8) == 0) {
                note(QString("%1 Escape on a menu").arg(index));
                tap("Escape");
                return;
            }
            QAction* action = actions[roll(static_cast<int>(actions.size()))];
            note(QString("%1 menu entry \"%2\"").arg(index).arg(action->text()));
            click_at(*popup, popup->actionGeometry(action).center());
            return;
        }
        auto* bar = top(front)->findChild<QMenuBar*>();
        if (!bar || bar->actions().isEmpty()) return tap_key(index);
        QAction* title = bar->actions()[roll(static_cast<int>(bar->actions().size()))];
        note(QString("%1 menu \"%2\" in %3").arg(index).arg(title->text(), front.name()));
        click_at(*bar, bar->actionGeometry(title).center());
    }

    void tap_key(long index)
    {
        const QString key = random_key();
        note(QString("%1 tap %2").arg(index).arg(key));
        tap(key);
    }

    void hold_key(long index)
    {
        if (input_.keys_down().size() >= 4) return let_go_a_key(index);
        const QString key = random_key();
        note(QString("%1 down %2").arg(index).arg(key));
        input_.key(key, true);
    }

    void let_go_a_key(long index)
    {
        if (input_.keys_down().empty()) return tap_key(index);
        std::vector<QString> held(input_.keys_down().begin(), input_.keys_down().end());
        const QString key = any_of(held);
        note(QString("%1 up %2").arg(index).arg(key));
        input_.key(key, false);
    }

    void repeat_key(long index)
    {
        const QString key = roll(2) ? keypad_keys[roll(10)] : digit_keys[roll(10)];
        note(QString("%1 held until it repeats: %2").arg(index).arg(key));
        input_.key(key, true);
        pause(120);
        input_.key(key, false);
    }

    // Ctrl+Alt+M and its near misses, let go in any order.
    void chord(long index)
    {
        std::vector<QString> keys{"Control_L", "Alt_L"};
        if (roll(4) == 0) keys.push_back("Shift_L");
        if (roll(5) == 0) keys.erase(keys.begin() + roll(2));
        keys.push_back("m");
        note(QString("%1 chord %2").arg(index).arg(QStringList(keys.begin(), keys.end()).join('+')));
        for (const QString& key : keys) input_.key(key, true);
        while (!keys.empty()) {
            const auto which = keys.begin() + roll(static_cast<int>(keys.size()));
            input_.key(*which, false);
            keys.erase(which);
        }
    }

    void close_a_window(long index)
    {
        std::vector<ui::Form*> shown;
        for (ui::Form* form : loaded_forms())
            if (top(*form)->isVisible()) shown.push_back(form);
        if (shown.empty()) return;
        ui::Form* form = any_of(shown);
        if (form->name() == "Feuille_Tibalou" && roll(10) != 0) return;
        note(QString("%1 window manager closes %2").arg(index).arg(form->name()));
        if (roll(2) == 0 && top(*form)->isActiveWindow()) {
            input_.key("Alt_L", true);
            tap("F4");
            input_.key("Alt_L", false);
        } else {
            input_.close_by_window_manager(top(*form)->winId());
        }
    }

    // A button that leaves the window, or the window manager's close, with
    // keys following at once.
    void type_while_closing(ui::Form& front, long index)
    {
        std::vector<ui::Button*> leaving;
        for (ui::Focusable* control : front.focusables())
            if (auto* button = dynamic_cast<ui::Button*>(control);
                button && widget(*button)->isVisible() && button->name() != "cd_quitter_tout" &&
                (button->Caption() == "Quitter" || button->Caption() == "OK" || button->Caption() == "Envoi"))
                leaving.push_back(button);
        if (leaving.empty()) {
            note(QString("%1 window manager closes %2, typing").arg(index).arg(front.name()));
            input_.close_by_window_manager(top(front)->winId());
        } else {
            ui::Button* button = any_of(leaving);
            note(QString("%1 click %2 in %3, typing").arg(index).arg(button->name(), front.name()));
            QWidget* shown = widget(*button);
            click_at(*shown, shown->rect().center());
        }
        for (int key = roll(4); key >= 0; --key) tap(roll(2) ? keypad_keys[roll(10)] : "Return");
    }

    using Step = std::function<void(ui::Form& front)>;

    long growth_kb_;
    XInput& input_;
    Marks& marks_;
    std::uint32_t marker_;
    StderrWatch& stderr_;
    long marks_sent_ = 0;
    long buttons_expected_ = 0;
    bool division_opened_ = false;
    std::vector<ui::FormSlotBase*> loops_;  // per action under way: the modal window it acts in
    std::optional<long> resident_at_10000_;
    std::deque<Step> steps_;
    QElapsedTimer clock_;
    long resident_before_ = 0;
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
    // The program's window that the soak's marks go to; never shown.
    QWidget marker;
    const auto marker_id = static_cast<std::uint32_t>(marker.winId());
    Marks marks(marker_id, static_cast<std::uint32_t>(input->atom("TIBALOU_MARK")));
    QCoreApplication::instance()->installNativeEventFilter(&marks);

    SoakOptions options = soak_options(20000);
    if (openings) options.actions = XSoak::openings_actions(openings);
    XSoak soak(options, growth_kb, *input, marks, marker_id, stderr_watch);
    if (openings)
        soak.measure_openings(openings);
    else
        soak.add_scenarios();
    return soak.run();
}
