#include "ui/controls.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "ui/accessibility.h"
#include "ui/errors.h"
#include "ui/faces.h"
#include "ui/focus_keeper.h"
#include "ui/pictures.h"
#include "ui/placement.h"
#include "ui/screen.h"
#include "ui/widgets.h"

namespace ui {

namespace {

// Long enough for a screen reader to have read one focus event before the next.
constexpr int focus_heard_after = 250;  // ms

void apply_font(QWidget& widget, const Font& font)
{
    // Setting the font a widget already inherits costs a round of change
    // events for nothing; a container's font never changes after its controls
    // are made, so inheriting it is the same.
    const QFont shown = design_font(font);
    if (shown != widget.font()) widget.setFont(shown);
}

// What the pupil sees of a colour role: controls are never disabled, so
// only the active and inactive colours count.
bool shows(const QWidget& widget, QPalette::ColorRole role, const QColor& colour)
{
    const QPalette& palette = widget.palette();
    return palette.color(QPalette::Active, role) == colour && palette.color(QPalette::Inactive, role) == colour;
}

Qt::Alignment alignment(Align align)
{
    switch (align) {
    case Align::center: return Qt::AlignCenter;
    case Align::right: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

template <class W>
W* made(Container& parent, const Design& design)
{
    auto* widget = new W(parent.client());
    apply_font(*widget, design.font);
    widget->setAccessibleName(design.accessible_name.isEmpty() ? design.caption : design.accessible_name);
    return widget;
}

template <class W>
ReportingWidget reporting(W* widget)
{
    return {widget, widget};
}

template <class W>
ReportingWidget captioned(W* button, const Design& design)
{
    button->setText(design.caption);
    button->setFocusPolicy(design.takes_focus ? Qt::StrongFocus : Qt::NoFocus);
    return reporting(button);
}

ReportingWidget made_button(Container& parent, const Design& unfaced)
{
    // Captions take the narrower face that stands for the designs' own, so
    // that they keep some air inside their buttons at every scale.
    Design design = unfaced;
    if (design.font.face.isEmpty()) design.font.face = QStringLiteral("MS Sans Serif");
    if (design.picture_style) {
        auto* tool = made<ButtonWidget<QToolButton>>(parent, design);
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        if (design.picture) {
            tool->setIcon(picture(design.picture));
            tool->setIconSize(QSize(32, 32));
        }
        return captioned(tool, design);
    }
    auto* push = made<ButtonWidget<QPushButton>>(parent, design);
    push->setAutoDefault(false);
    push->setDefault(false);
    return captioned(push, design);
}

Design with_box_colour(const Design& design)
{
    Design box = design;
    if (!box.back_color) box.back_color = system_window_background;
    return box;
}

}  // namespace

// Control

Control::Control(Container& parent, const Design& design, QWidget* widget)
    : widget_(widget),
      parent_(parent),
      name_(design.name),
      visible_(design.visible),
      back_color_(design.back_color.value_or(system_button_face)),
      left_(design.left),
      top_(design.top),
      width_(design.width),
      height_(design.height)
{
    place();
    widget_->setVisible(visible_);
}

void Control::place()
{
    parent_.placement().place(*widget_, QRect(left_, top_, width_, height_));
}

void Control::set_visible(bool visible)
{
    visible_ = visible;
    widget_->setVisible(visible);
}

void Control::set_back_color(Color color)
{
    back_color_ = color;
    const QPalette& system = QApplication::palette();
    const QPalette::ColorRole role = widget_->backgroundRole();
    const QColor back = screen_color(color, system, role);
    // Text on a background the design fixes is the design's dark; on one of
    // the system's, the system's own text colour, light on a dark desktop.
    const auto text = [&](QPalette::ColorRole which) { return fixed(color) ? design_text : system.color(which); };
    const std::array<std::pair<QPalette::ColorRole, QColor>, 5> colours{
        {{role, back},
         {role == QPalette::Base ? role : QPalette::Window, back},
         {QPalette::WindowText, text(QPalette::WindowText)},
         {QPalette::Text, text(QPalette::Text)},
         {QPalette::ButtonText, text(QPalette::ButtonText)}}};
    // Most controls keep the colours they inherit: no palette of their own
    // then, which spares every window a palette change per control.
    if (std::all_of(colours.begin(), colours.end(),
                    [this](const auto& colour) { return shows(*widget_, colour.first, colour.second); }))
        return;
    QPalette palette = widget_->palette();
    for (const auto& [which, colour] : colours) palette.setColor(which, colour);
    widget_->setPalette(palette);
}

void Control::set_left(int twips)
{
    left_ = twips;
    place();
    parent_.focus_keeper().cover_changed();
}

void Control::set_top(int twips)
{
    top_ = twips;
    place();
    parent_.focus_keeper().cover_changed();
}

bool Control::lies_over(const Control& below) const
{
    return &parent_ == &below.parent_ && left_ <= below.left_ && top_ <= below.top_ &&
           below.left_ + below.width_ <= left_ + width_ && below.top_ + below.height_ <= top_ + height_;
}

// Focusable

Focusable::Focusable(Container& parent, const Design& design, ReportingWidget widget)
    : Control(parent, design, widget.widget), focus_keeper_(parent.focus_keeper()), reporting_(*widget.reporting)
{
    focus_keeper_.adopt(*this);
    reporting_.report_to(this);
}

Focusable::~Focusable()
{
    stop_listening();
}

void Focusable::setFocus()
{
    focus_keeper_.give(*this);
}

void Focusable::take_keyboard_focus()
{
    given_behind_ = !widget_->isActiveWindow();
    widget_->setFocus(Qt::OtherFocusReason);
}

bool Focusable::can_take_focus() const
{
    return shown_in_window() && widget_->isEnabled() && widget_->focusPolicy() != Qt::NoFocus;
}

void Focusable::set_covered(bool covered)
{
    if (covered == covered_) return;
    covered_ = covered;
    reporting_.set_covered(covered);
    // Only moves to it are refused: Qt leaves the focus where it is.
    if (covered) {
        uncovered_policy_ = widget_->focusPolicy();
        widget_->setFocusPolicy(Qt::NoFocus);
    } else {
        widget_->setFocusPolicy(static_cast<Qt::FocusPolicy>(uncovered_policy_));
    }
}

void Focusable::follow_in_tab_order(Focusable& previous)
{
    QWidget::setTabOrder(previous.widget_, widget_);
}

void Focusable::stop_listening()
{
    reporting_.report_to(nullptr);
}

void Focusable::focus_in(bool with_window)
{
    // Given back by a window coming to the front, the focus may reach the
    // control without the toolkit telling screen readers. Told twice of any
    // other move, a reader drops the first telling, and if the control's text
    // changes in between (a box emptied as it takes the focus) says nothing.
    if (with_window) focus_shown(*widget_);
    // Back in front, a reader may take what the set-up did to the control for
    // the focus arriving and say nothing: what it announces is said again.
    if (std::exchange(given_behind_, false) && !announcement_.isEmpty()) description_shown(*widget_);
    focus_keeper_.taken(*this);
}

void Focusable::run_handler(const std::function<void()>& handler)
{
    focus_keeper_.settle();
    dispatch(handler);
}

// A reader says a control only when the focus comes to it from elsewhere: it
// is told that the window, then the control, took the focus, as when the
// window comes back to the front. A window behind tells it when it does.
void Focusable::show_focus_again()
{
    if (!widget_->hasFocus()) return;
    focus_shown(*widget_->window());
    // A reader skips a focus event that a newer one follows before it has
    // read it: the control's comes once the window's has been heard.
    QTimer::singleShot(focus_heard_after, widget_, [widget = widget_] {
        if (widget->hasFocus()) focus_shown(*widget);
    });
}

void Focusable::describedBy(Label& label)
{
    describing_.push_back(&label);
    label.described_.push_back(this);
    describe();
}

void Focusable::setDescription(const QString& words)
{
    words_ = words;
    describe();
}

void Focusable::set_announcement(const QString& words)
{
    announcement_ = words;
    describe();
}

void Focusable::describe()
{
    QStringList parts;
    for (const Label* label : describing_) parts << label->Caption();
    parts << words_ << announcement_;
    parts.removeAll(QString());
    const QString description = parts.join(QLatin1Char(' '));
    if (description != widget_->accessibleDescription()) widget_->setAccessibleDescription(description);
}

// Label

Label::Label(Container& parent, const Design& design) : Control(parent, design, made<LabelWidget>(parent, design))
{
    auto* label = static_cast<QLabel*>(widget_);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment(design.align));
    if (design.border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Called by what it shows, unless the design says what it is.
    if (design.accessible_name.isEmpty()) label->setAccessibleName({});
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Window);
    set_back_color(back_color());
    setCaption(design.caption);
}

QString Label::Caption() const
{
    return static_cast<QLabel*>(widget_)->text();
}

void Label::setCaption(const QString& caption)
{
    static_cast<QLabel*>(widget_)->setText(caption);
    caption_shown(*widget_);
    for (Focusable* control : described_) control->describe();
}

void Label::labels(Focusable& control)
{
    QWidget& named = widget_of(control);
    named.setAccessibleName({});
    static_cast<QLabel*>(widget_)->setBuddy(&named);
}

// Text box

TextBox::TextBox(Container& parent, const Design& design)
    : Focusable(parent, with_box_colour(design), reporting(made<TextBoxWidget>(parent, design))), tag_(design.tag)
{
    auto* edit = static_cast<QLineEdit*>(widget_);
    edit->setAlignment(alignment(design.align));
    edit->setText(design.caption);
    edit->setAutoFillBackground(true);
    edit->setBackgroundRole(QPalette::Base);
    set_back_color(back_color());
}

QString TextBox::Text() const
{
    return static_cast<QLineEdit*>(widget_)->text();
}

void TextBox::setText(const QString& text)
{
    static_cast<QLineEdit*>(widget_)->setText(text);
}

std::int16_t TextBox::character_typed(std::int16_t character)
{
    // A handler stopped by a run-time error lets nothing in.
    std::int16_t let_in = 0;
    run_handler([&] {
        std::int16_t KeyAscii = character;
        if (onKeyPress) onKeyPress(KeyAscii);
        let_in = KeyAscii;
    });
    return let_in;
}

void TextBox::key_up(std::int16_t code, std::int16_t shift)
{
    run_handler([this, code, shift] {
        if (onKeyUp) onKeyUp(code, shift);
    });
}

// Button

Button::Button(Container& parent, const Design& design) : Focusable(parent, design, made_button(parent, design))
{
    if (design.cancel) click_on_escape(*static_cast<QAbstractButton*>(widget_));
}

QString Button::Caption() const
{
    return static_cast<QAbstractButton*>(widget_)->text();
}

void Button::setCaption(const QString& caption)
{
    static_cast<QAbstractButton*>(widget_)->setText(caption);
    widget_->setAccessibleName(caption);
}

void Button::clicked()
{
    run_handler([this] {
        if (onClick) onClick();
    });
}

// Frame

Frame::Frame(Container& parent, const Design& design) : Control(parent, design, made<FrameWidget>(parent, design))
{
    auto* frame = static_cast<QGroupBox*>(widget_);
    frame->setTitle(design.caption);
    // A frame is opaque: it covers whatever lies under it.
    frame->setAutoFillBackground(true);
    frame->setBackgroundRole(QPalette::Window);
    set_back_color(back_color());
    parent.focus_keeper().adopt(*this);
}

void Frame::setVisible(bool visible)
{
    // A panel hiding its focused control hands the focus on as it goes:
    // what lies beneath must take it by then.
    if (visible) {
        set_visible(true);
        parent_.focus_keeper().cover_changed();
    } else {
        hide_first_in_reckoning();
        parent_.focus_keeper().cover_changed();
        set_visible(false);
    }
}

void Frame::read_as_table(const std::vector<const Control*>& cells, int columns)
{
    auto* table = static_cast<FrameWidget*>(widget_);
    table->cells.clear();
    for (const Control* cell : cells) table->cells.push_back(&widget_of(*cell));
    table->columns = columns;
}

// Line

Line::Line(Container& parent, const Ends& ends, bool visible, const QString& name)
    : Control(parent, Design{.name = name, .visible = visible}, new LineWidget(parent.client())), ends_(ends)
{
    redraw();
}

void Line::redraw()
{
    // One pixel of the design thick, and as long as from end to end inclusive.
    const int x = std::min(ends_.x1, ends_.x2), y = std::min(ends_.y1, ends_.y2);
    const int one_pixel = 15;
    parent_.placement().place(*widget_, QRect(x, y, std::abs(ends_.x2 - ends_.x1) + one_pixel,
                                               std::abs(ends_.y2 - ends_.y1) + one_pixel));
}

void Line::setX1(int twips)
{
    ends_.x1 = twips;
    redraw();
}

void Line::setY1(int twips)
{
    ends_.y1 = twips;
    redraw();
}

void Line::setY2(int twips)
{
    ends_.y2 = twips;
    redraw();
}

}  // namespace ui
