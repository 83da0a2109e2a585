#pragma once

#include <cstdint>

namespace ui {

// A colour as the program stores it: &H00BBGGRR& for an explicit colour, or
// the top bit set and a system colour number in the low byte. It reads back
// exactly as written, so the logic can compare it with these constants.
using Color = std::int32_t;

inline constexpr Color green = 0x0000FF00;
inline constexpr Color red = 0x000000FF;
inline constexpr Color yellow = 0x0000FFFF;
inline constexpr Color light_yellow = 0x0080FFFF;
inline constexpr Color white = 0x00FFFFFF;
inline constexpr Color system_window_background = static_cast<Color>(0x80000005u);
inline constexpr Color system_button_face = static_cast<Color>(0x8000000Fu);

}  // namespace ui
