#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/controls.h"

class QEventLoop;

namespace ui {

class FormSlotBase;
class FormWidget;

struct FormDesign {
    QString name;       // "Feuille_addition"
    QString caption;    // title bar
    int width = 0;      // client area, twips
    int height = 0;
    const char* const* icon = nullptr;  // 32 × 32 XPM
    bool key_preview = false;  // onKeyUp sees each key before the focused control
};

// A window built from its design. Each kind derives from it, declares its
// controls as members and wires their handlers in its constructor.
class Form : public Container {
public:
    explicit Form(const FormDesign& design);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    bool key_preview() const { return key_preview_; }
    // Unloaded: its widgets are going away and raise no more events.
    bool discarded() const { return discarded_; }

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

    // Everything the design put in the window, in design order.
    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<MenuEntry*>& menu_entries() const { return menu_entries_; }
    void adopt(Control& control) { controls_.push_back(&control); }
    void adopt(MenuEntry& entry) { menu_entries_.push_back(&entry); }

    Form& form() override { return *this; }
    QWidget* client() override;
    bool shown_in_window() const override { return true; }

    // Called by ui's widgets.
    void focus_arrived(Focusable& control);
    void give_focus(Focusable& control);
    FormWidget* window() const { return window_; }
    FormSlotBase* slot() const { return slot_; }
    QWidget* menu_bar();

private:
    friend class FormSlotBase;

    static void append(std::vector<Focusable*>& order, Focusable& control) { order.push_back(&control); }
    template <class C>
    static void append(std::vector<Focusable*>& order, ControlArray<C>& array)
    {
        for (auto i : array.indices()) order.push_back(&array(i));
    }
    void apply_tab_order(const std::vector<Focusable*>& order);
    void focus_first_control();

    QString name_;
    bool key_preview_;
    bool discarded_ = false;
    FormWidget* window_;
    FormSlotBase* slot_ = nullptr;
    Focusable* focused_ = nullptr;
    Focusable* initial_focus_ = nullptr;
    std::vector<Focusable*> tab_order_;
    std::vector<Control*> controls_;
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

private:
    friend void end_program();
    friend void release_all_forms();
    friend class FormWidget;
    void quit_modal_loops();
    void discard();

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
