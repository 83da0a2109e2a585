#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "ui/colors.h"
#include "ui/design.h"
#include "ui/widget_events.h"

class QWidget;

namespace ui {

class FocusKeeper;
class Placement;
class Label;
class Reporting;

// A window or a frame, as the controls standing in it see it.
class Container {
public:
    // The widget the controls are drawn on.
    virtual QWidget* client() = 0;
    // Where the window places its controls, at the scale it shows its design.
    virtual Placement& placement() = 0;
    // Visible itself and inside visible containers (the window's own state aside).
    virtual bool shown_in_window() const = 0;
    // The window's one keeper of the focus, which its panels hand on.
    virtual FocusKeeper& focus_keeper() = 0;

protected:
    ~Container() = default;
};

// A control's widget, and the same widget as what reports to a control that listens.
struct ReportingWidget {
    QWidget* widget;
    Reporting* reporting;
};

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const QString& name() const { return name_; }

    // Stands in the same container and covers the whole of `below`.
    bool lies_over(const Control& below) const;

protected:
    Control(Container& parent, const Design& design, QWidget* widget);

    bool visible() const { return visible_; }
    void set_visible(bool visible);
    // Hidden for the program's reckoning, its widget still up.
    void hide_first_in_reckoning() { visible_ = false; }
    Color back_color() const { return back_color_; }
    void set_back_color(Color color);
    int left() const { return left_; }
    void set_left(int twips);
    int top() const { return top_; }
    void set_top(int twips);
    bool shown_in_window() const { return visible_ && parent_.shown_in_window(); }

    // For ui/'s own tools, which derive from Control to read any control (the
    // tests): its widget, and its colour as the program last wrote it.
    static QWidget& widget_of(const Control& control) { return *control.widget_; }
    static Color back_color_of(const Control& control) { return control.back_color_; }

    QWidget* const widget_;
    Container& parent_;

private:
    void place();

    QString name_;
    bool visible_;
    Color back_color_;
    int left_, top_, width_, height_;
};

// A control that can hold the keyboard focus: text boxes and buttons. It
// listens to its widget from its making until its window goes.
class Focusable : public Control, private WidgetEvents {
public:
    ~Focusable() override;

    // Gives the control the focus at once: LostFocus of the control that had
    // it, then GotFocus of this one. A hidden control leaves the focus where it is.
    void setFocus();
    bool can_take_focus() const;
    // Under a shown panel made after it: what the pupil cannot see takes no
    // focus, from Tab either, and no press from a screen reader. One that
    // has the focus already keeps it.
    bool covered() const { return covered_; }
    // Tab goes from `previous` to this control.
    void follow_in_tab_order(Focusable& previous);
    // Its widget reports nothing more: the window is being discarded.
    void stop_listening();

    // What a screen reader says after the control's name when the focus
    // lands on it: the captions of the labels that describe it, its own
    // words ("juste"), then what its window announces there.
    void describedBy(Label& label);
    void setDescription(const QString& words);

    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

protected:
    Focusable(Container& parent, const Design& design, ReportingWidget widget);

    // A pupil's event on the control: it reaches the handler after the focus
    // that came before it.
    void run_handler(const std::function<void()>& handler);

private:
    friend class FocusKeeper;
    friend class Label;
    void focus_in(bool with_window) override;
    void take_keyboard_focus();
    void set_announcement(const QString& words);
    void show_focus_again();
    void describe();
    void set_covered(bool covered);

    FocusKeeper& focus_keeper_;
    Reporting& reporting_;
    bool covered_ = false;
    int uncovered_policy_ = 0;  // its Qt::FocusPolicy while uncovered
    std::vector<const Label*> describing_;
    QString words_, announcement_;
    bool given_behind_ = false;  // given the focus while its window was not in front
};

class Label : public Control {
public:
    Label(Container& parent, const Design& design);

    QString Caption() const;
    void setCaption(const QString& caption);
    void setVisible(bool visible) { set_visible(visible); }
    void setBackColor(Color color) { set_back_color(color); }
    int Left() const { return left(); }
    void setLeft(int twips) { set_left(twips); }

    // The label names the control beside it (a dialog's box): a screen
    // reader calls the control by the caption and links the two.
    void labels(Focusable& control);

private:
    friend class Focusable;
    std::vector<Focusable*> described_;
};

class TextBox : public Focusable {
public:
    TextBox(Container& parent, const Design& design);

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
    std::int16_t character_typed(std::int16_t character) override;
    void key_up(std::int16_t code, std::int16_t shift) override;

    QString tag_;
};

class Button : public Focusable {
public:
    Button(Container& parent, const Design& design);

    QString Caption() const;
    void setCaption(const QString& caption);
    void setVisible(bool visible) { set_visible(visible); }

    std::function<void()> onClick;

private:
    void clicked() override;
};

// A panel: hiding it hides every control inside it.
class Frame : public Control, public Container {
public:
    Frame(Container& parent, const Design& design);

    void setVisible(bool visible);
    bool shown_in_window() const override { return Control::shown_in_window(); }

    // Its labels, row after row, read as a table's cells by screen readers.
    template <class Cells>
    void readAsTable(Cells& cells, int columns)
    {
        std::vector<const Control*> row_after_row;
        for (auto i : cells.indices()) row_after_row.push_back(&cells(i));
        read_as_table(row_after_row, columns);
    }

private:
    void read_as_table(const std::vector<const Control*>& cells, int columns);
    QWidget* client() override { return widget_; }
    Placement& placement() override { return parent_.placement(); }
    FocusKeeper& focus_keeper() override { return parent_.focus_keeper(); }
};

// A straight line from (X1, Y1) to (X2, Y2), drawn over its container.
class Line : public Control {
public:
    struct Ends {
        int x1, y1, x2, y2;
    };
    Line(Container& parent, const Ends& ends, bool visible = true, const QString& name = {});

    void setX1(int twips);
    void setY1(int twips);
    void setY2(int twips);
    void setVisible(bool visible) { set_visible(visible); }

    Ends ends() const { return ends_; }

private:
    void redraw();
    Ends ends_;
};

}  // namespace ui
