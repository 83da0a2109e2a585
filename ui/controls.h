#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/colors.h"
#include "ui/errors.h"

class QWidget;
class QAction;
class QMenu;

namespace ui {

class Form;
class Control;
class Focusable;
class Menu;
class MenuEntry;
QMenu* menu_of(const Menu& menu);
QAction* action_of(const MenuEntry& entry);

enum class Align { left, center, right };

struct Font {
    QString face;        // empty: the toolkit's default sans-serif face
    double points = 0;   // 0: the default size
    bool bold = false;
};

// What a window's design fixes for one control. Positions and sizes are in
// twips (15 per pixel at 96 dpi) from the container's client corner.
struct Design {
    QString name;              // "txt_résultat(3)": used in run-time error messages
    QString caption;           // Caption of a label, button, frame or menu; Text of a text box
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    std::optional<Color> back_color;  // unset: the kind's usual system colour
    Align align = Align::left;
    Font font;
    QString accessible_name;   // short French name for screen readers
    QString tag;
    bool border = false;       // labels: fixed single border
    const char* const* picture = nullptr;  // buttons: XPM shown above the caption
    bool picture_style = false;  // buttons: the picture-button look, with or without picture
    bool checked = false;      // menu entries
    bool enabled = true;       // menu entries
    bool takes_focus = true;   // buttons: false keeps the focus off them
};

// A window or a frame: something controls stand in.
class Container {
public:
    virtual ~Container() = default;
    virtual Form& form() = 0;
    virtual QWidget* client() = 0;
    // Visible itself and inside visible containers (the window's own state aside).
    virtual bool shown_in_window() const = 0;
};

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    const QString& name() const { return name_; }
    Form& form() const { return parent_.form(); }

protected:
    Control(Container& parent, const Design& design, QWidget* widget);

    bool visible() const { return visible_; }
    void set_visible(bool visible);
    Color back_color() const { return back_color_; }
    void set_back_color(Color color);
    int left() const { return left_; }
    void set_left(int twips);
    int top() const { return top_; }
    void set_top(int twips);
    bool shown_in_window() const;
    void place();

    QWidget* widget_;
    Container& parent_;

private:
    friend QWidget* widget_of(const Control&);
    friend bool visible_of(const Control&);
    friend Color back_color_of(const Control&);

    QString name_;
    bool visible_;
    Color back_color_;
    int left_, top_, width_, height_;
};

// A control that can hold the keyboard focus: text boxes and buttons.
class Focusable : public Control {
public:
    // Gives the control the focus at once: LostFocus of the control that had
    // it, then GotFocus of this one. A hidden control leaves the focus where it is.
    void setFocus();
    bool can_take_focus() const;

    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

protected:
    using Control::Control;

private:
    friend class Form;
    friend class FocusEvents;
};

class Label : public Control {
public:
    Label(Container& parent, const Design& design);
    ~Label() override;

    QString Caption() const;
    void setCaption(const QString& caption);
    void setVisible(bool visible) { set_visible(visible); }
    void setBackColor(Color color) { set_back_color(color); }
    int Left() const { return left(); }
    void setLeft(int twips) { set_left(twips); }
};

class TextBox : public Focusable {
public:
    TextBox(Container& parent, const Design& design);
    ~TextBox() override;

    QString Text() const;
    void setText(const QString& text);
    bool Visible() const { return visible(); }
    void setVisible(bool visible) { set_visible(visible); }
    Color BackColor() const { return back_color(); }
    void setBackColor(Color color) { set_back_color(color); }
    int Top() const { return top(); }
    void setTop(int twips) { set_top(twips); }
    int Left() const { return left(); }
    const QString& Tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // The handler may set KeyAscii to 0: the character then does not enter the box.
    std::function<void(std::int16_t& KeyAscii)> onKeyPress;
    std::function<void(std::int16_t KeyCode, std::int16_t Shift)> onKeyUp;

private:
    QString tag_;
};

class Button : public Focusable {
public:
    Button(Container& parent, const Design& design);
    ~Button() override;

    QString Caption() const;
    void setCaption(const QString& caption);
    void setVisible(bool visible) { set_visible(visible); }

