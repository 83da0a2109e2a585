#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

// A window of plain Qt widgets with the same kinds, places, texts, fonts and
// visibility as a window of the program: the baseline for opening it.
struct BareWidget {
    enum Kind { plain, label, text_box, push_button, tool_button, group_box, menu_bar, menu };
    Kind kind = plain;
    int parent = -1;  // index of the parent in the list; -1 the window itself
    QRect geometry;
    bool hidden = false;
    QString text;
    std::optional<QFont> font;  // set on the widget itself, not inherited
    // A menu bar or menu: its entries in order, each a text or a submenu (its index).
    struct Entry {
        QString text;
        int submenu = -1;
    };
    std::vector<Entry> entries;
};

struct BareWindow {
    QSize size;
    std::vector<BareWidget> widgets;  // parents before their children
};

BareWindow describe(const QWidget& window);
std::unique_ptr<QWidget> build(const BareWindow& design);  // not shown yet
