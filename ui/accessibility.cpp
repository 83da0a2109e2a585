#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <algorithm>

#include "ui/widgets.h"

namespace ui {

namespace {

// A label of the program; in a panel read as a table, one of its cells, a
// header in the first row or column. Whether it is a cell is asked each
// time: the panel is told its cells after they are made.
class AccessibleLabel : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleTableCellInterface {
public:
    explicit AccessibleLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::TableCellInterface && table_frame())
            return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::Role role() const override
    {
        if (!table_frame()) return QAccessible::StaticText;
        if (rowIndex() == 0) return QAccessible::ColumnHeader;
        if (columnIndex() == 0) return QAccessible::RowHeader;
        return QAccessible::Cell;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        QStringList name{widget()->accessibleName(), caption()};
        name.removeAll(QString());
        return name.join(QStringLiteral(", "));
    }

    // The box it names, as Qt links a label to its buddy.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        QWidget* buddy = static_cast<QLabel*>(widget())->buddy();
        if (buddy && (match & QAccessible::Labelled))
            related.append({QAccessible::queryAccessibleInterface(buddy), QAccessible::Labelled});
        return related;
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

    int rowIndex() const override { return cell_index() / table_frame()->columns; }
    int columnIndex() const override { return cell_index() % table_frame()->columns; }
    int rowExtent() const override { return 1; }
    int columnExtent() const override { return 1; }
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return header_at(0, columnIndex()); }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return header_at(rowIndex(), 0); }
    QAccessibleInterface* table() const override { return QAccessible::queryAccessibleInterface(table_frame()); }

private:
    QString caption() const { return static_cast<QLabel*>(widget())->text(); }

    FrameWidget* table_frame() const
    {
        auto* frame = dynamic_cast<FrameWidget*>(widget()->parentWidget());
        return frame && cell_index_in(*frame) >= 0 ? frame : nullptr;
    }
    int cell_index_in(const FrameWidget& frame) const
    {
        const auto cell = std::find(frame.cells.begin(), frame.cells.end(), widget());
        return cell == frame.cells.end() ? -1 : static_cast<int>(cell - frame.cells.begin());
    }
    int cell_index() const { return cell_index_in(*table_frame()); }
    QList<QAccessibleInterface*> header_at(int row, int column) const
    {
        if (row == rowIndex() && column == columnIndex()) return {};
        return {table()->tableInterface()->cellAt(row, column)};
    }
};

// A panel, or a table when it lays out a grid of labels.
class AccessibleFrame : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AccessibleFrame(FrameWidget* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface && is_table()) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::Role role() const override { return is_table() ? QAccessible::Table : QAccessible::Grouping; }

    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
        const auto index = static_cast<std::size_t>(row * columnCount() + column);
        return QAccessible::queryAccessibleInterface(frame()->cells[index]);
    }
    int columnCount() const override { return frame()->columns; }
    int rowCount() const override { return is_table() ? static_cast<int>(frame()->cells.size()) / columnCount() : 0; }
    QString columnDescription(int column) const override { return shown(cellAt(0, column)); }
    QString rowDescription(int row) const override { return shown(cellAt(row, 0)); }

    // Nothing in it is selectable.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    FrameWidget* frame() const { return static_cast<FrameWidget*>(widget()); }
    bool is_table() const { return frame()->columns > 0; }
    static QString shown(QAccessibleInterface* cell)
    {
        QAccessibleTextInterface* text = cell ? cell->textInterface() : nullptr;
        return text ? text->text(0, text->characterCount()) : QString();
    }
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
        // Nor does what a panel covers.
        if (dynamic_cast<Reporting&>(*button()).covered()) return;
        if (action == pressAction() && button()->isEnabled())
            QMetaObject::invokeMethod(button(), &QAbstractButton::click, Qt::QueuedConnection);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

}  // namespace

void caption_shown(QWidget& label)
{
    QAccessibleEvent event(&label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void focus_shown(QWidget& control)
{
    QAccessibleEvent event(&control, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void description_shown(QWidget& control)
{
    QAccessibleEvent event(&control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* accessible_control(const QString&, QObject* object)
{
    // A window of the program is a window to a reader, named by its caption.
    if (auto* window = dynamic_cast<WindowWidget*>(object)) return new QAccessibleWidget(window, QAccessible::Window);
    if (auto* frame = dynamic_cast<FrameWidget*>(object)) return new AccessibleFrame(frame);
    if (auto* label = dynamic_cast<LabelWidget*>(object)) return new AccessibleLabel(label);
    // The program's buttons, not those Qt puts inside its own widgets.
    if (dynamic_cast<Reporting*>(object))
        if (auto* button = qobject_cast<QAbstractButton*>(object)) return new AccessibleButton(button);
    return nullptr;
}

}  // namespace ui
