#include "ui/style.h"

#include <qdrawutil.h>
#include <QFontInfo>
#include <QGroupBox>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/pictures.h"
#include "ui/screen.h"

namespace ui {

namespace {

// What stands out from its surroundings for the eye (WCAG's non-text contrast).
constexpr double visible_contrast = 3;

// Fusion's colour for the focus: the highlight, darkened.
QColor fusion_focus_colour(const QPalette& palette)
{
    QColor colour = palette.color(QPalette::Highlight).darker(125);
    if (colour.value() > 160) colour.setHsl(colour.hslHue(), colour.hslSaturation(), 160);
    return colour;
}

// Fusion's space between a frame's title and its border.
constexpr int title_gap = 3;
// Qt fills fewer spans than this on the painting thread; more, it hands them
// to a pool of threads that it starts for the purpose.
constexpr int spans_on_one_thread = 95;

// A region is stored as bands of rectangles side by side: the most in a band
// is the most spans a line of it needs.
int most_pieces_on_a_line(const QRegion& region)
{
    int most = 1, run = 0, top = 0;
    for (const QRect& rect : region) {
        run = run > 0 && rect.top() == top ? run + 1 : 1;
        top = rect.top();
        most = std::max(most, run);
    }
    return most;
}

}  // namespace

bool fusion_marks_focus_on(const QPalette& palette, const QColor& background)
{
    return contrast(fusion_focus_colour(palette), background) >= visible_contrast;
}

void draw_focus_ring(QWidget& control, const QColor& background, const QColor& text)
{
    const QColor fusion = fusion_focus_colour(control.palette());
    const QColor ring = contrast(fusion, background) >= visible_contrast ? fusion : text;
    // Two pixels of the design, thicker as the window and its text grow.
    const double width = std::max(2, int(std::lround(QFontInfo(control.font()).pixelSize() / 6.0)));
    QPainter painter(&control);
    painter.setPen(QPen(ring, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const double inset = width / 2;
    painter.drawRect(QRectF(control.rect()).adjusted(inset, inset, -inset, -inset));
}

Style::Style() : QProxyStyle(QStringLiteral("Fusion")), frame_picture_(read_raw(QStringLiteral(":/ui/fusion_groupbox.raw"))) {}

void Style::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const
{
    if (element != PE_FrameGroupBox || frame_picture_.isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // As Fusion places it: below the title, or near the top when there is none.
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool untitled = box && !box->isCheckable() && box->title().isEmpty();
    const int top = untitled ? title_gap
                             : std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                        option->fontMetrics.height()) + title_gap;
    // Stretched whole, each edge would be one fill of the frame's height: a
    // span a line, times the pieces the painted region cuts a line in. Drawn
    // in bands, clipped, that stay below the pool's threshold, the frame is
    // the same and the first paint starts no thread.
    const QRect frame = option->rect.adjusted(0, top, 0, 0);
    const int pieces = most_pieces_on_a_line(painter->paintEngine()->systemClip());
    const qreal lines_per_pixel = painter->device()->devicePixelRatio();
    const int band = std::max(1, int(spans_on_one_thread / pieces / lines_per_pixel));
    for (int y = frame.top(); y <= frame.bottom(); y += band) {
        painter->save();
        painter->setClipRect(QRect(frame.left(), y, frame.width(), band), Qt::IntersectClip);
        qDrawBorderPixmap(painter, frame, QMargins(6, 6, 6, 6), frame_picture_);
        painter->restore();
    }
}

}  // namespace ui
