#pragma once

#include <cstdint>

namespace ui {

// Key codes of KeyUp, as the logic tests them (the main-row digits, 48 to
// 57, are tested by none).
inline constexpr std::int16_t key_numpad0 = 96;  // 96..105: keypad digits 0..9
inline constexpr std::int16_t key_numpad9 = 105;
inline constexpr std::int16_t key_M = 77;

// Shift state of KeyUp, a mask (1 is Shift, which no handler tests).
inline constexpr std::int16_t ctrl_mask = 2;
inline constexpr std::int16_t alt_mask = 4;

// KeyPress rule of every digit box: only "0" to "9" pass; any other
// character (Backspace, Enter, Escape included) is dropped by setting it to 0.
void filtre_chiffre(std::int16_t& KeyAscii);

// KeyUp rule: true for a digit key of the numeric keypad.
bool touche_pave_chiffre(std::int16_t KeyCode);

}  // namespace ui
