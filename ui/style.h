#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace ui {

// The Fusion style, drawing a frame's border from Fusion's own picture, built
// into the program as raw pixels. Left to Qt, reading its PNG first asks every
// image plugin whether it can (loading them all, libjpeg with them) at the
// first paint of the first frame: a few percent of a start. Private to ui/.
class Style : public QProxyStyle {
public:
    Style();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    QPixmap frame_picture_;
};

// Marks the control that has the keyboard focus: a ring inside its edge, in
// the colour Fusion marks the focus with, or in the control's text colour
// where that would not stand out from `background` by 3:1.
void draw_focus_ring(QWidget& control, const QColor& background, const QColor& text);

// Whether Fusion's own mark of a focused box stands out from `background` by 3:1.
bool fusion_marks_focus_on(const QPalette& palette, const QColor& background);

}  // namespace ui
