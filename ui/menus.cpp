#include "ui/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/errors.h"
#include "ui/faces.h"

namespace ui {

// Menu

Menu::Menu(MenuBarOwner& window, const Design& design)
    : window_(window), menu_(window.menu_bar()->addMenu(design.caption))
{
    connect_opening();
}

Menu::Menu(Menu& parent, const Design& design)
    : window_(parent.window_), menu_(parent.menu_->addMenu(design.caption))
{
    connect_opening();
}

Menu::~Menu()
{
    QObject::disconnect(menu_, nullptr, nullptr, nullptr);
}

void Menu::connect_opening()
{
    // A menu opens as a window of its own, which inherits no font.
    if (const QFont design = design_font({}); design != menu_->font()) menu_->setFont(design);
    QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] { dispatch(onClick); });
}

// Entry

MenuEntry::MenuEntry(Menu& parent, const Design& design)
    : action_(parent.menu_->addAction(design.caption)), name_(design.name)
{
    parent.window_.adopt(*this);
    setChecked(design.checked);
    setEnabled(design.enabled);
    QObject::connect(action_, &QAction::triggered, action_, [this] {
        // Choosing an entry does not tick it: only the handler does.
        action_->setChecked(checked_);
        // The handler runs once the menu has closed, so that a screen reader
        // that chose the entry is not kept waiting by a modal window it opens.
        QMetaObject::invokeMethod(
            action_,
            [this] {
                if (listening_) dispatch(onClick);
            },
            Qt::QueuedConnection);
    });
}

MenuEntry::~MenuEntry()
{
    QObject::disconnect(action_, nullptr, nullptr, nullptr);
}

void MenuEntry::setChecked(bool checked)
{
    checked_ = checked;
    if (checked) action_->setCheckable(true);
    action_->setChecked(checked);
}

void MenuEntry::setEnabled(bool enabled)
{
    action_->setEnabled(enabled);
}

}  // namespace ui
