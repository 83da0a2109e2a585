#pragma once

// Private to ui/: how screen readers see the program's labels.

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

namespace ui {

// A label is called by what it is (its French name) and what it shows (its
// caption), "7 fois 8, 56", and read through its text, the caption; buttons are pressed without keeping the reader waiting.
QAccessibleInterface* accessible_control(const QString& class_name, QObject* object);

// A label's caption has changed, and with it the name a reader calls it by.
void caption_shown(QWidget& label);

// The focus is in the control: a reader says where it is.
void focus_shown(QWidget& control);

// The control's description is worth saying again where the focus is.
void description_shown(QWidget& control);

}  // namespace ui
