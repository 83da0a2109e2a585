#include "bench/x_random_pupil.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "bench/soak_run.h"
#include "bench/x_input.h"
#include "bench/x_sync.h"
#include "ui/testing.h"

using namespace ui::testing;

namespace {

const char* const digit_keys[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
const char* const keypad_keys[] = {"KP_0", "KP_1", "KP_2", "KP_3", "KP_4", "KP_5", "KP_6", "KP_7", "KP_8", "KP_9"};
const char* const other_keys[] = {"a",      "m",      "m",      "z",        "v",         "minus",  "period",
                                  "space",  "Return", "KP_Enter", "Escape", "Tab",       "BackSpace", "Delete",
                                  "Home",   "Left",   "KP_Add", "F4"};
const char* const modifier_keys[] = {"Control_L", "Alt_L", "Shift_L", "Control_R"};

}  // namespace

void XRandomPupil::act(ui::Form& front, long index)
{
    const int dice = soak_.roll(100);
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
        sync_.tap("Num_Lock"), soak_.note(QString("%1 Num_Lock").arg(index));
    else if (dice < 95)
        input_.release_all(), soak_.note(QString("%1 all keys up").arg(index));
    else
        chord(index);
}

QString XRandomPupil::random_key()
{
    const int dice = soak_.roll(10);
    if (dice < 4) return keypad_keys[soak_.roll(10)];
    if (dice < 6) return digit_keys[soak_.roll(10)];
    if (dice < 9) return other_keys[soak_.roll(std::size(other_keys))];
    return modifier_keys[soak_.roll(std::size(modifier_keys))];
}

void XRandomPupil::click_somewhere(ui::Form& front, long index)
{
    QWidget* target = nullptr;
    QPoint inside;
    std::vector<ui::Focusable*> controls;
    for (ui::Focusable* control : front.focusables())
        if (widget(*control)->isVisible()) controls.push_back(control);
    if (!controls.empty() && soak_.roll(100) < 85) {
        ui::Focusable* control = soak_.any_of(controls);
        if (control->name() == "cd_quitter_tout" && soak_.roll(10) != 0) return;
        target = widget(*control);
        inside = target->rect().center();
        soak_.note(QString("%1 click %2 in %3").arg(index).arg(control->name(), front.name()));
    } else {
        target = top(front);
        inside = QPoint(soak_.roll(std::max(1, target->width())), soak_.roll(std::max(1, target->height())));
        soak_.note(QString("%1 click at %2,%3 in %4").arg(index).arg(inside.x()).arg(inside.y()).arg(front.name()));
    }
    const int dice = soak_.roll(20);
    sync_.click_at(*target, inside, dice < 16 ? 1 : dice < 19 ? 2 : 3);
}

void XRandomPupil::use_menu(ui::Form& front, long index)
{
    if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        const QList<QAction*> actions = popup->actions();
        if (actions.isEmpty() || soak_.roll(8) == 0) {
            soak_.note(QString("%1 Escape on a menu").arg(index));
            sync_.tap("Escape");
            return;
        }
        QAction* action = actions[soak_.roll(static_cast<int>(actions.size()))];
        soak_.note(QString("%1 menu entry \"%2\"").arg(index).arg(action->text()));
        sync_.click_at(*popup, popup->actionGeometry(action).center());
        return;
    }
    auto* bar = top(front)->findChild<QMenuBar*>();
    if (!bar || bar->actions().isEmpty()) return tap_key(index);
    QAction* title = bar->actions()[soak_.roll(static_cast<int>(bar->actions().size()))];
    soak_.note(QString("%1 menu \"%2\" in %3").arg(index).arg(title->text(), front.name()));
    sync_.click_at(*bar, bar->actionGeometry(title).center());
}

void XRandomPupil::tap_key(long index)
{
    const QString key = random_key();
    soak_.note(QString("%1 tap %2").arg(index).arg(key));
    sync_.tap(key);
}

void XRandomPupil::hold_key(long index)
{
    if (input_.keys_down().size() >= 4) return let_go_a_key(index);
    const QString key = random_key();
    soak_.note(QString("%1 down %2").arg(index).arg(key));
    input_.key(key, true);
}

void XRandomPupil::let_go_a_key(long index)
{
    if (input_.keys_down().empty()) return tap_key(index);
    std::vector<QString> held(input_.keys_down().begin(), input_.keys_down().end());
    const QString key = soak_.any_of(held);
    soak_.note(QString("%1 up %2").arg(index).arg(key));
    input_.key(key, false);
}

void XRandomPupil::repeat_key(long index)
{
    const QString key = soak_.roll(2) ? keypad_keys[soak_.roll(10)] : digit_keys[soak_.roll(10)];
    soak_.note(QString("%1 held until it repeats: %2").arg(index).arg(key));
    input_.key(key, true);
    sync_.pause(120);
    input_.key(key, false);
}

// Ctrl+Alt+M and its near misses, let go in any order.
void XRandomPupil::chord(long index)
{
    std::vector<QString> keys{"Control_L", "Alt_L"};
    if (soak_.roll(4) == 0) keys.push_back("Shift_L");
    if (soak_.roll(5) == 0) keys.erase(keys.begin() + soak_.roll(2));
    keys.push_back("m");
    soak_.note(QString("%1 chord %2").arg(index).arg(QStringList(keys.begin(), keys.end()).join('+')));
    for (const QString& key : keys) input_.key(key, true);
    while (!keys.empty()) {
        const auto which = keys.begin() + soak_.roll(static_cast<int>(keys.size()));
        input_.key(*which, false);
        keys.erase(which);
    }
}

void XRandomPupil::close_a_window(long index)
{
    std::vector<ui::Form*> shown;
    for (ui::Form* form : loaded_forms())
        if (top(*form)->isVisible()) shown.push_back(form);
    if (shown.empty()) return;
    ui::Form* form = soak_.any_of(shown);
    if (form->name() == "Feuille_Tibalou" && soak_.roll(10) != 0) return;
    soak_.note(QString("%1 window manager closes %2").arg(index).arg(form->name()));
    if (soak_.roll(2) == 0 && top(*form)->isActiveWindow()) {
        input_.key("Alt_L", true);
        sync_.tap("F4");
        input_.key("Alt_L", false);
    } else {
        input_.close_by_window_manager(top(*form)->winId());
    }
}

// A button that leaves the window, or the window manager's close, with
// keys following at once.
void XRandomPupil::type_while_closing(ui::Form& front, long index)
{
    std::vector<ui::Button*> leaving;
    for (ui::Focusable* control : front.focusables())
        if (auto* button = dynamic_cast<ui::Button*>(control);
            button && widget(*button)->isVisible() && button->name() != "cd_quitter_tout" &&
            (button->Caption() == "Quitter" || button->Caption() == "OK" || button->Caption() == "Envoi"))
            leaving.push_back(button);
    if (leaving.empty()) {
        soak_.note(QString("%1 window manager closes %2, typing").arg(index).arg(front.name()));
        input_.close_by_window_manager(top(front)->winId());
    } else {
        ui::Button* button = soak_.any_of(leaving);
        soak_.note(QString("%1 click %2 in %3, typing").arg(index).arg(button->name(), front.name()));
        QWidget* shown = widget(*button);
        sync_.click_at(*shown, shown->rect().center());
    }
    for (int key = soak_.roll(4); key >= 0; --key) sync_.tap(soak_.roll(2) ? keypad_keys[soak_.roll(10)] : "Return");
}
