#pragma once

// Private to ui/: how screen readers see the program's labels.

class QAccessibleInterface;
class QObject;
class QString;

namespace ui {

// Labels are found by their French name and read through their text, the
// caption they show; buttons are pressed without keeping the reader waiting.
QAccessibleInterface* accessible_control(const QString& class_name, QObject* object);

}  // namespace ui
