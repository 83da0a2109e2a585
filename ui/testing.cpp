#include "ui/testing.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "ui/focus_keeper.h"
#include "ui/widgets.h"

namespace ui::testing {

namespace {

// What ui/ keeps for its own tools, read by deriving from its classes.
struct ControlSide : Control {
    using Control::back_color_of;
    using Control::widget_of;
};
struct MenuSide : Menu {
    using Menu::menu_of;
};
struct MenuEntrySide : MenuEntry {
    using MenuEntry::action_of;
};
struct WindowSide : FormSlotBase {
    using FormSlotBase::forget_program_end;
    using FormSlotBase::loaded_forms;
    using FormSlotBase::window_of;
};

}  // namespace

QWidget* widget(const Control& control)
{
    return &ControlSide::widget_of(control);
}

QWidget* window(FormSlotBase& slot)
{
    return &WindowSide::window_of(slot);
}

QWidget* client(FormSlotBase& slot)
{
    return static_cast<WindowWidget&>(WindowSide::window_of(slot)).client();
}

bool visible(const Control& control)
{
    // Qt keeps what the program wrote, the window's own state aside.
    return !widget(control)->isHidden();
}

Color back_color(const Control& control)
{
    return ControlSide::back_color_of(control);
}

Color painted_color(const Control& control)
{
    QWidget* shown = widget(control);
    const QImage image = shown->grab().toImage();
    // A point inside the frame, away from any centred text.
    const QColor colour = image.pixelColor(std::min(4, image.width() - 1), image.height() / 2);
    return static_cast<Color>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

bool has_keyboard_focus(const Focusable& control)
{
    return QApplication::focusWidget() == widget(control);
}

bool enabled(const MenuEntry& entry)
{
    return MenuEntrySide::action_of(entry).isEnabled();
}

QString accessible_name(const Control& control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget(control));
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QString accessible_text(const Control& control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget(control));
    if (!accessible) return {};
    QAccessibleTextInterface* text = accessible->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}

namespace {

void make_active(QWidget* target)
{
    QWidget* top = target->window();
    if (QApplication::activeWindow() != top) {
        top->activateWindow();
        QApplication::setActiveWindow(top);
    }
}

// Keys go where the keyboard focus is, as for a pupil; the control named is
// where the test expects it to be.
QWidget* key_receiver(Focusable& control)
{
    QWidget* target = widget(control);
    make_active(target);
    return QApplication::focusWidget() ? QApplication::focusWidget() : target;
}

// A control tabbed or clicked into hears of it on the next turn of the event
// loop; the test looks once it has. Nothing else put off for later runs here.
void settle()
{
    for (Container* form : WindowSide::loaded_forms()) form->focus_keeper().settle();
}

}  // namespace

void click(Focusable& control, Qt::MouseButton button)
{
    QWidget* target = widget(control);
    make_active(target);
    QTest::mouseClick(target, button, Qt::NoModifier, QPoint(4, target->height() / 2));
    settle();
}

void touch(Focusable& control)
{
    static QPointingDevice* const screen = QTest::createTouchDevice();
    QWidget* target = widget(control);
    make_active(target);
    const QPoint middle = target->rect().center();
    QTest::touchEvent(target, screen).press(0, middle, target);
    QTest::touchEvent(target, screen).release(0, middle, target);
    QCoreApplication::processEvents();
    settle();
}

void activate(FormSlotBase& slot)
{
    make_active(window(slot));
}

bool wait_until_active(FormSlotBase& slot)
{
    make_active(window(slot));
    return QTest::qWaitForWindowActive(window(slot));
}

void key_click(Focusable& control, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(key_receiver(control), key, modifiers);
    settle();
}

void key_press(Focusable& control, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyPress(key_receiver(control), key, modifiers);
    settle();
}

void key_release(Focusable& control, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyRelease(key_receiver(control), key, modifiers);
    settle();
}

void keypad_digit(Focusable& control, int digit)
{
    key_click(control, static_cast<Qt::Key>(Qt::Key_0 + digit), Qt::KeypadModifier);
}

void main_row_digit(Focusable& control, int digit)
{
    key_click(control, static_cast<Qt::Key>(Qt::Key_0 + digit));
}

void type(Focusable& control, const QString& characters)
{
    QTest::keyClicks(key_receiver(control), characters);
    settle();
}

void deliver(Focusable& control, QEvent& event)
{
    QWidget* target = widget(control);
    make_active(target);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : target, &event);
    settle();
}

bool save_picture(FormSlotBase& slot, const QString& path)
{
    QWidget* shown = window(slot);
    QApplication::processEvents();
    return shown->grab().save(path, "PNG");
}

void key_to_focus(Form& form, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* top = window(*form.slot());
    make_active(top);
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == top ? focus : top, key, modifiers);
}

std::vector<Form*> loaded_forms()
{
    return WindowSide::loaded_forms();
}

Form* front_form()
{
    QWidget* top = QApplication::activeModalWidget();
    if (!top) top = QApplication::activeWindow();
    const auto forms = loaded_forms();
    for (Form* form : forms)
        if (window(*form->slot()) == top) return form;
    for (Form* form : forms)
        if (window(*form->slot())->isVisible()) return form;
    return nullptr;
}

bool modal_up()
{
    return QApplication::activeModalWidget() != nullptr;
}

bool under_pointer(const Control& control)
{
    QWidget* shown = widget(control);
    QWidget* top = shown->window();
    const QPoint centre = shown->mapTo(top, shown->rect().center());
    QWidget* hit = top->childAt(centre);
    return hit && (hit == shown || shown->isAncestorOf(hit));
}

void tab_from(Focusable& control)
{
    key_click(control, Qt::Key_Tab);
}

void choose(MenuEntry& entry)
{
    QAction* action = &MenuEntrySide::action_of(entry);
    // Open every menu on the way down, as the pupil does, then click the entry.
    std::vector<QMenu*> path;
    auto* menu = qobject_cast<QMenu*>(action->parent());
    while (menu) {
        path.insert(path.begin(), menu);
        menu = qobject_cast<QMenu*>(menu->parent());
    }
    for (QMenu* menu : path) menu->popup(QPoint(0, 0));
    for (auto it = path.rbegin(); it != path.rend(); ++it) (*it)->hide();
    action->trigger();  // does nothing on a disabled entry
    QCoreApplication::sendPostedEvents(action, QEvent::MetaCall);
}

void open_and_close(Menu& menu)
{
    // Opened with the mouse from the menu bar, closed again without a choice.
    QMenu* popup = &MenuSide::menu_of(menu);
    auto* bar = qobject_cast<QMenuBar*>(popup->parentWidget());
    if (bar) {
        make_active(bar);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(popup->menuAction()).center());
    } else {
        popup->popup(QPoint(0, 0));
    }
    QApplication::processEvents();
    popup->hide();
    QApplication::processEvents();
}

void press_as_a_reader(Button& button)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget(button));
    if (accessible && accessible->actionInterface())
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

void close_box(FormSlotBase& slot)
{
    window(slot)->close();
}

void forget_program_end()
{
    WindowSide::forget_program_end();
}

void when_modal(std::function<void()> action)
{
    QTimer::singleShot(0, [action = std::move(action)] { action(); });
}

}  // namespace ui::testing
