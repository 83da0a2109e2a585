#include "ui/controls.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "ui/form.h"
#include "ui/widgets.h"

namespace ui {

namespace {

void apply_font(QWidget& widget, const Font& font)
{
    QFont qfont = widget.font();
    if (!font.face.isEmpty()) {
        const bool serif = font.face.contains(QLatin1String("Times"));
        qfont.setFamilies(serif ? QStringList{font.face, QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}
                                : QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        qfont.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    }
    if (font.points > 0) qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    // Setting the font a widget already inherits costs a round of change
    // events for nothing; a container's font never changes after its controls
    // are made, so inheriting it is the same.
    if (qfont != widget.font()) widget.setFont(qfont);
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

QWidget* made_button(Container& parent, const Design& design)
{
    QAbstractButton* button;
    if (design.picture_style) {
        auto* tool = made<ButtonWidget<QToolButton>>(parent, design);
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        if (design.picture) {
            tool->setIcon(QIcon(QPixmap(design.picture)));
            tool->setIconSize(QSize(32, 32));
        }
        button = tool;
    } else {
        auto* push = made<ButtonWidget<QPushButton>>(parent, design);
        push->setAutoDefault(false);
        push->setDefault(false);
        button = push;
    }
    button->setText(design.caption);
    button->setFocusPolicy(design.takes_focus ? Qt::StrongFocus : Qt::NoFocus);
    return button;
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
    dynamic_cast<OwnedWidget&>(*widget_).owner = this;
    parent.form().adopt(*this);
    place();
    widget_->setVisible(visible_);
}

Control::~Control()
{
    dynamic_cast<OwnedWidget&>(*widget_).owner = nullptr;
}

void Control::place()
{
    widget_->setGeometry(pixels(left_), pixels(top_), pixels(width_), pixels(height_));
}

void Control::set_visible(bool visible)
{
    visible_ = visible;
    widget_->setVisible(visible);
}

void Control::set_back_color(Color color)
{
    back_color_ = color;
    const QColor shown = screen_color(color, QApplication::palette());
    const QPalette::ColorRole role = widget_->backgroundRole();
    const bool window_too = role != QPalette::Base;
    // Most controls keep the colour they inherit: no palette of their own
    // then, which spares every window a palette change per control.
    if (shows(*widget_, role, shown) && (!window_too || shows(*widget_, QPalette::Window, shown))) return;
    QPalette palette = widget_->palette();
    palette.setColor(role, shown);
    if (window_too) palette.setColor(QPalette::Window, shown);
    widget_->setPalette(palette);
}

void Control::set_left(int twips)
{
    left_ = twips;
    place();
}

void Control::set_top(int twips)
{
    top_ = twips;
    place();
}

bool Control::shown_in_window() const
{
    return visible_ && parent_.shown_in_window();
}

// Focusable

void Focusable::setFocus()
{
    form().give_focus(*this);
}

bool Focusable::can_take_focus() const
{
    return shown_in_window() && widget_->isEnabled() && widget_->focusPolicy() != Qt::NoFocus;
}

// Label

Label::Label(Container& parent, const Design& design) : Control(parent, design, made<LabelWidget>(parent, design))
{
    auto* label = static_cast<QLabel*>(widget_);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment(design.align));
    if (design.border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Window);
    set_back_color(back_color());
    setCaption(design.caption);
}

Label::~Label() = default;

QString Label::Caption() const
{
    return static_cast<QLabel*>(widget_)->text();
}

void Label::setCaption(const QString& caption)
{
    static_cast<QLabel*>(widget_)->setText(caption);
    // Screen readers find the label by its name and read its caption in its
    // text, and here too for tools that read only names and descriptions.
    widget_->setAccessibleDescription(caption);
}

// Text box

TextBox::TextBox(Container& parent, const Design& design)
    : Focusable(parent, [&] {
          Design box = design;
          if (!box.back_color) box.back_color = system_window_background;
          return box;
      }(), made<TextBoxWidget>(parent, design)),
      tag_(design.tag)
{
    auto* edit = static_cast<QLineEdit*>(widget_);
    edit->setAlignment(alignment(design.align));
    edit->setText(design.caption);
    edit->setAutoFillBackground(true);
    edit->setBackgroundRole(QPalette::Base);
    set_back_color(back_color());
}

TextBox::~TextBox() = default;

QString TextBox::Text() const
{
    return static_cast<QLineEdit*>(widget_)->text();
}

void TextBox::setText(const QString& text)
{
    static_cast<QLineEdit*>(widget_)->setText(text);
}

// Button

Button::Button(Container& parent, const Design& design) : Focusable(parent, design, made_button(parent, design))
{
    auto* button = static_cast<QAbstractButton*>(widget_);
    QObject::connect(button, &QAbstractButton::clicked, button, [button] {
        if (auto* self = dynamic_cast<Button*>(live_owner(dynamic_cast<OwnedWidget&>(*button))))
            dispatch([self] {
                if (self->onClick) self->onClick();
            });
    });
}

Button::~Button() = default;

QString Button::Caption() const
{
    return static_cast<QAbstractButton*>(widget_)->text();
}

void Button::setCaption(const QString& caption)
{
    static_cast<QAbstractButton*>(widget_)->setText(caption);
    widget_->setAccessibleName(caption);
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
}

Frame::~Frame() = default;

bool Frame::shown_in_window() const
{
    return Control::shown_in_window();
}

// Line

Line::Line(Container& parent, const Ends& ends, bool visible, const QString& name)
    : Control(parent, Design{.name = name, .visible = visible}, new LineWidget(parent.client())), ends_(ends)
{
    redraw();
}

Line::~Line() = default;

void Line::redraw()
{
    static_cast<LineWidget*>(widget_)->set_ends(QPoint(pixels(ends_.x1), pixels(ends_.y1)),
                                                 QPoint(pixels(ends_.x2), pixels(ends_.y2)));
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

// Menus

Menu::Menu(Form& window, const Design& design) : form_(window), menu_(nullptr), name_(design.name)
{
    auto* bar = static_cast<QMenuBar*>(window.menu_bar());
    menu_ = bar->addMenu(design.caption);
    connect_opening();
}

Menu::Menu(Menu& parent, const Design& design)
    : form_(parent.form_), menu_(parent.menu_->addMenu(design.caption)), name_(design.name)
{
    connect_opening();
}

Menu::~Menu()
{
    QObject::disconnect(menu_, nullptr, nullptr, nullptr);
}

void Menu::connect_opening()
{
    QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] { dispatch(onClick); });
}

MenuEntry::MenuEntry(Menu& parent, const Design& design)
    : form_(parent.form()), action_(menu_of(parent)->addAction(design.caption)), checked_(false), name_(design.name)
{
    parent.form().adopt(*this);
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
                if (!form_.discarded()) dispatch(onClick);
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

QMenu* menu_of(const Menu& menu)
{
    return menu.menu_;
}

QAction* action_of(const MenuEntry& entry)
{
    return entry.action_;
}

std::vector<int> indices(int from, int to)
{
    std::vector<int> all;
    for (int i = from; i <= to; ++i) all.push_back(i);
    return all;
}

}  // namespace ui
