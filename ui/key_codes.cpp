#include "ui/key_codes.h"

#include <QKeyEvent>
#include <algorithm>
#include <iterator>
#include <map>

namespace ui {

namespace {

// Key codes of the physical keys held down, as they were when pressed: a key
// released after Num Lock changed state is still the key that was typed.
std::map<quint32, std::int16_t> held_keys;
const QKeyEvent* release_in_delivery = nullptr;
std::int16_t code_of_release_in_delivery = 0;

// Qt 6.4 on Wayland leaves out Qt::KeypadModifier; the keypad keysyms
// (XKB_KEY_KP_Space to XKB_KEY_KP_Equal) still come as native virtual keys.
bool from_keypad(const QKeyEvent& event)
{
    const quint32 keysym = event.nativeVirtualKey();
    return (event.modifiers() & Qt::KeypadModifier) || (keysym >= 0xff80 && keysym <= 0xffbd);
}

// The keys Num Lock off makes of the keypad's digits 0 to 9.
constexpr Qt::Key keypad_moves[] = {Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left,
                                    Qt::Key_Clear,  Qt::Key_Right, Qt::Key_Home, Qt::Key_Up,       Qt::Key_PageUp};

std::int16_t code_from_key(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = from_keypad(event);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<std::int16_t>((keypad ? 96 : 48) + key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::int16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return static_cast<std::int16_t>(112 + key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Asterisk: return keypad ? 106 : 0;
    case Qt::Key_Plus: return keypad ? 107 : 0;
    case Qt::Key_Minus: return keypad ? 109 : 0;
    case Qt::Key_Period: return keypad ? 110 : 0;
    case Qt::Key_Slash: return keypad ? 111 : 0;
    default: return 0;
    }
}

}  // namespace

int keypad_digit_without_num_lock(const QKeyEvent& event)
{
    if (!from_keypad(event)) return -1;
    const auto* found = std::find(std::begin(keypad_moves), std::end(keypad_moves), event.key());
    return found == std::end(keypad_moves) ? -1 : static_cast<int>(found - std::begin(keypad_moves));
}

void note_key_event(const QKeyEvent& event)
{
    const quint32 scan = event.nativeScanCode();
    if (event.type() == QEvent::KeyPress) {
        // The release noted last has been delivered; this event may reuse its address.
        release_in_delivery = nullptr;
        if (scan && !event.isAutoRepeat()) held_keys[scan] = code_from_key(event);
        return;
    }
    std::int16_t code = code_from_key(event);
    if (const auto held = held_keys.find(scan); scan && held != held_keys.end()) {
        code = held->second;
        if (!event.isAutoRepeat()) held_keys.erase(held);
    }
    release_in_delivery = &event;
    code_of_release_in_delivery = code;
}

std::int16_t key_code(const QKeyEvent& event)
{
    if (&event == release_in_delivery) return code_of_release_in_delivery;
    return code_from_key(event);
}

std::int16_t shift_state(const QKeyEvent& event)
{
    const auto modifiers = event.modifiers();
    return static_cast<std::int16_t>(((modifiers & Qt::ShiftModifier) ? 1 : 0) |
                                     ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                                     ((modifiers & Qt::AltModifier) ? 4 : 0));
}

}  // namespace ui
