#include "ui/form.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "ui/digit_pad.h"
#include "ui/errors.h"
#include "ui/page.h"
#include "ui/pictures.h"
#include "ui/placement.h"
#include "ui/screen.h"
#include "ui/widgets.h"

namespace ui {

namespace {

std::vector<FormSlotBase*>& all_slots()
{
    static std::vector<FormSlotBase*> registry;
    return registry;
}

bool ended = false;
bool main_loop_running = false;
QPointer<WindowWidget> first_window;  // the main window, shown first

// Leaves the main loop. Outside it (in tests) there is none to leave, and
// asking Qt to quit then would make every later event loop return at once.
void quit_main_loop()
{
    if (!main_loop_running) return;
#ifdef __EMSCRIPTEN__
    // A page's main loop never returns to main(): the page hears of the end instead.
    tell_page_program_ended();
#endif
    QCoreApplication::exit(0);
}

// Keeps an unloaded window alive until control is back in the event loop,
// since its own handler may still be on the stack.
class Discarded : public QObject {
public:
    explicit Discarded(std::unique_ptr<Form> form) : form_(std::move(form)) { queue(); }
    ~Discarded() override { std::erase(queued(), this); }

    void queue()
    {
        queued().push_back(this);
        deleteLater();
    }
    static std::vector<Discarded*>& queued()
    {
        static std::vector<Discarded*> list;
        return list;
    }

private:
    std::unique_ptr<Form> form_;
};

// Qt holds back, in a modal loop, the deletion of what was discarded before
// the loop started; a page's event dispatcher, seeing it queued, never
// sleeps, and the page freezes. So such deletions wait outside the queue.
class DiscardedHeldBack {
public:
    DiscardedHeldBack() : held_(std::exchange(Discarded::queued(), {}))
    {
        for (Discarded* discarded : held_) QCoreApplication::removePostedEvents(discarded, QEvent::DeferredDelete);
    }
    ~DiscardedHeldBack()
    {
        for (Discarded* discarded : held_) discarded->queue();
    }

private:
    std::vector<Discarded*> held_;
};

QRect screen_area(QWidget& window)
{
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// What the window manager puts around a window: the window's own frame once
// it has been shown, else the first window's, else a usual title bar.
QMargins frame_of(QWidget& window)
{
    for (QWidget* shown : {&window, static_cast<QWidget*>(first_window.data())}) {
        if (!shown || !shown->isVisible() || !shown->windowHandle()) continue;
        const QMargins frame = shown->windowHandle()->frameMargins();
        if (!frame.isNull()) return frame;
    }
    return {4, 32, 4, 4};
}

// The window at its design size where the screen's work area has room for
// it, else shrunk to fit, title bar and frame included. A dialog in a page,
// where the main windows fill the canvas, is enlarged as much as `over`.
void fit_on_screen(WindowWidget& window, const QRect& area, WindowWidget* over)
{
    const double scale = window.windowType() == Qt::Dialog && over ? over->placement().scale() : 1;
    window.fit_within(area.size().shrunkBy(frame_of(window)), scale);
    window.adjustSize();
}

// Where no part of `framed`, the window with its frame, leaves the work area.
QPoint inside(const QRect& framed, const QRect& area)
{
    const int x = std::max(area.left(), std::min(framed.left(), area.right() + 1 - framed.width()));
    const int y = std::max(area.top(), std::min(framed.top(), area.bottom() + 1 - framed.height()));
    return {x, y};
}

// The window's frame put at `corner`. Placed by its own corner: before the
// window manager has framed it, Qt cannot allow for the frame it will add.
void put(QWidget& window, QPoint corner)
{
    const QMargins frame = frame_of(window);
    window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window.size()));
}

QSize framed_size(QWidget& window)
{
    // A window never shown takes the size it asks for only once shown.
    return window.size().expandedTo(window.sizeHint()).grownBy(frame_of(window));
}

void centre(QWidget& window, const QRect& on, const QRect& area)
{
    QRect placed(QPoint(), framed_size(window));
    placed.moveCenter(on.center());
    put(window, inside(placed, area));
}

// Beside `other` (right, left, below, above), the first place where the
// window covers none of it and stays on the screen; else on its right, as
// near as the screen allows.
void place_beside(QWidget& window, const QRect& other, const QRect& area)
{
    constexpr int gap = 16;
    QRect placed(QPoint(), framed_size(window));
    const QPoint places[] = {other.topRight() + QPoint(gap + 1, 0),
                             other.topLeft() - QPoint(gap + placed.width(), 0),
                             other.bottomLeft() + QPoint(0, gap + 1),
                             other.topLeft() - QPoint(0, gap + placed.height())};
    for (const QPoint& place : places) {
        placed.moveTopLeft(place);
        if (area.contains(placed)) return put(window, place);
    }
    placed.moveTopLeft(places[0]);
    put(window, inside(placed, area));
}

}  // namespace

