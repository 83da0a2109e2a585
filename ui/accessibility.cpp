#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>

#include "ui/widgets.h"

namespace ui {

namespace {

class AccessibleLabel : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return caption();
        return QAccessibleWidget::text(kind);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return caption().mid(startOffset, endOffset < 0 ? -1 : endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(caption().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString caption() const { return static_cast<QLabel*>(widget())->text(); }
};

// Pressed from a screen reader, a button clicks once the reader has had its
// answer: a button that opens a modal window would otherwise keep the reader
// waiting until that window closes.
class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return button()->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        // A window under a modal one takes no input, from a reader either.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != button()->window()) return;
        if (action == pressAction() && button()->isEnabled())
            QMetaObject::invokeMethod(button(), &QAbstractButton::click, Qt::QueuedConnection);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

}  // namespace

QAccessibleInterface* accessible_control(const QString&, QObject* object)
{
    // A window of the program is a window to a reader, named by its caption.
    if (auto* window = dynamic_cast<WindowWidget*>(object)) return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* label = dynamic_cast<LabelWidget*>(object)) return new AccessibleLabel(label);
    // The program's buttons, not those Qt puts inside its own widgets.
    if (dynamic_cast<Reporting*>(object))
        if (auto* button = qobject_cast<QAbstractButton*>(object)) return new AccessibleButton(button);
    return nullptr;
}

}  // namespace ui
