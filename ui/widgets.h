#pragma once

// The Qt widgets behind the controls. Private to ui/: nothing above it
// includes this file.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <cstdint>

#include "ui/colors.h"

class QKeyEvent;
class QVBoxLayout;
class QMenuBar;

namespace ui {

class Control;
class Focusable;
class Form;
class TextBox;

// Twips to device-independent pixels (15 twips a pixel at 96 dpi).
int pixels(int twips);

QColor screen_color(Color color, const QPalette& palette);

// Seen first for every key event of the program (before any widget).
void note_key_event(const QKeyEvent& event);
// Key code and shift mask of a key event, as KeyUp hands them over.
std::int16_t key_code(const QKeyEvent& event);
std::int16_t shift_state(const QKeyEvent& event);

// Every control widget knows its control until the control is destroyed.
class OwnedWidget {
public:
    virtual ~OwnedWidget() = default;
    Control* owner = nullptr;
};

Control* live_owner(const OwnedWidget& widget);

// Hands a focus arrival to the control's window, as a program-level move.
void report_focus(OwnedWidget& widget);

class FormWidget : public QWidget {
public:
    FormWidget(Form& form, QSize client_size);
    Form* form() const { return form_; }
    void forget_form() { form_ = nullptr; }
    QWidget* client() const { return client_; }
    QMenuBar* menu_bar();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Form* form_;
    QWidget* client_;
    QVBoxLayout* layout_;
    QMenuBar* menu_bar_ = nullptr;
};

class LabelWidget : public QLabel, public OwnedWidget {
public:
    explicit LabelWidget(QWidget* parent) : QLabel(parent) {}
};

class TextBoxWidget : public QLineEdit, public OwnedWidget {
public:
    explicit TextBoxWidget(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TextBox* text_box() const;
};

template <class Base>
class ButtonWidget : public Base, public OwnedWidget {
public:
    explicit ButtonWidget(QWidget* parent) : Base(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override
    {
        Base::focusInEvent(event);
        report_focus(*this);
    }
};

class FrameWidget : public QGroupBox, public OwnedWidget {
public:
    explicit FrameWidget(QWidget* parent) : QGroupBox(parent) {}
};

class LineWidget : public QWidget, public OwnedWidget {
public:
    explicit LineWidget(QWidget* parent);
    void set_ends(QPoint from, QPoint to);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
};

}  // namespace ui
