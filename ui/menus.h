#pragma once

#include <QString>
#include <functional>

#include "ui/design.h"

class QAction;
class QMenu;
class QMenuBar;

namespace ui {

class MenuEntry;

// A window with a menu bar, as its menus see it.
class MenuBarOwner {
public:
    virtual QMenuBar* menu_bar() = 0;
    // An entry has been made in one of its menus; they come in design order.
    virtual void adopt(MenuEntry& entry) = 0;

protected:
    ~MenuBarOwner() = default;
};

// A menu of the window's menu bar, or a submenu inside another menu.
// onClick runs when it opens, before its entries are shown.
class Menu {
public:
    Menu(MenuBarOwner& window, const Design& design);
    Menu(Menu& parent, const Design& design);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu();

    std::function<void()> onClick;

protected:
    // For ui/'s own tools, which derive from Menu to reach any menu (the tests).
    static QMenu& menu_of(const Menu& menu) { return *menu.menu_; }

private:
    friend class MenuEntry;  // an entry puts itself in its menu
    void connect_opening();

    MenuBarOwner& window_;
    QMenu* menu_;
};

class MenuEntry {
public:
    MenuEntry(Menu& parent, const Design& design);
    MenuEntry(const MenuEntry&) = delete;
    MenuEntry& operator=(const MenuEntry&) = delete;
    ~MenuEntry();

    const QString& name() const { return name_; }
    bool Checked() const { return checked_; }
    void setChecked(bool checked);
    void setEnabled(bool enabled);
    // Chosen from now on, it does nothing: the window is being discarded.
    void stop_listening() { listening_ = false; }

    std::function<void()> onClick;

protected:
    // For ui/'s own tools, which derive from MenuEntry to reach any entry (the tests).
    static QAction& action_of(const MenuEntry& entry) { return *entry.action_; }

private:
    QAction* action_;
    bool checked_ = false;
    bool listening_ = true;
    QString name_;
};

}  // namespace ui
