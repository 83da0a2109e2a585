#pragma once

// A window of the program: its design, controls and menus, and its life
// from first use to unload. The one header the windows include.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/control_array.h"
#include "ui/controls.h"
#include "ui/design.h"
#include "ui/focus_keeper.h"
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
        focus_keeper_.set_tab_order(order);
    }
    // The control that gets the focus when the window is first shown.
    void setInitialFocus(Focusable& control) { focus_keeper_.set_initial_focus(control); }
    // Room at the design's right for a panel that is not part of it (the digit pad), in twips.
    void set_room_beside(int twips);

    // The control that has the focus in this window, as the program sees it.
    Focusable* focused() const { return focus_keeper_.focused(); }

    // Words for a screen reader to say with the control that next takes the
    // focus here, or with the focused one if the handler leaves the focus
    // where it is; they stay on that control until the focus leaves it, so
    // they are heard whichever way the window gets the keyboard back.
    void announce(const QString& words) { focus_keeper_.announce(words); }

    // What hears the pupil, in design order: all of it stops listening when
    // the window is discarded.
    const std::vector<Focusable*>& focusables() const { return focus_keeper_.focusables(); }
    const std::vector<MenuEntry*>& menu_entries() const { return menu_entries_; }

    FormSlotBase* slot() const { return slot_; }

private:
    friend class FormSlotBase;

    // What its controls, its menus and its window's widget see of it.
    QWidget* client() override;
    Placement& placement() override;
    bool shown_in_window() const override { return true; }
    FocusKeeper& focus_keeper() override { return focus_keeper_; }

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
    void discard();

    QString name_;
    bool key_preview_;
    WindowWidget* window_;
    FormSlotBase* slot_ = nullptr;
    FocusKeeper focus_keeper_;
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
    bool modal() const;   // shown by showModal or openModal and not yet hidden

    void load();
    void unload();
    void hide();
    // Non-modal and without owner; returns at once.
    void show();
    // In front of the owner, which (with every other window) takes no input
    // until this window is hidden or unloaded; returns then.
    void showModal(FormSlotBase& owner);
    // The same, for a caller with nothing left to do once it is closed. A
    // page's event loops cannot nest, so there it returns at once.
    void openModal(FormSlotBase& owner);

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
    void show_over(FormSlotBase& owner);
    void end_modality();
    void discard();
    // After a modal window over this one has gone, if still on screen.
    void take_keyboard_back();

    std::unique_ptr<Form> instance_;
    std::vector<QEventLoop*> modal_loops_;
    FormSlotBase* owner_waiting_ = nullptr;  // opened by openModal in a page, not yet closed
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
