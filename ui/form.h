#pragma once

// A window of the program: its design, controls and menus, and its life
// from first use to unload. The one header the windows include.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/design.h"
#include "ui/menus.h"
#include "ui/widget_events.h"

class QEventLoop;
class QMenuBar;
class QWidget;

namespace ui {

class FormSlotBase;
class WindowWidget;

// A window built from its design. Each kind derives from it, declares its
// controls as members and wires their handlers in its constructor.
class Form : public Container, public MenuBarOwner, private WidgetEvents {
public:
    explicit Form(const FormDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }

    std::function<void()> onLoad;
    std::function<void()> onUnload;
    // With key preview on: each key going down, then coming up, anywhere in the window.
    std::function<void(std::int16_t KeyCode, std::int16_t Shift)> onKeyDown;
    std::function<void(std::int16_t KeyCode, std::int16_t Shift)> onKeyUp;

    // The Tab order of the design: controls and control arrays, in order.
    template <class... Items>
    void setTabOrder(Items&... items)
    {
        std::vector<Focusable*> order;
        (append(order, items), ...);
        apply_tab_order(order);
    }
    // The control that gets the focus when the window is first shown.
    void setInitialFocus(Focusable& control) { initial_focus_ = &control; }

    // The control that has the focus in this window, as the program sees it.
    Focusable* focused() const { return focused_; }

    // Words for a screen reader to say with the control that next takes the
    // focus here, or with the focused one if the handler leaves the focus
    // where it is; they stay on that control until the focus leaves it, so
    // they are heard whichever way the window gets the keyboard back.
    void announce(const QString& words);

    // What hears the pupil, in design order: all of it stops listening when
    // the window is discarded.
    const std::vector<Focusable*>& focusables() const { return focusables_; }
    const std::vector<MenuEntry*>& menu_entries() const { return menu_entries_; }

    FormSlotBase* slot() const { return slot_; }

private:
    friend class FormSlotBase;

    // What its controls, its menus and its window's widget see of it.
    QWidget* client() override;
    Placement& placement() override;
    bool shown_in_window() const override { return true; }
    void adopt(Focusable& control) override { focusables_.push_back(&control); }
    void adopt(Frame& frame) override;
    void cover_changed() override;
    void focus_coming(Focusable& control) override;
    void focus_arrived(Focusable& control) override;
    void focus_taken(Focusable& control) override;
    void settle_focus() override;

    QMenuBar* menu_bar() override;
    void adopt(MenuEntry& entry) override { menu_entries_.push_back(&entry); }

    void key_down(std::int16_t code, std::int16_t shift) override;
    void key_up(std::int16_t code, std::int16_t shift) override;
    void close_asked() override;

    static void append(std::vector<Focusable*>& order, Focusable& control) { order.push_back(&control); }
    template <class C>
    static void append(std::vector<Focusable*>& order, ControlArray<C>& array)
    {
        for (auto i : array.indices()) order.push_back(&array(i));
    }
    void apply_tab_order(const std::vector<Focusable*>& order);
    void focus_first_control();
    void hand_announcement(Focusable& control);
    void take_announcement_back();
    void discard();

    QString name_;
    bool key_preview_;
    bool discarded_ = false;  // unloaded: its widgets are going away and raise no more events
    WindowWidget* window_;
    FormSlotBase* slot_ = nullptr;
    Focusable* focused_ = nullptr;
    unsigned focus_moves_ = 0;  // between two controls of the window, since it was made
    Focusable* taking_focus_ = nullptr;  // has it, the program not yet told
    Focusable* initial_focus_ = nullptr;
    QString announcement_;               // not yet on a control
    Focusable* announcing_ = nullptr;    // the control that says the last one
    std::vector<Focusable*> tab_order_;
    std::vector<Focusable*> focusables_;
    // Each panel, with how many controls that take the focus were made before it.
    std::vector<std::pair<const Frame*, std::size_t>> frames_;
    std::vector<MenuEntry*> menu_entries_;
};

// The single instance of one window kind: created from its design on first
// touch (its load handler runs then), destroyed by unload, created again in
// its design state on the next touch.
class FormSlotBase {
public:
    FormSlotBase();
    virtual ~FormSlotBase();
    FormSlotBase(const FormSlotBase&) = delete;
    FormSlotBase& operator=(const FormSlotBase&) = delete;

    bool loaded() const { return instance_ != nullptr; }
    bool shown() const;   // loaded and on screen
    bool modal() const;   // shown by showModal and not yet hidden

    void load();
    void unload();
    void hide();
    // Non-modal and without owner; returns at once.
    void show();
    // In front of the owner, which (with every other window) takes no input
    // until this window is hidden or unloaded; returns then.
    void showModal(FormSlotBase& owner);

    Form& form() { return touch(); }

protected:
    Form& touch();
    virtual std::unique_ptr<Form> create() = 0;

    // For ui/'s own tools, which derive from FormSlotBase to reach every
    // window (the tests): the window on screen, the windows loaded, and a
    // program ended and then started again in the same process.
    static QWidget& window_of(FormSlotBase& slot);
    static std::vector<Form*> loaded_forms();
    static void forget_program_end();

private:
    friend void end_program();
    friend void release_all_forms();
    void quit_modal_loops();
    void discard();
    // After a modal window over this one has gone.
    void take_keyboard_back();

    std::unique_ptr<Form> instance_;
    std::vector<QEventLoop*> modal_loops_;
    bool unloading_ = false;
};

template <class F>
class FormSlot final : public FormSlotBase {
public:
    F& operator()() { return static_cast<F&>(touch()); }
    F* operator->() { return &(*this)(); }

private:
    std::unique_ptr<Form> create() override { return std::make_unique<F>(); }
};

// Ends the program at once: every window disappears, no unload handler runs.
void end_program();
bool program_ended();

// Runs the program's events until end_program() or the last window's unload.
int run_main_loop();

// Destroys every window without its unload handler; the application object
// calls it on the way out, while the toolkit is still there.
void release_all_forms();

}  // namespace ui
