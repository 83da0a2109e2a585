#pragma once

// The Qt widgets that show the program's windows and controls. They know
// nothing of either: each reports what happened to the one WidgetEvents that
// listens to it. Private to ui/.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <vector>

#include "ui/widget_events.h"

class QAbstractButton;
class QKeyEvent;
class QMenuBar;
class QVBoxLayout;

namespace ui {
class Placement;
}

namespace ui {

// A widget that reports: to nobody until a control or window listens, and to
// nobody again once it stops listening.
class Reporting {
public:
    void report_to(WidgetEvents* listener) { listener_ = listener; }
    // Hidden under a panel: a screen reader cannot press it either.
    void set_covered(bool covered) { covered_ = covered; }
    bool covered() const { return covered_; }

protected:
    WidgetEvents* listener_ = nullptr;

private:
    bool covered_ = false;
};

// The program's application object. It sees every key event once, at the
// widget it is sent to, before that widget does: notes which physical key
// typed what, and shows the key to its window first. Not an event filter,
// which sees a key again at each parent it climbs to, and cannot tell that
// climb from a new key once a handler has taken the keyboard away (a modal
// window opened and closed, the window manager not yet giving it back).
class KeyWatchingApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

// A window that shows its design at its design size, or larger as the window
// grows, with a menu bar once a menu asks for one.
class WindowWidget : public QWidget, public Reporting {
public:
    // `design`: the client area's size in twips. A dialog, in a page, keeps
    // a size of its own and a title bar where the other windows fill the page.
    WindowWidget(QSize design, bool dialog);
    ~WindowWidget() override;
    QWidget* client() const;
    Placement& placement();
    // Shows the design at `scale` (its own size at 1) if the window fits in
    // `room`, the screen's work area less the window's frame, else as large as it fits.
    void fit_within(QSize room, double scale = 1);
    QMenuBar* menu_bar();
    // A key event on its way to a widget of this window: the window hears it first.
    void preview_key(const QKeyEvent& event);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Client;
    Client* client_;
    QVBoxLayout* layout_;
    QMenuBar* menu_bar_ = nullptr;
};

// A label of the program, as screen readers are told about it.
class LabelWidget : public QLabel {
public:
    using QLabel::QLabel;
};

// A panel; one that lays out a grid of labels reads as a table.
class FrameWidget : public QGroupBox {
public:
    using QGroupBox::QGroupBox;
    std::vector<QWidget*> cells;  // row after row
    int columns = 0;
};

// One line that takes only what its listener lets through.
class TextBoxWidget : public QLineEdit, public Reporting {
public:
    explicit TextBoxWidget(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A push button, plain (QPushButton) or with a picture above its caption (QToolButton).
template <class Base>
class ButtonWidget : public Base, public Reporting {
public:
    explicit ButtonWidget(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// Escape anywhere in the button's window clicks it.
void click_on_escape(QAbstractButton& button);

// A horizontal or vertical rule drawn over its container: the widget is its
// stroke, filled whole, so that it shows at any scale. It never hides
// anything from the mouse.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
