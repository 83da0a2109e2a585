#pragma once

// Qt key events in the program's terms: the 16-bit key code and shift mask
// that KeyUp hands over. Private to ui/.

#include <cstdint>

class QKeyEvent;

namespace ui {

// Seen first for every key event of the program, before any widget: a key
// released is the key that was pressed, whatever Num Lock did meanwhile.
void note_key_event(const QKeyEvent& event);

// The digit of a keypad key that Num Lock off turned into a move (End for
// 1, Down for 2...), -1 for any other key.
int keypad_digit_without_num_lock(const QKeyEvent& event);

std::int16_t key_code(const QKeyEvent& event);
std::int16_t shift_state(const QKeyEvent& event);

}  // namespace ui