// Form

Form::Form(const FormDesign& design)
    : name_(design.name),
      key_preview_(design.key_preview),
      window_(new WindowWidget(QSize(design.width, design.height), design.dialog)),
      focus_keeper_(*window_)
{
    window_->setWindowTitle(design.caption);
    window_->setAccessibleName(design.caption);
    if (design.icon) window_->setWindowIcon(picture(design.icon));
    window_->report_to(this);
}

void Form::set_room_beside(int twips)
{
    window_->set_room_beside(twips);
}

Form::~Form()
{
    window_->report_to(nullptr);
    delete window_;
}

QWidget* Form::client()
{
    return window_->client();
}

Placement& Form::placement()
{
    return window_->placement();
}

QMenuBar* Form::menu_bar()
{
    return window_->menu_bar();
}

void Form::key_down(std::int16_t code, std::int16_t shift)
{
    focus_keeper_.settle();
    if (key_preview_ && onKeyDown) dispatch([this, code, shift] { onKeyDown(code, shift); });
}

void Form::key_up(std::int16_t code, std::int16_t shift)
{
    focus_keeper_.settle();
    if (key_preview_ && onKeyUp) dispatch([this, code, shift] { onKeyUp(code, shift); });
}

void Form::close_asked()
{
    focus_keeper_.settle();
    // The close box unloads the window; the unload itself hides it.
    if (FormSlotBase* slot = slot_) dispatch([slot] { slot->unload(); });
}

void Form::discard()
{
    focus_keeper_.discard();
    window_->report_to(nullptr);
    for (MenuEntry* entry : menu_entries_) entry->stop_listening();
    window_->hide();
}

// Slots

FormSlotBase::FormSlotBase()
{
    all_slots().push_back(this);
}

FormSlotBase::~FormSlotBase()
{
    auto& registry = all_slots();
    std::erase(registry, this);
}

Form& FormSlotBase::touch()
{
    if (!instance_) {
        instance_ = create();
        instance_->slot_ = this;
        if (instance_->onLoad) instance_->onLoad();
    }
    return *instance_;
}

bool FormSlotBase::shown() const
{
    return instance_ && instance_->window_->isVisible();
}

bool FormSlotBase::modal() const
{
    return !modal_loops_.empty() || owner_waiting_;
}

void FormSlotBase::load()
{
    touch();
}

void FormSlotBase::end_modality()
{
    for (QEventLoop* loop : modal_loops_) loop->quit();
    // As a modal loop would: once the handler that closed this window has returned.
    if (FormSlotBase* owner = std::exchange(owner_waiting_, nullptr))
        QTimer::singleShot(0, [owner] { owner->take_keyboard_back(); });
}

void FormSlotBase::hide()
{
    if (!instance_) return;
    instance_->window_->hide();
    end_modality();
}

void FormSlotBase::discard()
{
    instance_->discard();
    end_modality();
    new Discarded(std::move(instance_));
}

