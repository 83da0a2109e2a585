#include "ui/screen.h"

#include <QPalette>
#include <cmath>
#include <cstdint>

namespace ui {

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

QColor screen_color(Color color, const QPalette& palette)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if (bits & 0x80000000u) {
        switch (bits & 0xFFu) {
        case 0x05: return palette.color(QPalette::Base);
        case 0x08: return palette.color(QPalette::Text);
        case 0x12: return palette.color(QPalette::ButtonText);
        default: return palette.color(QPalette::Button);
        }
    }
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

}  // namespace ui
