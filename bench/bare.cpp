#include "bench/bare.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <map>

namespace {

BareWidget::Kind kind_of(const QWidget& widget)
{
    if (qobject_cast<const QMenu*>(&widget)) return BareWidget::menu;
    if (qobject_cast<const QMenuBar*>(&widget)) return BareWidget::menu_bar;
    if (qobject_cast<const QLineEdit*>(&widget)) return BareWidget::text_box;
    if (qobject_cast<const QPushButton*>(&widget)) return BareWidget::push_button;
    if (qobject_cast<const QToolButton*>(&widget)) return BareWidget::tool_button;
    if (qobject_cast<const QGroupBox*>(&widget)) return BareWidget::group_box;
    if (qobject_cast<const QLabel*>(&widget)) return BareWidget::label;
    return BareWidget::plain;
}

QString text_of(const QWidget& widget)
{
    if (auto* w = qobject_cast<const QLineEdit*>(&widget)) return w->text();
    if (auto* w = qobject_cast<const QAbstractButton*>(&widget)) return w->text();
    if (auto* w = qobject_cast<const QGroupBox*>(&widget)) return w->title();
    if (auto* w = qobject_cast<const QLabel*>(&widget)) return w->text();
    if (auto* w = qobject_cast<const QMenu*>(&widget)) return w->title();
    return {};
}

// Widgets that Qt makes inside its own (a menu bar's overflow button) come
// with their bare twin too; only containers and menus are walked into.
bool walked_into(BareWidget::Kind kind)
{
    return kind == BareWidget::plain || kind == BareWidget::group_box || kind == BareWidget::menu_bar ||
           kind == BareWidget::menu;
}

struct Walk {
    BareWindow design;
    std::map<const QWidget*, int> index;

    void add(const QWidget& widget, int parent)
    {
        BareWidget bare{.kind = kind_of(widget), .parent = parent, .geometry = widget.geometry(),
                        .hidden = widget.isHidden(), .text = text_of(widget)};
        if (widget.testAttribute(Qt::WA_SetFont)) bare.font = widget.font();
        const bool menu_or_bar = bare.kind == BareWidget::menu || bare.kind == BareWidget::menu_bar;
        const int self = static_cast<int>(design.widgets.size());
        index[&widget] = self;
        design.widgets.push_back(bare);
        if (!walked_into(bare.kind)) return;
        for (const QObject* child : widget.children())
            if (auto* w = qobject_cast<const QWidget*>(child)) {
                if (menu_or_bar && !qobject_cast<const QMenu*>(w)) continue;
                add(*w, self);
            }
    }

    // Once every menu has its index, the entries can name them.
    void list_entries(const QWidget& widget)
    {
        for (const QAction* action : widget.actions()) {
            const QMenu* submenu = action->menu();
            design.widgets[index.at(&widget)].entries.push_back(
                {action->text(), submenu ? index.at(submenu) : -1});
        }
    }
};

QWidget* make(BareWidget::Kind kind, QWidget* parent)
{
    switch (kind) {
    case BareWidget::label: return new QLabel(parent);
    case BareWidget::text_box: return new QLineEdit(parent);
    case BareWidget::push_button: return new QPushButton(parent);
    case BareWidget::tool_button: return new QToolButton(parent);
    case BareWidget::group_box: return new QGroupBox(parent);
    case BareWidget::menu_bar: return new QMenuBar(parent);
    case BareWidget::menu: return new QMenu(parent);
    case BareWidget::plain: break;
    }
    return new QWidget(parent);
}

void set_text(QWidget& widget, const QString& text)
{
    if (auto* w = qobject_cast<QLineEdit*>(&widget)) w->setText(text);
    else if (auto* w = qobject_cast<QAbstractButton*>(&widget)) w->setText(text);
    else if (auto* w = qobject_cast<QGroupBox*>(&widget)) w->setTitle(text);
    else if (auto* w = qobject_cast<QLabel*>(&widget)) w->setText(text);
    else if (auto* w = qobject_cast<QMenu*>(&widget)) w->setTitle(text);
}

}  // namespace

BareWindow describe(const QWidget& window)
{
    Walk walk;
    walk.design.size = window.size();
    for (const QObject* child : window.children())
        if (auto* w = qobject_cast<const QWidget*>(child)) walk.add(*w, -1);
    for (const auto& [widget, i] : walk.index) {
        const auto kind = walk.design.widgets[i].kind;
        if (kind == BareWidget::menu || kind == BareWidget::menu_bar) walk.list_entries(*widget);
    }
    return walk.design;
}

std::unique_ptr<QWidget> build(const BareWindow& design)
{
    auto window = std::make_unique<QWidget>();
    window->resize(design.size);
    std::vector<QWidget*> made;
    made.reserve(design.widgets.size());
    for (const BareWidget& bare : design.widgets) {
        QWidget* widget = make(bare.kind, bare.parent < 0 ? window.get() : made[bare.parent]);
        if (bare.font) widget->setFont(*bare.font);
        set_text(*widget, bare.text);
        if (bare.kind != BareWidget::menu) {
            widget->setGeometry(bare.geometry);
            if (bare.hidden) widget->hide();
        }
        made.push_back(widget);
    }
    for (std::size_t i = 0; i < design.widgets.size(); ++i)
        for (const BareWidget::Entry& entry : design.widgets[i].entries) {
            if (entry.submenu >= 0)
                made[i]->addAction(static_cast<QMenu*>(made[entry.submenu])->menuAction());
            else
                made[i]->addAction(entry.text);
        }
    return window;
}
