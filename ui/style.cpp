#include "ui/style.h"

#include <qdrawutil.h>
#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "ui/pictures.h"

namespace ui {

namespace {

// Fusion's space between a frame's title and its border.
constexpr int title_gap = 3;

}  // namespace

Style::Style() : QProxyStyle(QStringLiteral("Fusion")), frame_picture_(read_png(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"))) {}

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
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                      frame_picture_);
}

}  // namespace ui
