#pragma once

// What a window's design fixes: the window itself and each of its controls.

#include <QString>
#include <optional>

#include "ui/colors.h"

namespace ui {

enum class Align { left, center, right };

struct Font {
    QString face;        // empty: the toolkit's default sans-serif face
    double points = 0;   // 0: the default size
    bool bold = false;
};

// One control. Positions and sizes are in twips (15 per pixel at 96 dpi)
// from the container's client corner.
struct Design {
    QString name;              // "txt_résultat(3)": used in run-time error messages
    QString caption;           // Caption of a label, button, frame or menu; Text of a text box
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    std::optional<Color> back_color;  // unset: the kind's usual system colour
    Align align = Align::left;
    Font font;
    QString accessible_name;   // short French name for screen readers
    QString tag;
    bool border = false;       // labels: fixed single border
    const char* picture = nullptr;  // buttons: SVG resource shown above the caption
    bool picture_style = false;  // buttons: the picture-button look, with or without picture
    bool checked = false;      // menu entries
    bool enabled = true;       // menu entries
    bool takes_focus = true;   // buttons: false keeps the focus off them
    bool cancel = false;       // buttons: Escape anywhere in the window clicks it
};

struct FormDesign {
    QString name;       // "Feuille_addition"
    QString caption;    // title bar
    int width = 0;      // client area, twips
    int height = 0;
    const char* icon = nullptr;  // resource of its icon, as picture() takes it
    bool key_preview = false;  // onKeyDown and onKeyUp see each key before the focused control
    bool dialog = false;       // a small window over the others: a question, a message, a result
};

}  // namespace ui
