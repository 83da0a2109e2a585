#include "ui/placement.h"

#include <QAbstractButton>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/faces.h"
#include "ui/screen.h"

namespace ui {

namespace {

int scaled(int twips, double scale)
{
    return static_cast<int>(std::lround(twips * scale / 15.0));
}

}  // namespace

Placement::Placement(QWidget& client, QSize design) : client_(client), design_(design) {}

QSize Placement::design_size() const
{
    return {pixels(shown_twips().width()), pixels(shown_twips().height())};
}

QSize Placement::smallest_size() const
{
    return {scaled(shown_twips().width(), smallest_), scaled(shown_twips().height(), smallest_)};
}

void Placement::place(QWidget& widget, const QRect& twips)
{
    if (const auto found = index_.constFind(&widget); found != index_.constEnd()) {
        Entry& entry = entries_[*found];
        entry.twips = twips;
        apply_geometry(entry);
        return;
    }
    Entry entry{&widget, twips};
    if (widget.testAttribute(Qt::WA_SetFont)) {
        entry.font = widget.font();
        entry.own_size = entry.font.resolveMask() & QFont::SizeResolved;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&widget); button && !button->icon().isNull())
        entry.icon = button->iconSize();
    index_.insert(&widget, entries_.size());
    entries_.push_back(entry);
    if (scale_ != 1) apply_scale(entry);
    apply_geometry(entry);
}

void Placement::fit(QSize client_size)
{
    const QSize design = design_size();
    const double scale = std::max(smallest_, std::min(double(client_size.width()) / design.width(),
                                                 double(client_size.height()) / design.height()));
    origin_ = QPoint((client_size.width() - scaled(shown_twips().width(), scale)) / 2,
                     (client_size.height() - scaled(shown_twips().height(), scale)) / 2);
    if (scale != scale_) {
        scale_ = scale;
        // Controls without a size of their own take the window's, which grows too.
        QFont base = design_font({});
        base.setPointSizeF(base.pointSizeF() * scale);
        client_.setFont(scale == 1 ? QFont() : base);
        for (const Entry& entry : entries_) apply_scale(entry);
    }
    for (const Entry& entry : entries_) apply_geometry(entry);
}

void Placement::apply_geometry(const Entry& entry) const
{
    // Frames place their own controls from their corner; only the window's
    // direct controls move with the design's corner.
    const QPoint corner = entry.widget->parentWidget() == &client_ ? origin_ : QPoint();
    const QRect& t = entry.twips;
    entry.widget->setGeometry(corner.x() + scaled(t.x(), scale_), corner.y() + scaled(t.y(), scale_),
                              scaled(t.width(), scale_), scaled(t.height(), scale_));
}

void Placement::apply_scale(const Entry& entry) const
{
    if (entry.own_size) {
        QFont font = entry.font;
        font.setPointSizeF(entry.font.pointSizeF() * scale_);
        entry.widget->setFont(font);
    }
    if (entry.icon.isValid())
        static_cast<QAbstractButton*>(entry.widget)->setIconSize(entry.icon * scale_);
}

}  // namespace ui
