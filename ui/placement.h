#pragma once

// Where each widget of a window stands in its design, and how large the
// window shows that design: the whole design grows with the window, its
// shape kept and the spare space shared evenly around it. Private to ui/.

#include <QFont>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace ui {

class Placement {
public:
    // `client` is the window's own surface; `design` its size in twips.
    Placement(QWidget& client, QSize design);

    // The design's size in pixels, at scale 1, with the room beside it.
    QSize design_size() const;
    // The design's own size, in twips.
    QSize design_twips() const { return design_; }
    // Room at the design's right for what is not part of it (the digit pad), in twips.
    void set_room_beside(int twips) { beside_ = twips; }
    // The least the design is shown at: its own size, or less on a screen too
    // small for it. The design fits into no smaller a client.
    void set_smallest_scale(double scale) { smallest_ = scale; }
    QSize smallest_size() const;
    // Puts `widget` at `twips` (from its parent's corner), now and whenever the
    // scale changes. Its font and picture size are taken as the design's.
    void place(QWidget& widget, const QRect& twips);
    // Fits the design into a client of this size; the scale never drops below the smallest.
    void fit(QSize client_size);
    double scale() const { return scale_; }

private:
    struct Entry {
        QWidget* widget;
        QRect twips;
        QFont font;          // the design's own font, when it sets a size
        bool own_size = false;
        QSize icon;          // the design's picture size, when it has one
    };
    void apply_geometry(const Entry& entry) const;
    void apply_scale(const Entry& entry) const;

    QWidget& client_;
    QSize shown_twips() const { return design_ + QSize(beside_, 0); }

    QSize design_;
    int beside_ = 0;
    double scale_ = 1;
    double smallest_ = 1;
    QPoint origin_;
    std::vector<Entry> entries_;
    QHash<const QWidget*, std::size_t> index_;
};

}  // namespace ui