    std::function<void()> onClick;
};

class Frame : public Control, public Container {
public:
    Frame(Container& parent, const Design& design);
    ~Frame() override;

    void setVisible(bool visible) { set_visible(visible); }

    Form& form() override { return parent_.form(); }
    QWidget* client() override { return widget_; }
    bool shown_in_window() const override;
};

// A straight line from (X1, Y1) to (X2, Y2), drawn over its container.
class Line : public Control {
public:
    struct Ends {
        int x1, y1, x2, y2;
    };
    Line(Container& parent, const Ends& ends, bool visible = true, const QString& name = {});
    ~Line() override;

    void setX1(int twips);
    void setY1(int twips);
    void setY2(int twips);
    void setVisible(bool visible) { set_visible(visible); }

    Ends ends() const { return ends_; }

private:
    void redraw();
    Ends ends_;
};

// A menu of the window's menu bar, or a submenu inside another menu.
// onClick runs when it opens, before its entries are shown.
class Menu {
public:
    Menu(Form& window, const Design& design);
    Menu(Menu& parent, const Design& design);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu();

    std::function<void()> onClick;

    Form& form() const { return form_; }

private:
    friend QMenu* menu_of(const Menu&);
    void connect_opening();
    Form& form_;
    QMenu* menu_;
    QString name_;
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

    std::function<void()> onClick;

private:
    friend QAction* action_of(const MenuEntry&);
    Form& form_;
    QAction* action_;
    bool checked_;
    QString name_;
};

// Indices from..to inclusive, for control array designs.
std::vector<int> indices(int from, int to);

// Controls sharing one name, each with the 16-bit Index fixed by the design.
// Indices may be sparse; addressing one without element is a run-time error.
template <class C>
class ControlArray {
public:
    template <class Parent>
    ControlArray(Parent& parent, const std::vector<int>& design_indices,
                 const std::function<Design(std::int16_t)>& design)
    {
        for (int index : design_indices) {
            const auto i = static_cast<std::int16_t>(index);
            if (index < 0 || index > INT16_MAX) throw std::logic_error("design index out of 16-bit range");
            if (index >= static_cast<int>(elements_.size())) elements_.resize(index + 1);
            elements_[index] = std::make_unique<C>(parent, design(i));
            indices_.push_back(i);
        }
    }

    C& operator()(int index) const
    {
        if (index < 0 || index >= static_cast<int>(elements_.size()) || !elements_[index])
            raise_error("index de tableau de contrôles sans élément : " + std::to_string(index));
        return *elements_[index];
    }

    bool contains(int index) const
    {
        return index >= 0 && index < static_cast<int>(elements_.size()) && elements_[index];
    }
    const std::vector<std::int16_t>& indices() const { return indices_; }

    void onClick(const std::function<void(std::int16_t Index)>& handler)
    {
        for (auto i : indices_) (*this)(i).onClick = [handler, i] { handler(i); };
    }
    void onKeyPress(const std::function<void(std::int16_t Index, std::int16_t& KeyAscii)>& handler)
    {
        for (auto i : indices_)
            (*this)(i).onKeyPress = [handler, i](std::int16_t& KeyAscii) { handler(i, KeyAscii); };
    }
    void onKeyUp(const std::function<void(std::int16_t Index, std::int16_t KeyCode, std::int16_t Shift)>& handler)
    {
        for (auto i : indices_)
            (*this)(i).onKeyUp = [handler, i](std::int16_t KeyCode, std::int16_t Shift) {
                handler(i, KeyCode, Shift);
            };
    }
    void onGotFocus(const std::function<void(std::int16_t Index)>& handler)
    {
        for (auto i : indices_) (*this)(i).onGotFocus = [handler, i] { handler(i); };
    }
    void onLostFocus(const std::function<void(std::int16_t Index)>& handler)
    {
        for (auto i : indices_) (*this)(i).onLostFocus = [handler, i] { handler(i); };
    }

private:
    std::vector<std::unique_ptr<C>> elements_;
    std::vector<std::int16_t> indices_;
};

}  // namespace ui
