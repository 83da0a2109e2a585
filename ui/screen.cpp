#include "ui/screen.h"

#include <QPalette>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ui {

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

bool fixed(Color color)
{
    return !(static_cast<std::uint32_t>(color) & 0x80000000u);
}

QColor screen_color(Color color, const QPalette& palette, QPalette::ColorRole role)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if (!fixed(color)) {
        switch (bits & 0xFFu) {
        case 0x05: return palette.color(QPalette::Base);
        case 0x08: return palette.color(QPalette::Text);
        case 0x12: return palette.color(QPalette::ButtonText);
        default: return palette.color(role == QPalette::Button ? QPalette::Button : QPalette::Window);
        }
    }
    return QColor(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}

namespace {

double luminance(const QColor& colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

double contrast(const QColor& a, const QColor& b)
{
    const double one = luminance(a), other = luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

}  // namespace ui
