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

}  // namespace ui