void FormSlotBase::unload()
{
    if (!instance_ || unloading_) return;
    unloading_ = true;
    struct Done {
        FormSlotBase& slot;
        ~Done()
        {
            slot.discard();
            slot.unloading_ = false;
        }
    };
    {
        Done done{*this};
        if (instance_->onUnload) instance_->onUnload();
    }
    // The run ends when its last window has gone.
    const auto& registry = all_slots();
    if (std::none_of(registry.begin(), registry.end(), [](FormSlotBase* s) { return s->loaded(); }))
        quit_main_loop();
}

void FormSlotBase::show()
{
    Form& form = touch();
    WindowWidget* window = form.window_;
    if (!window->isVisible()) {
        window->setWindowModality(Qt::NonModal);
        if (!form.focused()) form.focus_keeper_.focus_first_control();
        // Beside the program's first window, or in the middle of the screen.
        if (!first_window) first_window = window;
        WindowWidget* beside = first_window;
        const bool aside = beside != window && beside->isVisible();
        const QRect area = screen_area(aside ? *beside : *window);
        fit_on_screen(*window, area, aside ? beside : nullptr);
        // A page has no room beside its first window: over it, then.
        if (aside && !in_page)
            place_beside(*window, beside->frameGeometry(), area);
        else
            centre(*window, aside ? beside->frameGeometry() : area, area);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void FormSlotBase::showModal(FormSlotBase& owner)
{
    show_over(owner);
    QEventLoop loop;
    modal_loops_.push_back(&loop);
    if (shown() && !ended) {
        DiscardedHeldBack held_back;
        loop.exec(QEventLoop::DialogExec);
    }
    std::erase(modal_loops_, &loop);
    owner.take_keyboard_back();
}

void FormSlotBase::openModal(FormSlotBase& owner)
{
    if (!in_page) return showModal(owner);
    show_over(owner);
    if (shown() && !ended) owner_waiting_ = &owner;
}

void FormSlotBase::show_over(FormSlotBase& owner)
{
    Form& form = touch();
    WindowWidget* window = form.window_;
    WindowWidget* owner_window = owner.form().window_;
    window->hide();
    window->setWindowModality(Qt::ApplicationModal);
    DigitPad::follow(form, owner.form());
    const QRect area = screen_area(*owner_window);
    fit_on_screen(*window, area, owner_window);
    window->winId();
    if (owner_window->windowHandle()) window->windowHandle()->setTransientParent(owner_window->windowHandle());
    centre(*window, owner_window->frameGeometry(), area);
    if (!form.focused()) form.focus_keeper_.focus_first_control();
    window->show();
    window->raise();
    window->activateWindow();
}

void FormSlotBase::take_keyboard_back()
{
    if (!shown() || ended) return;
    // In a page, windows overlap: a dialog shown meanwhile (the score) would
    // end up under its owner, so it stays in front, with the keyboard.
    if (in_page) {
        for (FormSlotBase* slot : all_slots()) {
            WindowWidget* window = slot->loaded() ? slot->instance_->window_ : nullptr;
            if (slot != this && window && window->isVisible() && window->windowType() == Qt::Dialog)
                return window->activateWindow();
        }
    }
    // Even where no window manager hands it over.
    instance_->window_->activateWindow();
}

QWidget& FormSlotBase::window_of(FormSlotBase& slot)
{
    return *slot.touch().window_;
}

std::vector<Form*> FormSlotBase::loaded_forms()
{
    std::vector<Form*> forms;
    for (FormSlotBase* slot : all_slots())
        if (slot->loaded()) forms.push_back(slot->instance_.get());
    return forms;
}

void FormSlotBase::forget_program_end()
{
    ended = false;
}

void end_program()
{
    ended = true;
    for (FormSlotBase* slot : all_slots())
        if (slot->loaded()) slot->discard();
    quit_main_loop();
}

bool program_ended()
{
    return ended;
}

int run_main_loop()
{
    if (ended) return 0;
    main_loop_running = true;
    const int code = QCoreApplication::exec();
    main_loop_running = false;
    return code;
}

void release_all_forms()
{
    for (FormSlotBase* slot : all_slots())
        if (slot->loaded()) slot->discard();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace ui
